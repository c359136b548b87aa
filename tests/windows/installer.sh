#!/usr/bin/env bash
# The installer under Wine, in a Wine prefix of its own: a silent install into Program Files
# with .mdb files offered to VPA Stats, the installed tool reading the sample, then a silent uninstall
# that removes what was installed and nothing the user put in the folder.
#
#   tests/windows/installer.sh DIST_DIR
set -euo pipefail
dist=$1
wine=${VPA_WINE:-/usr/lib/wine/wine64}
export WINEPREFIX WINEDEBUG=-all
WINEPREFIX=$(mktemp -d /tmp/vpa-installer-wine.XXXXXX)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fail() { echo "installer: $*" >&2; exit 1; }

folder="$WINEPREFIX/drive_c/Program Files/VPAStats"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/VPA Stats Analyser.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VPAStats'
progid='HKLM\Software\Classes\VPAStats.DUZEDO\shell\open\command'

"$wine" "$dist/VPAStats-setup.exe" /S /OPENWITH
wineserver -w
(cd "$dist/VPAStats" && find . -type f) | while read -r file; do
    [ -e "$folder/$file" ] || fail "not installed: $file"
done
[ -e "$folder/Uninstall.exe" ] || fail "no uninstaller"
[ -e "$menu" ] || fail "no Start menu entry"
"$wine" reg query "$key" /v DisplayName >/dev/null || fail "not in the list of installed programs"
"$wine" reg query "$progid" | grep -q 'VPAStats.exe" "%1"' || fail ".mdb files not offered"
"$wine" reg query 'HKLM\Software\Classes\.mdb' /ve 2>/dev/null | grep -q VPAStats &&
    fail ".mdb files taken over"
# The installed tool reads the installed sample through the installed reader.
"$wine" "C:\\Program Files\\VPAStats\\duzedo.exe" report months \
    "C:\\Program Files\\VPAStats\\duzedo.mdb" | grep -q cmbRankMonth ||
    fail "the installed tool does not read the installed sample"

# What the user keeps in the folder stays.
echo "[Options]" >"$folder/VPAStats.ini"
cp "$folder/duzedo.mdb" "$folder/mine.mdb"
"$wine" "C:\\Program Files\\VPAStats\\Uninstall.exe" /S
wineserver -w
sleep 2  # the uninstaller runs from a copy that outlives the one started
left=$(cd "$folder" && find . -type f | sort | tr '\n' ' ')
[ "$left" = "./VPAStats.ini ./mine.mdb " ] || fail "after uninstalling the folder holds: $left"
[ ! -e "$menu" ] || fail "the Start menu entry stayed"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "still in the list of installed programs"
"$wine" reg query "$progid" >/dev/null 2>&1 && fail "still offered for .mdb files"
echo "installer: installed, answered and uninstalled"
