#!/usr/bin/env bash
# Builds the program and saves a picture of each frame at 800x600, taken under a real X server
# (Xvfb), into docs/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
display=:${SCREENSHOT_DISPLAY:-91}
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
DISPLAY=$display "$build/bin/vpa_screenshots" "$build/bin/duzedo.mdb" "$root/docs/screenshots" 800 600
