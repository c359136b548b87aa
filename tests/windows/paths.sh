#!/usr/bin/env bash
# duzedo.exe under Wine opens a DUZEDO by the names Windows users give: on a share
# (\\server\share\..., which Wine finds under its dosdevices/unc/), under a path longer than
# MAX_PATH with Greek in it, and on a share it may not write to; it writes a site to a share
# under a Greek folder name. Each report must equal the Linux tool's for the same file.
#
#   tests/windows/paths.sh LINUX_DUZEDO WINDOWS_DUZEDO_EXE
set -euo pipefail
linux=$1 windows=$2
wine=${VPA_WINE:-/usr/lib/wine/wine64}
# Wine reads the command line in the locale's code page: a UTF-8 one, for the Greek names.
export WINEPREFIX WINEDEBUG=-all LANG=C.UTF-8
WINEPREFIX=$(mktemp -d /tmp/vpa-paths-wine.XXXXXX)
work=$(mktemp -d /tmp/vpa-paths.XXXXXX)
readonly_mount=$work/readonly
cleanup() {
    wineserver -k 2>/dev/null || true
    umount "$readonly_mount" 2>/dev/null || true
    rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT

"$linux" sample --seed 3 --out "$work/sample" >/dev/null
"$linux" report rankings "$work/sample/duzedo.mdb" >"$work/expected.json"
"$wine" wineboot -i >/dev/null 2>&1
shares=$WINEPREFIX/dosdevices/unc/fileserver
mkdir -p "$shares" "$work/out"
ln -s "$work/sample" "$shares/duzedo"
ln -s "$work/out" "$shares/out"

# winepath cuts names at MAX_PATH, so a Unix name becomes its Windows one here.
windows_name() { local p=${1//\//\\}; echo "Z:$p"; }

failed=0
check() { # what, Windows name of the DUZEDO
    "$wine" "$windows" report rankings "$2" 2>&1 | tr -d '\r' >"$work/got.json" || true
    if cmp -s "$work/got.json" "$work/expected.json"; then
        echo "paths: $1: the same rankings as on Linux"
    else
        echo "paths: $1: not read as on Linux:" >&2
        head -n 3 "$work/got.json" >&2
        failed=$((failed + 1))
    fi
}

check "a share" '\\fileserver\duzedo\duzedo.mdb'
long=$work/$(printf 'a%.0s' {1..120})/$(printf 'b%.0s' {1..120})/Ελλάδα
mkdir -p "$long" && cp "$work/sample/duzedo.mdb" "$long/"
check "a path of $(windows_name "$long/duzedo.mdb" | wc -m) characters" \
    "$(windows_name "$long/duzedo.mdb")"

# A read-only share: a read-only bind mount, where the machine allows one.
mkdir -p "$readonly_mount"
if mount --bind "$work/sample" "$readonly_mount" 2>/dev/null &&
    mount -o remount,bind,ro "$readonly_mount" 2>/dev/null; then
    ln -s "$readonly_mount" "$shares/readonly"
    check "a read-only share" '\\fileserver\readonly\duzedo.mdb'
    if "$wine" "$windows" to-mdb '\\fileserver\readonly\duzedo.mdb' \
        '\\fileserver\readonly\copy.mdb' >/dev/null 2>&1; then
        echo "paths: writing to a read-only share was reported as done" >&2
        failed=$((failed + 1))
    fi
else
    echo "paths: no read-only share: this machine allows no bind mount"
fi

"$wine" "$windows" site '\\fileserver\duzedo\duzedo.mdb' --out '\\fileserver\out\Ελλάδα site' \
    >"$work/site.txt" 2>&1 || true
if [ -f "$work/out/Ελλάδα site/index.html" ]; then
    echo "paths: a site written to a share, under a Greek name"
else
    echo "paths: no site written to the share:" >&2
    tail -n 3 "$work/site.txt" >&2
    failed=$((failed + 1))
fi
[ "$failed" = 0 ]
