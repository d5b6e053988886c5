#!/usr/bin/env bash
# Measures what the idle program costs: the real tivrel7 in a private X server, connected to
# the simulated device (one frame a second, logging off), its CPU time (user + system, from
# /proc/<pid>/stat) over a quiet stretch, as a share of one core.
#   scripts/measure-idle-cpu.sh [BUILD_DIR] [SECONDS]    (defaults: build, 60)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-${TIVREL_BUILD_DIR:-$top/build}}")"
seconds="${2:-60}"
tivrel7="$build/app/tivrel7" sim="$build/tools/tivrel7-sim"
for program in "$tivrel7" "$sim"; do
    [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 2; }
done
source "$top/scripts/x11-lib.sh"

begin_run
work=$WORK
fail() { echo "measure-idle-cpu: $*" >&2; exit 1; }

start_xvfb || fail "Xvfb did not start"
start_simulator "$sim" "$work/ttyTivrel7" --interval-ms 1000 || fail "the simulator made no link"
left=20 top_edge=30
start_program "$tivrel7" "$work" "$work/ttyTivrel7" "$left" "$top_edge" || fail "no window appeared"
app=$APP
click_at "$left" "$top_edge" $SWITCH_AT # connect
xdotool mousemove 600 600               # no hover over the window
sleep 3                                 # connected, frames arriving

# utime and stime are fields 14 and 15; counting starts after the ")" closing the name.
cpu_ticks() { sed 's/.*) //' "/proc/$app/stat" | awk '{ print $12 + $13 }'; }
hz="$(getconf CLK_TCK)"
before="$(cpu_ticks)"
start_ns="$(date +%s%N)"
sleep "$seconds"
after="$(cpu_ticks)"
end_ns="$(date +%s%N)"
kill -0 "$app" 2>/dev/null || fail "the program ended during the measurement"

awk -v ticks="$((after - before))" -v hz="$hz" -v ns="$((end_ns - start_ns))" 'BEGIN {
    elapsed = ns / 1e9
    printf "tivrel7 idle, connected, 1 frame/s: %.3f%% of one core (%.2f s CPU in %.1f s)\n",
        100 * ticks / hz / elapsed, ticks / hz, elapsed
}'
