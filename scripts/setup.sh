#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, and the npm packages of the site's browser
# checks (tests/browser, pinned by its lock file); does nothing when they are all present. ccache
# and lld only make builds faster: the build uses them when present.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev libsqlite3-dev mdbtools-dev mdbtools
          libcli11-dev libkainjow-mustache-dev libgtest-dev libgmock-dev libbenchmark-dev clang-format xvfb xauth
          desktop-file-utils appstream clang libclang-rt-14-dev lld ccache chromium nodejs poppler-utils)
command -v npm >/dev/null || packages+=(npm)  # some builds of nodejs bring their own npm
# --windows: the Windows cross build's compiler, Wine, installer maker and source tools, and not
# the browser checks' packages (scripts/windows.sh runs this).
windows=false
[ "${1:-}" != --windows ] || windows=true
$windows && packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools nsis wine64 dpkg-dev curl tcl autoconf patch
                       automake libtool ninja-build)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
$windows && exit 0
browser=$(cd "$(dirname "$0")/../tests/browser" && pwd)
if [ ! -d "$browser/node_modules" ] || [ "$browser/package-lock.json" -nt "$browser/node_modules" ]; then
    (cd "$browser" && npm ci --no-audit --no-fund --loglevel=error)
fi
