#!/usr/bin/env bash
# Usage: BUILD=FOLDER [ROOT=TREE] scripts/planted-faults.sh [PATCH_FOLDER] [NAME...]
# Measures the suite by the faults it catches. Each patch of PATCH_FOLDER (scripts/planted-faults/
# unless given: NN-short-name.patch, one small fault made with git diff, its first line saying
# what it breaks) is applied in turn to ROOT (this repository unless set); BUILD, a folder already
# configured for ROOT, is built and the suite runs until its first failure. A fault is "caught by"
# that test or "MISSED"; one that "does not apply" or "does not build" must be planted again by
# hand in the code as it is now. Each patch comes out again whatever happens, an interruption
# included, and BUILD is built once more at the end for the tree as it was. NAMEs (03,
# 03-db-like-trailing-percent or its file name) run only those. Logs go to BUILD/planted-faults/.
set -euo pipefail
root=${ROOT:-$(cd "$(dirname "$0")/.." && pwd)}
build=$(cd "${BUILD:?set BUILD to a configured build folder of ROOT}" && pwd)
faults=$(cd "$(dirname "$0")" && pwd)/planted-faults
if [ $# -gt 0 ] && [ -d "$1" ]; then
    faults=$(cd "$1" && pwd)
    shift
fi
# Reverting cannot tell our lines from someone else's: start from a tree without local changes.
if ! git -C "$root" diff --quiet HEAD; then
    echo "$root has uncommitted changes; commit or stash them first" >&2
    exit 2
fi

patches=()
for patch in "$faults"/*.patch; do
    name=$(basename "$patch" .patch)
    if [ $# -eq 0 ]; then
        patches+=("$patch")
    else
        for wanted in "$@"; do
            case $wanted in "$name" | "$name.patch" | "${name%%-*}") patches+=("$patch") ;; esac
        done
    fi
done
[ ${#patches[@]} -gt 0 ] || { echo "no patches chosen in $faults" >&2; exit 2; }

logs=$build/planted-faults
mkdir -p "$logs"
applied=
take_out() {
    if [ -n "$applied" ]; then
        git -C "$root" apply -R "$applied"
        applied=
    fi
}
# The build and the suite run as jobs of their own: an interruption stops them at once, and the
# patch comes out while nothing is compiling it.
set -m
child=
run() { # folder, command...
    (cd "$1" && shift && exec "$@") &
    child=$!
    wait "$child"
}
stop() {
    [ -z "$child" ] || kill -- -"$child" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap take_out EXIT
trap 'stop; exit 130' INT TERM HUP

results=()
caught=0
start=$SECONDS
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    log=$logs/$name.log
    began=$SECONDS
    echo "== $name: $(head -1 "$patch")"
    if ! git -C "$root" apply --check "$patch" 2>"$log"; then
        result="does not apply"
    else
        git -C "$root" apply "$patch"
        applied=$patch
        if ! run "$root" nice cmake --build "$build" -j2 >"$log" 2>&1; then
            result="does not build"
        elif QT_QPA_PLATFORM=offscreen run "$build" nice ctest -j2 --stop-on-failure --output-on-failure \
            --timeout 300 >>"$log" 2>&1; then
            result=MISSED
        else
            # ctest's progress lines: "12/297 Test #40: Name ......***Failed  0.1 sec".
            first=$(grep -E '^ *[0-9]+/[0-9]+ +Test +#[0-9]+: ' "$log" |
                grep -vE ' Passed |Not Run|Skipped' | head -1 |
                sed -E 's/^.*Test +#[0-9]+: ([^ ]+).*$/\1/' || true)
            result="caught by ${first:-ctest (no test named)}"
            caught=$((caught + 1))
        fi
        take_out
    fi
    echo "   $result ($((SECONDS - began)) s)"
    results+=("$(printf '%-34s %-52s %5s s' "$name" "$result" $((SECONDS - began)))")
done

# The last fault's objects are in BUILD: build the tree as it is again, so BUILD matches it.
run "$root" nice cmake --build "$build" -j2 >"$logs/rebuild.log" 2>&1 ||
    echo "rebuilding $build failed: see $logs/rebuild.log" >&2

echo
printf '%-34s %-52s %7s\n' fault result time
printf '%s\n' "${results[@]}"
echo "score: $caught caught of ${#patches[@]} planted, $((SECONDS - start)) s in all"
