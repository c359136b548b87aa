#!/usr/bin/env bash
# Cross-builds the 64-bit Windows program on Debian 12 with MinGW-w64. The libraries are built
# from Debian's own source packages, of the versions the Linux build uses, into a prefix kept in
# ${XDG_CACHE_HOME:-~/.cache}/vpa-windows/<versions>/, so only the first run pays for them; each
# step is skipped when its result is there.
#
#   scripts/windows.sh [deps|sources|headers|sqlite|iconv|mdbtools|googletest|qtbase|program|
#                       package|test|ready]...
#
# package lays out dist/windows/ (the folder, its zip and the installer); test runs the suite
# under Wine, the reports against the Linux tool, the installer and the program in a window;
# ready answers (exit status) whether the libraries are all built, installing and fetching
# nothing. With no step it builds the libraries and the program. The Qt build takes hours on a
# small machine: run the script niced and in the background
# (nohup nice -n 19 scripts/windows.sh deps >log 2>&1 &).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${VPA_WINDOWS_JOBS:-2}
host=x86_64-w64-mingw32

# The versions the Linux build uses, as Debian's source packages name them.
source_version() { dpkg-query -W -f='${source:Version}' "$1"; }
declare -A version=(
    [qt6-base]=$(source_version qt6-base-dev)
    [sqlite3]=$(source_version libsqlite3-dev)
    [mdbtools]=$(source_version mdbtools-dev)
    [googletest]=$(source_version libgtest-dev)
)
upstream_of() { local v=${1#*:}; v=${v%-*}; echo "${v%%+*}"; }
upstream() { upstream_of "${version[$1]}"; }
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vpa-windows
# The folder of the libraries built from these versions, mdbtools' given apart (see below).
folder_for() {
    local name
    name=$cache/qt$(upstream qt6-base)-sqlite$(upstream sqlite3)-mdbtools$(upstream_of "$1")
    echo "$name-gtest$(upstream googletest)-gcc$($host-g++-posix -dumpversion)"
}

# The archive no longer serves the tarballs of bookworm's mdbtools (1.0.0+dfsg-1.1), only its
# .dsc. Trixie's 1.0.1-0.1 is still served (its tarballs, not its .dsc): it is built then.
mdbtools_fallback=1.0.1-0.1

libraries_ready() {
    command -v "$host-g++-posix" >/dev/null || return 1
    local one stamps
    for one in "${version[mdbtools]}" "$mdbtools_fallback"; do
        stamps=$(folder_for "$one")/stamps
        [ -e "$stamps/sqlite" ] && [ -e "$stamps/mdbtools" ] && [ -e "$stamps/googletest" ] &&
            [ -e "$stamps/qtbase" ] && return 0
    done
    return 1
}
if [ "${1:-}" = ready ]; then
    libraries_ready
    exit
fi
[ -n "${VPA_WINDOWS_SETUP_DONE:-}" ] || "$root/scripts/setup.sh" --windows

# apt-get with a sources list and state of its own, so the machine's apt set-up stays as it is.
apt_dir=$cache/apt
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/nonexistent"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
             -o "Dir::State::Status=/var/lib/dpkg/status")
# As root, apt's unprivileged download user could not write the cache's folders.
[ "$(id -u)" -ne 0 ] || apt_options+=(-o "APT::Sandbox::User=root")
# Trixie is listed for mdbtools alone (below); apt verifies its index as it does bookworm's.
apt_update() {
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    cat >"$apt_dir/sources.list" <<'EOF'
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian bookworm-updates main
deb-src http://deb.debian.org/debian-security bookworm-security main
deb-src http://deb.debian.org/debian trixie main
EOF
    apt-get "${apt_options[@]}" update -qq
}
# A source package's files as apt's verified index gives them: URI, name, size, SHA256:sum.
source_uris() {
    apt-get "${apt_options[@]}" source -qq --print-uris "$1=$2" | sed -n "s/^'\([^']*\)' /\1 /p"
}

pick_mdbtools() {
    local one
    for one in "${version[mdbtools]}" "$mdbtools_fallback"; do
        [ ! -e "$(folder_for "$one")/stamps/source-mdbtools" ] || { echo "$one"; return; }
    done
    grep -qs trixie "$apt_dir/sources.list" || apt_update >&2
    local tarball
    tarball=$(source_uris mdbtools "${version[mdbtools]}" | awk '$2 ~ /\.orig\./ { print $1 }')
    if [ -n "$tarball" ] && curl -fsIL --max-time 60 "$tarball" >/dev/null; then
        echo "${version[mdbtools]}"
    else
        echo "$mdbtools_fallback"
    fi
}
version[mdbtools]=$(pick_mdbtools)
dir=$(folder_for "${version[mdbtools]}")
src=$dir/src build=$dir/build prefix=$dir/prefix stamps=$dir/stamps
mkdir -p "$src" "$build" "$prefix" "$stamps"

# A source package whose .dsc the archive does not serve: its tarballs fetched one by one, each
# checked against the SHA256 of apt's verified index, and unpacked as dpkg-source would.
fetch_unsigned_source() {
    local uri name size sum tarballs=()
    while read -r uri name size sum; do
        [[ $name == *.dsc ]] && continue
        curl -fsSL --max-time 900 -o "$src/$name" "$uri" || return 1
        if [ "$(sha256sum <"$src/$name" | cut -d' ' -f1)" != "${sum#SHA256:}" ]; then
            echo "error: $name ($size bytes) differs from Debian's index: refused" >&2
            rm -f "$src/$name"
            return 1
        fi
        tarballs+=("$src/$name")
    done < <(source_uris "$1" "$2")
    [ ${#tarballs[@]} -gt 0 ] || return 1
    local out tarball patch
    out=$src/$1-$(upstream_of "$2")
    # Run where its failure is tested, so set -e does not apply: each step returns on failure.
    rm -rf "$out" && mkdir -p "$out" || return 1
    for tarball in "${tarballs[@]}"; do
        [[ $tarball != *.orig.* ]] || tar -xf "$tarball" -C "$out" --strip-components=1 || return 1
    done
    for tarball in "${tarballs[@]}"; do
        [[ $tarball != *.debian.* ]] || tar -xf "$tarball" -C "$out" || return 1
    done
    [ -e "$out/debian/patches/series" ] || return 0
    while read -r patch _; do
        [[ -z $patch || $patch == \#* ]] || patch -s -d "$out" -p1 <"$out/debian/patches/$patch" ||
            return 1
    done <"$out/debian/patches/series"
}
fetch_sources() {
    apt_update
    local package
    for package in "${!version[@]}"; do
        [ -e "$stamps/source-$package" ] && continue
        # A package the archive cannot serve fails only the steps that need it.
        if (cd "$src" && apt-get "${apt_options[@]}" source -qq "$package=${version[$package]}") ||
            fetch_unsigned_source "$package" "${version[$package]}"; then
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
# Debian's own compile-time options: those its rules set, and the ones its configure line adds
# (FTS4, FTS5, and the maths functions configure enables by default), so a DUZEDO kept as SQLite
# opens on Windows exactly as on Linux.
sqlite_flags() {
    sed -n '/^export CFLAGS += /,/[^\\]$/p' "$(source_dir sqlite3)/debian/rules" |
        grep -o -- '-DSQLITE_[A-Z0-9_]*\(=[0-9]*\)\?'
    echo -DSQLITE_ENABLE_FTS4 -DSQLITE_ENABLE_FTS5 -DSQLITE_ENABLE_MATH_FUNCTIONS
}
# Rebuilt whenever those options change; the plain stamp says a build exists at all.
build_sqlite_when_changed() {
    local sum
    sum=$(sqlite_flags | sha256sum | cut -c1-16)
    done_or "sqlite-$sum" build_sqlite
    touch "$stamps/sqlite"
}

build_sqlite() {
    local source out=$build/sqlite
    source=$(source_dir sqlite3)
    rm -rf "$out" && mkdir -p "$out"
    (cd "$out" && "$source/configure" --disable-tcl -q >/dev/null && make -s sqlite3.c)
    # shellcheck disable=SC2046
    $host-gcc-posix -O2 -fno-strict-aliasing $(sqlite_flags) -c "$out/sqlite3.c" \
        -o "$out/sqlite3.o"
    mkdir -p "$prefix/include" "$prefix/lib/pkgconfig"
    $host-ar rcs "$prefix/lib/libsqlite3.a" "$out/sqlite3.o"
    cp "$out/sqlite3.h" "$out/sqlite3ext.h" "$prefix/include/"
    cat >"$prefix/lib/pkgconfig/sqlite3.pc" <<PC
prefix=\${pcfiledir}/../..
Name: SQLite
Description: SQL database engine
Version: $(upstream sqlite3)
Libs: -L\${prefix}/lib -lsqlite3
Cflags: -I\${prefix}/include
PC
}

# MinGW has no iconv: libmdb (Jet 3 code pages, Jet 4 UTF-16) and the reader use the project's
# own, over the Win32 conversions. Rebuilt whenever its source changes.
iconv_source=$root/packaging/windows/iconv
build_iconv() {
    mkdir -p "$build/iconv" "$prefix/include" "$prefix/lib"
    $host-gcc-posix -std=c11 -O2 -Wall -Wextra -Werror -c "$iconv_source/iconv.c" \
        -o "$build/iconv/iconv.o"
    rm -f "$prefix/lib/libiconv.a"
    $host-ar rcs "$prefix/lib/libiconv.a" "$build/iconv/iconv.o"
    cp "$iconv_source/iconv.h" "$prefix/include/"
}
build_iconv_when_changed() {
    local sum
    sum=$(cat "$iconv_source/iconv.c" "$iconv_source/iconv.h" | sha256sum | cut -c1-16)
    done_or "iconv-$sum" build_iconv
}

# libmdb alone, static, without GLib (it carries a small stand-in), and its pkg-config file. It
# opens files through the wide API (the patch), so a DUZEDO may sit on a share, under a long path
# or a name outside the code page. Rebuilt whenever the patch changes.
mdbtools_patch=$root/packaging/windows/mdbtools-wide-paths.patch
build_mdbtools_when_changed() {
    local sum
    sum=$(sha256sum <"$mdbtools_patch" | cut -c1-16)
    done_or "mdbtools-$sum" build_mdbtools
    touch "$stamps/mdbtools"
}
build_mdbtools() {
    build_iconv_when_changed
    local source out=$build/mdbtools
    source=$(source_dir mdbtools)
    rm -rf "$out" && cp -a "$source" "$out"
    patch -s -d "$out" -p1 <"$mdbtools_patch"
    # What configure sets for MinGW breaks a static build: libtool's -no-undefined in LDFLAGS
    # fails its link tests (iconv's among them), a spawnv define clashes with MinGW's own, and
    # the locale type is MinGW's _locale_t.
    sed -i 's/^\( *\)\[\*mingw\*\], \[LDFLAGS=.*/\1[*mingw*], [LOCALE_T=_locale_t], [])/' \
        "$out/configure.ac"
    grep -q 'LOCALE_T=_locale_t' "$out/configure.ac"
    (cd "$out" && autoreconf -fi -Wnone >/dev/null &&
        ./configure -q --host=$host --prefix="$prefix" --disable-glib --disable-man \
            --enable-static --disable-shared CC=$host-gcc-posix \
            CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" &&
        grep -q 'HAVE_ICONV_H 1' include/mdbtools.h &&
        make -s -C include install && make -s -C src/libmdb install)
    mkdir -p "$prefix/lib/pkgconfig"
    cat >"$prefix/lib/pkgconfig/libmdb.pc" <<PC
prefix=\${pcfiledir}/../..
Name: libmdb
Description: reading Access files
Version: $(upstream mdbtools)
Libs: -L\${prefix}/lib -lmdb -liconv
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
# hold only what the program uses. Direct2D stays on: without it Qt 6.4 leaves out the DirectWrite
# font engine that its Windows printing calls, and Print Support does not link.
build_qtbase() {
    local source
    source=$(source_dir qt6-base)
    "${cross_cmake[@]}" -S "$source" -B "$build/qtbase" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_doubleconversion=OFF
    cmake --build "$build/qtbase" -j"$jobs"
    cmake --install "$build/qtbase"
}

# The project itself, from its own CMake files.
build_program() {
    build_sqlite_when_changed
    build_mdbtools_when_changed
    "${cross_cmake[@]}" -S "$root" -B "$root/build-windows" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_PREFIX_PATH="$prefix" -DVPA_BUILD_BENCH=OFF
    cmake --build "$root/build-windows" -j"$jobs"
}

# The program's folder, zip and installer in dist/windows/.
package_program() {
    "$root/scripts/windows-package.sh" "$root/build-windows" "$prefix" "$src"
}

# Everything tested under Wine, the programs as packaged; the Linux tool, built as usual, is what
# the reports are held to.
test_program() {
    # Tests that do not pass under Wine yet are listed, each with its reason, in a file of their
    # own; the stage fails on any other. A test that times out or fails is run once more: under
    # load Wine has once let a test of damaged files hang past its limit.
    local known
    known=$(grep -v '^\s*\(#\|$\)' "$root/tests/windows/known-failures.txt" | cut -d' ' -f1 |
        paste -sd'|')
    (cd "$root/build-windows" &&
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" --timeout 300 \
            --repeat until-pass:2 \
            ${known:+-E "^($known)\$"})
    "$root/scripts/build.sh" >/dev/null
    "$root/tests/windows/reports.sh" "${BUILD_DIR:-$root/build}/bin/duzedo" \
        "$root/dist/windows/VPAStats/duzedo.exe"
    "$root/tests/windows/paths.sh" "${BUILD_DIR:-$root/build}/bin/duzedo" \
        "$root/dist/windows/VPAStats/duzedo.exe"
    "$root/tests/windows/installer.sh" "$root/dist/windows"
    "$root/tests/windows/smoke.sh" "$root/dist/windows/VPAStats"
    VPA_SMOKE_SCALE=200 "$root/tests/windows/smoke.sh" "$root/dist/windows/VPAStats"
}

run_step() {
    case $1 in
        sources) fetch_sources ;;
        headers) link_headers ;;
        program) build_program ;;
        package) package_program ;;
        test) test_program ;;
        sqlite) build_sqlite_when_changed ;;
        mdbtools) build_mdbtools_when_changed ;;
        googletest | qtbase) done_or "$1" "build_$1" ;;
        iconv) build_iconv_when_changed ;;
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
    for one in sources headers sqlite iconv mdbtools googletest qtbase; do
        VPA_WINDOWS_SETUP_DONE=1 "$0" "$one" || failed+=("$one")
    done
    if [ ${#failed[@]} -gt 0 ]; then
        echo "failed: ${failed[*]}" >&2
        exit 1
    fi
done
