#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for SECONDS each, on the checked-in
# seed corpus plus what earlier runs in that build folder found, and prints the
# executions per target. A target that fails leaves its input in
# BUILD/fuzz-work/artifacts and this script exits 1.
#   scripts/run-fuzzers.sh BUILD SECONDS [TARGETS AT ONCE]
set -euo pipefail

build=${1:?usage: run-fuzzers.sh BUILD SECONDS [JOBS]}
seconds=${2:?usage: run-fuzzers.sh BUILD SECONDS [JOBS]}
jobs=${3:-1}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
work="$build/fuzz-work"
mkdir -p "$work/artifacts"

# name:longest input worth trying (a .DAT is 855 bytes; a session script about 1.5 KB)
targets=(dat_file:1024 channel_csv:4096 chirp_csv:4096 link_engine:4096 radio_simulator:4096 port_map:2048)

run_one() {
    local name=${1%%:*} max=${1##*:}
    local binary="$build/fuzz/pl63-fuzz-$name"
    mkdir -p "$work/corpus/$name"
    rm -f "$work/artifacts/$name-"*
    # The found corpus comes first: libFuzzer adds new inputs to the first
    # folder, and the checked-in seeds stay as they are.
    if "$binary" -max_total_time="$seconds" -max_len="$max" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/$name-" \
        "$work/corpus/$name" "$root/fuzz/corpus/$name" >"$work/$name.log" 2>&1; then
        echo ok >"$work/$name.result"
    else
        echo failed >"$work/$name.result"
    fi
}

running=0
for target in "${targets[@]}"; do
    if [ ! -x "$build/fuzz/pl63-fuzz-${target%%:*}" ]; then
        echo "run-fuzzers: $build/fuzz/pl63-fuzz-${target%%:*} is not built" >&2
        exit 1
    fi
    run_one "$target" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait

passed_count=0
failed_count=0
printf '%-16s %12s %10s %8s  %s\n' target executions "per s" corpus result
for target in "${targets[@]}"; do
    name=${target%%:*}
    log="$work/$name.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    corpus=$(find "$work/corpus/$name" -type f | wc -l)
    result=$(cat "$work/$name.result")
    printf '%-16s %12s %10s %8s  %s\n' "$name" "${runs:-?}" "${rate:-?}" "$corpus" "$result"
    if [ "$result" = ok ]; then
        passed_count=$((passed_count + 1))
    else
        failed_count=$((failed_count + 1))
        echo "---- $name: last lines of $log" >&2
        tail -n 40 "$log" >&2
        for artifact in "$work/artifacts/$name-"*; do
            [ -e "$artifact" ] || continue
            echo "failing input: $artifact" >&2
            echo "  keep it as a regression test: cp '$artifact' fuzz/regressions/$name/" >&2
        done
    fi
done
echo "fuzz: $passed_count passed, $failed_count failed"
[ "$failed_count" -eq 0 ]
