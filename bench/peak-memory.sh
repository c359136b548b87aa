#!/usr/bin/env bash
# The program's peak memory (VmHWM) while it opens the sample DUZEDO at a scale and shows its main
# window, offscreen. Run after a build into build/:  bench/peak-memory.sh [SCALE] [SECONDS]
# SECONDS is how long the program is left running before its peak is read (default 20).
set -euo pipefail
scale=${1:-100}
settle=${2:-20}
bin=$(cd "$(dirname "$0")/.." && pwd)/build/bin
dir=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
# The program reads the duzedo.mdb beside it and starts its reader from there.
cp "$bin/VPAStats" "$bin/vpa_mdbreader" "$dir/"
"$bin/duzedo" sample --seed 1 --scale "$scale" --out "$dir/sample" >/dev/null
mv "$dir/sample/duzedo.mdb" "$dir/"
QT_QPA_PLATFORM=offscreen HOME="$dir" XDG_CONFIG_HOME="$dir/config" "$dir/VPAStats" \
    >/dev/null 2>&1 &
pid=$!
peak=0
for _ in $(seq "$settle"); do
    sleep 1
    kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    [ "${kb:-0}" -gt "$peak" ] && peak=$kb
done
echo "scale $scale: peak resident memory $((peak / 1024)) MiB ($peak kB)"
