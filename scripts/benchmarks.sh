#!/usr/bin/env bash
# Prints the program's speed and memory figures against their goals:
#   start to first painted window (warm, median of 10)   goal < 150 ms
#   peak resident memory, connected and logging           goal < 40 MB
#   idle CPU share over 60 s, connected, 1 frame/s         goal < 0.3 % of one core
#   frame latency, median and 99th percentile             goal < 2 ms (median)
#   CPU at the full line rate (1920 characters a second)  goal < 3 % of one core
# Usage: scripts/benchmarks.sh [--quick]   (--quick: shorter runs, for a smoke test)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
quick="${1:-}"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" >/dev/null
build="${TIVREL_BUILD_DIR:-$top/build}"
source "$top/scripts/x11-lib.sh"

begin_run
work=$WORK
start_xvfb
start_simulator "$build/tools/tivrel7-sim" "$work/ttyTivrel7" --interval-ms 1000
printf '%s\r\n20\r\n30\r\n345\r\n620\r\n' "$work/ttyTivrel7" >"$work/tivrel7.ini"

# Start-up: ten warm starts (the first one, not counted, warms the caches).
runs=10
[ "$quick" = "--quick" ] && runs=3
cd "$work"
"$build/tests/e2e/tivrel7-startup-time" "$build/app/tivrel7" >/dev/null
times=()
for _ in $(seq 1 "$runs"); do
    times+=("$("$build/tests/e2e/tivrel7-startup-time" "$build/app/tivrel7" | awk '/startup_ms/ {print $2}')")
done
startup=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}')

# Peak memory: connected to the simulator and logging for a while.
stay=20
[ "$quick" = "--quick" ] && stay=6
"$build/tests/e2e/tivrel7-startup-time" "$build/app/tivrel7" "$stay" >"$work/memory.txt" &
memory=$!
wait_for_window 'PH Controller' >/dev/null
sleep 0.5
click_at 20 30 $SWITCH_AT
sleep 1
click_at 20 30 $CHECK_BOX_AT
wait "$memory"
peak_mb=$(awk '/peak_rss_kb/ {printf "%.1f", $2 / 1024}' "$work/memory.txt")
cd "$top"

idle_seconds=60
[ "$quick" = "--quick" ] && idle_seconds=10
idle=$("$top/scripts/measure-idle-cpu.sh" "$build" "$idle_seconds" | sed -E 's/.*: ([0-9.]+)% of one core.*/\1/')

bench_seconds=20
[ "$quick" = "--quick" ] && bench_seconds=5
"$build/bench/tivrel7-bench-reception" --seconds "$bench_seconds" >"$work/bench.txt"

echo
echo "| figure | measured | goal |"
echo "|---|---|---|"
echo "| start to first painted window (median of $runs warm starts) | ${startup} ms | < 150 ms |"
echo "| peak resident memory, connected and logging | ${peak_mb} MB | < 40 MB |"
echo "| idle CPU over ${idle_seconds} s, connected, 1 frame/s | ${idle} % | < 0.3 % |"
median=$(awk '/latency median/ {print $3; exit}' "$work/bench.txt")
p99=$(awk '/latency 99th percentile/ {print $4; exit}' "$work/bench.txt")
full_cpu=$(awk '/CPU, whole process/ {print $4; exit}' "$work/bench.txt")
echo "| frame latency at full rate, median / 99th percentile | ${median} / ${p99} ms | < 2 ms median |"
echo "| CPU at the full line rate, 1920 characters a second | ${full_cpu} % | < 3 % |"
echo
echo "Reception benchmark in full:"
cat "$work/bench.txt"
