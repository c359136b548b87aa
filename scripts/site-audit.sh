#!/usr/bin/env bash
# Audits the sample's web site: Lighthouse (performance, accessibility, best practices, SEO) on
# the start page and a player page, axe-core on the first page of each kind. Prints the scores and
# what fell short; exits 1 when a score is under its goal (95 for performance, 100 for the others)
# or axe-core finds a violation. Builds duzedo into build/ (or $BUILD_DIR) first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target duzedo
CHROMIUM=${CHROMIUM:-/usr/bin/chromium} node "$root/tests/browser/audit.mjs" "$build/bin/duzedo"
