#!/usr/bin/env bash
# The viewer side by side with the floor program (bench/floor): start-up to
# the first frame, arrow key to swapped frame, peak resident memory; then the
# Google Benchmark programs. Runs alternate, viewer then floor, each on its
# own Xvfb display, and the table gives medians and viewer/floor ratios.
#
#   bench/compare.sh [-n RUNS] [-k KEYS] [-b BUILD_DIR] [-o OUT_DIR]
#     RUNS      runs of each program (default 10)
#     KEYS      arrow keys timed per run and picture (default 20)
#     BUILD_DIR build folder, configured and built here (default build-bench)
#     OUT_DIR   raw figures of every run (default BUILD_DIR/compare)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
runs=10 keys=20 build=$root/build-bench out=
while getopts "n:k:b:o:h" option; do
    case $option in
        n) runs=$OPTARG ;;
        k) keys=$OPTARG ;;
        b) build=$(realpath -m "$OPTARG") ;;
        o) out=$(realpath -m "$OPTARG") ;;
        *) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
    esac
done
out=${out:-$build/compare}
case $runs$keys in *[!0-9]*) echo "compare: RUNS and KEYS are whole numbers" >&2; exit 2 ;; esac
[ "$runs" -ge 1 ] && [ "$keys" -ge 1 ] || { echo "compare: RUNS and KEYS must be at least 1" >&2; exit 2; }

for tool in Xvfb xdotool import cmake; do
    command -v "$tool" >/dev/null || { echo "compare: $tool is missing (scripts/setup installs it)" >&2; exit 2; }
done

echo "== building in $build"
mkdir -p "$build"
cmake -S "$root" -B "$build" -DMORVAT_BUILD_QT=ON -DMORVAT_BUILD_BENCH=ON >"$build/compare-configure.log" 2>&1 ||
    { cat "$build/compare-configure.log" >&2; exit 1; }
targets=(morvat floor_window swap_probe stamp_exec key_latency geometry_bench)
if cmake --build "$build" --target help | grep '^\.\.\. render_bench$' >/dev/null; then
    targets+=(render_bench)
fi
cmake --build "$build" --target "${targets[@]}" -j2 >"$build/compare-build.log" 2>&1 ||
    { tail -40 "$build/compare-build.log" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out"
# Runs a command on a fresh Xvfb. The server picks a free display number
# itself (-displayfd), so runs of other people on this machine cannot take it.
# -noreset: a desktop always has other clients, so its server never resets
# when a program's last connection closes; a bare Xvfb would, and a program
# that connects twice in a row would then pay for (or trip over) the reset.
on_own_display() {
    local number_file server display
    number_file=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
    server=$!
    for _ in $(seq 100); do
        [ -s "$number_file" ] && break
        sleep 0.05
    done
    display=$(head -n 1 "$number_file")
    rm -f "$number_file"
    if [ -z "$display" ]; then
        kill "$server" 2>/dev/null || true
        echo "compare: Xvfb did not start" >&2
        return 1
    fi
    local status=0
    DISPLAY=:$display "$@" || status=$?
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    return $status
}

for run in $(seq "$runs"); do
    for kind in morvat floor; do
        printf '\r== run %d of %d: %-6s' "$run" "$runs" "$kind"
        if ! on_own_display "$root/bench/probe/run_once.sh" "$kind" "$build" \
            "$out/$kind.$run" "$keys" >"$out/$kind.$run.log" 2>&1; then
            echo
            echo "compare: run $run of $kind failed:" >&2
            cat "$out/$kind.$run.log" >&2
            exit 1
        fi
    done
done
echo

median() {  # the median of the numbers in the given files, one per line
    cat "$@" | sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "nan"; exit }
        if (NR % 2) print v[(NR + 1) / 2]; else printf "%.4f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
row() {  # name unit viewer floor goal
    awk -v name="$1" -v unit="$2" -v a="$3" -v b="$4" -v goal="$5" 'BEGIN {
        ratio = a / b
        met = goal == "-" ? "" : (ratio <= goal ? "yes" : "no")
        printf "| %-34s | %10.2f %-2s | %10.2f %-2s | %6.2f | %5s | %-3s |\n", name, a, unit, b, unit, ratio, goal, met }'
}

startup_a=$(median "$out"/morvat.*/startup_ms)
startup_b=$(median "$out"/floor.*/startup_ms)
keys_a=$(median "$out"/morvat.*/keys_ms)
keys_start_a=$(median "$out"/morvat.*/keys_start_ms)
keys_b=$(median "$out"/floor.*/keys_ms)
hwm_a=$(median "$out"/morvat.*/hwm_kb)
hwm_b=$(median "$out"/floor.*/hwm_kb)

{
    echo "morvat against the floor program: medians of $runs runs each ($keys keys a run and picture)"
    echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(uname -m), Xvfb with Mesa's software GL"
    echo
    echo "| measurement                        |     morvat    |     floor     |  ratio |  goal | met |"
    echo "|------------------------------------|---------------|---------------|--------|-------|-----|"
    row "start-up to first frame" ms "$startup_a" "$startup_b" 1.10
    row "key to frame, all 23 tiles" ms "$keys_a" "$keys_b" 1.25
    row "key to frame, start picture" ms "$keys_start_a" "$keys_b" -
    row "peak resident memory (VmHWM)" MB "$(awk -v k="$hwm_a" 'BEGIN { print k / 1024 }')" \
        "$(awk -v k="$hwm_b" 'BEGIN { print k / 1024 }')" 1.10
} | tee "$out/summary.md"

echo
echo "== Google Benchmark medians of 10 repetitions"
for bench in geometry_bench render_bench; do
    [ -x "$build/bench/$bench" ] || continue
    "$build/bench/$bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
        2>/dev/null | grep -E '_median|^Benchmark|^---' | tee -a "$out/benchmarks.txt"
done
