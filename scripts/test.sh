#!/usr/bin/env bash
# Builds everything with warnings as errors, checks the formatting and runs every test.
# With --sanitize: the same under AddressSanitizer and UndefinedBehaviorSanitizer, built into
# build-sanitize/ (or $BUILD_DIR); the first leak, memory fault or undefined behaviour fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
configure=(-DVPA_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    export BUILD_DIR=${BUILD_DIR:-$root/build-sanitize}
    configure+=(-DVPA_SANITIZE=ON -DVPA_BUILD_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$root/scripts/lsan-qt.supp:print_suppressions=0
fi
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build "$root/scripts/build.sh" "${configure[@]}"
cd "$root"
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs -r clang-format --dry-run -Werror
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
