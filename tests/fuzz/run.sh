#!/usr/bin/env bash
# Runs the libFuzzer targets of a TS_FUZZ build side by side, each for the given time, niced,
# and prints the executions each reached. Findings (crash-*, leak-*, timeout-*, oom-*) land in
# <work>/<target>/findings; once fixed they belong in tests/fuzz/regressions/<target>/.
#
#   CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DTS_FUZZ=ON
#   cmake --build build-fuzz --target fuzz_design fuzz_reply fuzz_frames
#   tests/fuzz/run.sh build-fuzz 600 [target...]     (targets: design reply frames)
#
# The working corpus is kept in <work>/<target>/corpus (default work: /tmp/ts-fuzz, or
# $TS_FUZZ_WORK) so a later run goes on from it; the committed seeds stay small.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
if [ $# -lt 2 ]; then
    sed -n '2,10p' "$0"
    exit 2
fi
build="$(cd "$1" && pwd)"
seconds="$2"
shift 2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(design reply frames)
work="${TS_FUZZ_WORK:-/tmp/ts-fuzz}"

export QT_QPA_PLATFORM=offscreen
# The design target writes a file for every input; in memory that costs no disk traffic.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/../sanitizer.supp:print_suppressions=0"

declare -A maxlen=([design]=16384 [reply]=4096 [frames]=4096)
pids=()
for target in "${targets[@]}"; do
    binary="$build/tests/fuzz_$target/fuzz_$target"
    if [ ! -x "$binary" ]; then
        echo "missing $binary" >&2
        exit 2
    fi
    mkdir -p "$work/$target/corpus" "$work/$target/findings"
    dict=()
    [ -f "$here/$target.dict" ] && dict=(-dict="$here/$target.dict")
    # One process per target: forking more would compete with everyone else on the machine.
    inputs=("$here/corpus/$target")
    [ -d "$here/regressions/$target" ] && inputs+=("$here/regressions/$target")
    nice -n 10 "$binary" "$work/$target/corpus" "${inputs[@]}" "${dict[@]}" \
        -max_total_time="$seconds" -max_len="${maxlen[$target]:-65536}" -timeout=20 \
        -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target/findings/" >"$work/$target/log" 2>&1 &
    pids+=($!)
    echo "fuzz_$target: pid $! log $work/$target/log"
done

status=0
for i in "${!targets[@]}"; do
    wait "${pids[$i]}" || status=1
done
for target in "${targets[@]}"; do
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target/log" | grep -o '[0-9]*$' | tail -1)
    speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$work/$target/log" | grep -o '[0-9]*$' | tail -1)
    findings=$(find "$work/$target/findings" -type f | wc -l)
    echo "fuzz_$target: ${runs:-?} executions, ${speed:-?} exec/s, $findings findings"
done
exit $status
