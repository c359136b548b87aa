#!/usr/bin/env bash
# The Windows program in a real window under Wine: started on the sample under Xvfb and openbox,
# its main window shows within 30 s, Ctrl+1 to Ctrl+8 bring each frame forward (each looks
# different from the one before), and Ctrl+Q closes it with exit status 0. With a folder as a
# second argument, a picture of each frame is saved there. VPA_SMOKE_SCALE=150 or 200 runs it as
# on a screen scaled that much (Windows' dots per inch, which Qt follows).
#
#   tests/windows/smoke.sh PROGRAM_FOLDER [PICTURES_FOLDER]
set -euo pipefail
folder=$(cd "$1" && pwd)
pictures=${2:-}
wine=${VPA_WINE:-/usr/lib/wine/wine64}
display=:${VPA_SMOKE_DISPLAY:-93}
export WINEPREFIX WINEDEBUG=-all DISPLAY=$display
WINEPREFIX=$(mktemp -d /tmp/vpa-smoke-wine.XXXXXX)
work=$(mktemp -d /tmp/vpa-smoke.XXXXXX)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT
fail() { echo "smoke: $*" >&2; exit 1; }

Xvfb "$display" -screen 0 1600x1200x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
"$wine" wineboot -i >/dev/null 2>&1  # a new Wine prefix is made before the clock starts
if [ -n "${VPA_SMOKE_SCALE:-}" ]; then
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d $((96 * VPA_SMOKE_SCALE / 100)) /f >/dev/null 2>&1
fi
wineserver -w
cp -r "$folder" "$work/VPAStats"  # settings are written beside the program

start=$SECONDS
"$wine" "$work/VPAStats/VPAStats.exe" >"$work/out.txt" 2>&1 &
program=$!
window=
until window=$(xdotool search --onlyvisible --name '^VPA Stats Analyser' 2>/dev/null | head -n1) &&
    [ -n "$window" ]; do
    kill -0 "$program" 2>/dev/null || fail "the program ended: $(cat "$work/out.txt")"
    [ $((SECONDS - start)) -lt 30 ] || fail "no main window within 30 s"
    sleep 0.5
done
echo "smoke: main window after $((SECONDS - start)) s"
sleep 2

previous=
for frame in 1 2 3 4 5 6 7 8; do
    xdotool windowactivate --sync "$window" key --clearmodifiers "ctrl+$frame"
    sleep 2
    kill -0 "$program" 2>/dev/null || fail "the program ended at Ctrl+$frame"
    picture=$work/frame-$frame.png
    import -window "$window" "$picture"
    sum=$(md5sum <"$picture")
    [ "$sum" != "$previous" ] || fail "Ctrl+$frame changed nothing"
    previous=$sum
    [ -z "$pictures" ] || { mkdir -p "$pictures" && cp "$picture" "$pictures/"; }
done

xdotool windowactivate --sync "$window" key --clearmodifiers ctrl+q
for _ in $(seq 1 40); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$program" 2>/dev/null && fail "still running 20 s after Ctrl+Q"
wait "$program" || fail "exit status $? after Ctrl+Q"
echo "smoke: every frame shown, closed by Ctrl+Q"
