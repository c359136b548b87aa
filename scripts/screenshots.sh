#!/usr/bin/env bash
# Builds the program and saves a picture of each frame at 800x600, taken under a real X server
# (Xvfb), into docs/screenshots/; and the same at a scale factor of 2 (as on a high-density
# screen) into docs/screenshots/2x/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
display=:${SCREENSHOT_DISPLAY:-91}
Xvfb "$display" -screen 0 2560x2048x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
shoot() {
    DISPLAY=$display QT_SCALE_FACTOR=$1 "$build/bin/vpa_screenshots" "$build/bin/duzedo.mdb" "$2" 800 600
}
shoot 1 "$root/docs/screenshots"
shoot 2 "$root/docs/screenshots/2x"
