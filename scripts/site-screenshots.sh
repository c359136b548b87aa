#!/usr/bin/env bash
# Pictures of the sample's web site in docs/screenshots/site/: the start page, the first player's
# page and the first World Cup page (when the site has one), 1280 and 390 px wide, light and dark.
# Other kinds of page (as pages.json names them) may be given instead: scripts/site-screenshots.sh
# rankings pair. Builds duzedo into build/ (or $BUILD_DIR) first.
set -euo pipefail
source "$(dirname "$0")/build-duzedo.sh"
node "$root/tools/screenshots/site.mjs" "$build/bin/duzedo" "$root/docs/screenshots/site" "$@"
