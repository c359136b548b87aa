#!/usr/bin/env bash
# Builds the program and starts it on the sample DUZEDO beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/bin/VPAStats" "$@"
