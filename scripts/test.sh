#!/usr/bin/env bash
# Builds and runs every test, in three stages, each stopping the run at its first failure:
#   1. the ordinary build into build/ (or $BUILD_DIR) with warnings as errors, the formatting
#      check and the whole suite;
#   2. the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, built into
#      build-sanitize/ (or $SANITIZE_BUILD_DIR); the first leak, memory fault or undefined
#      behaviour fails;
#   3. every fuzz target for $FUZZ_SECONDS seconds (20 unless set), built with clang into
#      build-fuzz/;
#   4. the Windows build under Wine (scripts/windows.sh test): the suite, the installer and the
#      program in a real window; skipped, saying so, when the cross-built libraries are not in
#      their cache (building them takes longer than a CI run may).
# --ordinary, --sanitize, --fuzz or --windows runs one stage only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
stages=(ordinary sanitize fuzz windows)
case "${1:-}" in
    --ordinary | --sanitize | --fuzz | --windows) stages=("${1#--}") ;;
    "") ;;
    *) echo "usage: scripts/test.sh [--ordinary | --sanitize | --fuzz | --windows]" >&2; exit 2 ;;
esac

run_suite() { # build folder, configure arguments...
    local build=$1
    shift
    BUILD_DIR=$build "$root/scripts/build.sh" -DVPA_WERROR=ON "$@"
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
}

for stage in "${stages[@]}"; do
    echo "== $stage"
    SECONDS=0
    case $stage in
    ordinary)
        (cd "$root" && git ls-files -co --exclude-standard -- '*.cpp' '*.h' |
            xargs -r clang-format --dry-run -Werror)
        run_suite "${BUILD_DIR:-$root/build}"
        ;;
    sanitize)
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        export LSAN_OPTIONS=suppressions=$root/scripts/lsan-qt.supp:print_suppressions=0
        run_suite "${SANITIZE_BUILD_DIR:-$root/build-sanitize}" -DVPA_SANITIZE=ON \
            -DVPA_BUILD_BENCH=OFF
        ;;
    fuzz)
        "$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-20}"
        ;;
    windows)
        if ! "$root/scripts/windows.sh" ready; then
            echo "== windows skipped: the cross-built libraries are not cached on this machine"
            echo "   (scripts/windows.sh deps builds them once, in about 3 hours on 2 cores)"
            continue
        fi
        "$root/scripts/windows.sh" program package test
        ;;
    esac
    echo "== $stage passed in $SECONDS s"
done
