#!/usr/bin/env bash
# Audits the sample's web site: Lighthouse (performance, accessibility, best practices, SEO) on
# the start page and a player page, axe-core on the first page of each kind. Prints the scores and
# what fell short; exits 1 when a score is under its goal (95 for performance, 100 for the others)
# or axe-core finds a violation. Builds duzedo into build/ (or $BUILD_DIR) first.
set -euo pipefail
source "$(dirname "$0")/build-duzedo.sh"
CHROMIUM=${CHROMIUM:-/usr/bin/chromium} node "$root/tests/browser/audit.mjs" "$build/bin/duzedo"
