# Sourced by the site's scripts: sets root and build (build/, or $BUILD_DIR), installs what is
# missing and builds the duzedo tool there.
root=$(cd "$(dirname "${BASH_SOURCE[1]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target duzedo
