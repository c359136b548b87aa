#!/usr/bin/env bash
# Cross-builds the 64-bit Windows program on Debian 12 with MinGW-w64. The libraries are built
# from Debian's own source packages, of the versions the Linux build uses, into a prefix kept in
# ${XDG_CACHE_HOME:-~/.cache}/vpa-windows/<versions>/, so only the first run pays for them; each
# step is skipped when its result is there.
#
#   scripts/windows.sh [deps|sources|headers|sqlite|mdbtools|googletest|qtbase|qtsvg|program]...
#
# With no step it runs them all. The Qt build takes hours on a small machine: run the script
# niced and in the background (nohup nice -n 19 scripts/windows.sh deps >log 2>&1 &).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${VPA_WINDOWS_JOBS:-2}
host=x86_64-w64-mingw32

[ -n "${VPA_WINDOWS_SETUP_DONE:-}" ] || "$root/scripts/setup.sh" --windows

# The versions the Linux build uses, as Debian's source packages name them.
source_version() { dpkg-query -W -f='${source:Version}' "$1"; }
declare -A version=(
    [qt6-base]=$(source_version qt6-base-dev)
    [qt6-svg]=$(source_version qt6-svg-dev)
    [sqlite3]=$(source_version libsqlite3-dev)
    [mdbtools]=$(source_version mdbtools-dev)
    [googletest]=$(source_version libgtest-dev)
)
upstream() { local v=${version[$1]#*:}; v=${v%-*}; echo "${v%%+*}"; }
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vpa-windows
dir=$cache/qt$(upstream qt6-base)-sqlite$(upstream sqlite3)-mdbtools$(upstream mdbtools)
dir+=-gtest$(upstream googletest)-gcc$($host-g++-posix -dumpversion)
src=$dir/src build=$dir/build prefix=$dir/prefix stamps=$dir/stamps
mkdir -p "$src" "$build" "$prefix" "$stamps"

# apt-get with a sources list and state of its own, so the machine's apt set-up stays as it is.
apt_dir=$cache/apt
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/nonexistent"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
             -o "Dir::State::Status=/var/lib/dpkg/status")
# As root, apt's unprivileged download user could not write the cache's folders.
[ "$(id -u)" -ne 0 ] || apt_options+=(-o "APT::Sandbox::User=root")
fetch_sources() {
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    cat >"$apt_dir/sources.list" <<'EOF'
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian bookworm-updates main
deb-src http://deb.debian.org/debian-security bookworm-security main
EOF
    apt-get "${apt_options[@]}" update -qq
    local package
    for package in "${!version[@]}"; do
        [ -e "$stamps/source-$package" ] && continue
        # A package the archive cannot serve fails only the steps that need it.
        if (cd "$src" && apt-get "${apt_options[@]}" source -qq "$package=${version[$package]}"); then
            touch "$stamps/source-$package"
        else
            echo "warning: no source of $package ${version[$package]}" >&2
        fi
    done
}
# The unpacked source folder of a package.
source_dir() {
    local found
    found=$(find "$src" -maxdepth 1 -type d -name "$1-*" | head -n1)
    [ -n "$found" ] || { echo "no source of $1 in $src: run the sources step" >&2; return 1; }
    echo "$found"
}

# done_or step command...: runs the command unless the step's stamp says it already succeeded.
done_or() {
    local step=$1
    shift
    if [ -e "$stamps/$step" ]; then
        echo "== $step: already built"
        return
    fi
    echo "== $step: $(date -u +%FT%TZ)"
    "$@"
    touch "$stamps/$step"
    echo "== $step done: $(date -u +%FT%TZ), cache $(du -sh "$dir" | cut -f1)"
}

toolchain=$root/cmake/mingw-w64.cmake
cross_cmake=(cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DVPA_WINDOWS_PREFIX="$prefix"
             -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix")

# SQLite: the amalgamation is generated on the build machine (it needs tclsh), then compiled
# with the flags Debian's own package uses into a static library.
build_sqlite() {
    local source out=$build/sqlite
    source=$(source_dir sqlite3)
    rm -rf "$out" && mkdir -p "$out"
    (cd "$out" && "$source/configure" --disable-tcl -q >/dev/null && make -s sqlite3.c)
    local flags
    flags=$(sed -n '/^export CFLAGS += /,/[^\\]$/p' "$source/debian/rules" | grep -o -- '-DSQLITE_[A-Z0-9_]*\(=[0-9]*\)\?')
    # shellcheck disable=SC2086
    $host-gcc-posix -O2 -fno-strict-aliasing $flags -c "$out/sqlite3.c" -o "$out/sqlite3.o"
    mkdir -p "$prefix/include" "$prefix/lib/pkgconfig"
    $host-ar rcs "$prefix/lib/libsqlite3.a" "$out/sqlite3.o"
    cp "$out/sqlite3.h" "$out/sqlite3ext.h" "$prefix/include/"
    cat >"$prefix/lib/pkgconfig/sqlite3.pc" <<PC
prefix=$prefix
Name: SQLite
Description: SQL database engine
Version: $(upstream sqlite3)
Libs: -L\${prefix}/lib -lsqlite3
Cflags: -I\${prefix}/include
PC
}

# libmdb alone, static, without GLib (it carries a small stand-in), and its pkg-config file.
build_mdbtools() {
    local source out=$build/mdbtools
    source=$(source_dir mdbtools)
    rm -rf "$out" && cp -a "$source" "$out"
    (cd "$out" && autoreconf -fi -Wnone >/dev/null &&
        ./configure -q --host=$host --prefix="$prefix" --disable-glib --disable-man \
            --enable-static --disable-shared &&
        make -s -C include install && make -s -C src/libmdb install)
    cat >"$prefix/lib/pkgconfig/libmdb.pc" <<PC
prefix=$prefix
Name: libmdb
Description: reading Access files
Version: $(upstream mdbtools)
Libs: -L\${prefix}/lib -lmdb
Cflags: -I\${prefix}/include
PC
}

# Header-only libraries: Debian's, seen through the prefix, so the cross build never searches
# the build machine's /usr/include (its C library headers would win over MinGW's).
link_headers() {
    mkdir -p "$prefix/include" "$prefix/share/cmake/CLI11"
    ln -sfn /usr/include/CLI "$prefix/include/CLI"
    ln -sfn /usr/include/kainjow "$prefix/include/kainjow"
    ln -sf /usr/share/cmake/CLI11/*.cmake "$prefix/share/cmake/CLI11/"
}

build_googletest() {
    local source
    source=$(source_dir googletest)
    "${cross_cmake[@]}" -S "$source" -B "$build/googletest" -Dgtest_disable_pthreads=OFF
    cmake --build "$build/googletest" -j"$jobs"
    cmake --install "$build/googletest"
}

# Qt's own tools (moc, rcc, uic...) are the Linux ones Debian installs; the target libraries
# hold only what the program uses.
build_qtbase() {
    local source
    source=$(source_dir qt6-base)
    "${cross_cmake[@]}" -S "$source" -B "$build/qtbase" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF \
        -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_doubleconversion=OFF
    cmake --build "$build/qtbase" -j"$jobs"
    cmake --install "$build/qtbase"
}

build_qtsvg() {
    local source
    source=$(source_dir qt6-svg)
    "${cross_cmake[@]}" -S "$source" -B "$build/qtsvg" -DCMAKE_PREFIX_PATH="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    cmake --build "$build/qtsvg" -j"$jobs"
    cmake --install "$build/qtsvg"
}

# The project itself, from its own CMake files.
build_program() {
    "${cross_cmake[@]}" -S "$root" -B "$root/build-windows" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_PREFIX_PATH="$prefix" -DVPA_BUILD_BENCH=OFF
    cmake --build "$root/build-windows" -j"$jobs"
}

run_step() {
    case $1 in
        sources) fetch_sources ;;
        headers) link_headers ;;
        program) build_program ;;
        sqlite | mdbtools | googletest | qtbase | qtsvg) done_or "$1" "build_$1" ;;
        *) echo "unknown step: $1" >&2; exit 2 ;;
    esac
}

steps=("$@")
[ ${#steps[@]} -gt 0 ] || steps=(deps program)
for step in "${steps[@]}"; do
    [ "$step" = deps ] || { run_step "$step"; continue; }
    # Each library in a process of its own, so one that fails (its source missing, say) does not
    # keep the others from being built.
    failed=()
    for one in sources headers sqlite mdbtools googletest qtbase qtsvg; do
        VPA_WINDOWS_SETUP_DONE=1 "$0" "$one" || failed+=("$one")
    done
    if [ ${#failed[@]} -gt 0 ]; then
        echo "failed: ${failed[*]}" >&2
        exit 1
    fi
done
