#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each for SECONDS
# (default 30), starting from its seed corpus and dictionary in tests/fuzz.
# New inputs go to build-fuzz/corpus/<target>, findings to
# build-fuzz/findings/<target>. Prints the executions of every target; exits
# non-zero when a target finds something or does not run.
# QBX_FUZZ_RUNS=N also stops a target after N executions.
#   tools/run-fuzz.sh [SECONDS] [TARGET...]   e.g. tools/run-fuzz.sh 3600 read_bgs
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DQBX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
cmake --build "$build" -j2 >/dev/null || { cmake --build "$build" -j1; exit 1; }

if [ $# -gt 0 ]; then
    targets=("$@")
else
    mapfile -t targets < <(cd "$build/fuzz" && ls fuzz_* | sed 's/^fuzz_//')
fi

# The readers' inputs and the saved files go through real files; a file
# system in memory keeps the syncs of the whole-file replacement cheap.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
printf '%-28s %12s %10s  %s\n' target executions exec/s result
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    log=$build/logs/$target.log
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    dict=()
    [ -f "tests/fuzz/$target.dict" ] && dict=("-dict=tests/fuzz/$target.dict")
    "$build/fuzz/fuzz_$target" "$corpus" "tests/fuzz/corpus/$target" "${dict[@]}" \
        -max_total_time="$seconds" ${QBX_FUZZ_RUNS:+-runs=$QBX_FUZZ_RUNS} -max_len=16384 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    result=ok
    if [ $status -ne 0 ] || [ -z "$runs" ]; then
        result="FINDING (see $log and $findings)"
        failed=1
    fi
    printf '%-28s %12s %10s  %s\n' "$target" "${runs:-0}" "${speed:-0}" "$result"
done
exit $failed
