#!/usr/bin/env bash
# Usage: scripts/fuzz.sh SECONDS [TARGET...]
# Runs each fuzz target of tests/fuzz (all, or those named: JetText Values AccessStream Settings
# MiscCache GridTexts AccessSql) for SECONDS under libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, built with clang into build-fuzz/ (or $FUZZ_BUILD_DIR). Each starts
# from its committed corpus and gathers new inputs in a scratch folder, so the corpus does not
# grow; targets run side by side, one per core. An input that crashes, breaks a property, leaks
# or takes over 5 s is kept as tests/fuzz/corpus/TARGET/crash-SHA, where every test run replays it.
# Exits 1 when anything was found; the report also goes to build-fuzz/fuzz-report.txt.
set -euo pipefail
if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    sed -n 2,9p "$0" >&2
    exit 2
fi
seconds=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
corpus=$root/tests/fuzz/corpus
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(JetText Values AccessStream Settings MiscCache GridTexts AccessSql)
fi

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVPA_FUZZ=ON \
      -DVPA_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan-qt.supp:print_suppressions=0
report=$build/fuzz-report.txt

# Fuzzes one target and writes its report line to $build/fuzz-TARGET.line; prints its log when
# it found anything.
fuzz_one() {
    local target=$1 work=$build/fuzz-work/$1 artifacts=$build/fuzz-artifacts/$1
    local log=$build/fuzz-$1.log findings=() input kept executions coverage cov ft
    rm -rf "$work" "$artifacts"
    mkdir -p "$work" "$artifacts"
    "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "$corpus/$target" \
        >"$log" 2>&1 || true
    for input in "$artifacts"/*; do
        [ -f "$input" ] || continue
        kept=$corpus/$target/crash-$(sha1sum "$input" | cut -c1-16)
        cp "$input" "$kept"
        findings+=("$(basename "$input" | cut -d- -f1) -> ${kept#"$root"/}")
    done
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
    read -r _ cov _ ft <<<"${coverage:-cov: - ft: -}"
    printf '%-13s %7s %12s %7s %7s  %s\n' "$target" "$seconds" "${executions:--}" "$cov" "$ft" \
        "${findings[*]:-none}" >"$build/fuzz-$target.line"
    [ ${#findings[@]} -eq 0 ] || tail -n 40 "$log"
}

# One target per core at a time: each fuzzer is a single process.
rm -f "$build"/fuzz-*.line
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n; done
    echo "== $target: $seconds s"
    fuzz_one "$target" &
done
wait

printf '%-13s %7s %12s %7s %7s  %s\n' target seconds executions cov ft findings >"$report"
found=0
for target in "${targets[@]}"; do
    cat "$build/fuzz-$target.line" >>"$report"
    grep -q ' none$' "$build/fuzz-$target.line" || found=1
done
echo
cat "$report"
exit $found
