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

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "measure-idle-cpu: $*" >&2; exit 1; }

start_xvfb || fail "Xvfb did not start"
"$sim" --link "$work/ttyTivrel7" --interval-ms 1000 >"$work/sim.log" 2>&1 &
pids+=($!)
wait_until 10 test -e "$work/ttyTivrel7" || fail "the simulator made no link"

left=20 top_edge=30
printf '%s\r\n%s\r\n%s\r\n345\r\n620\r\n' "$work/ttyTivrel7" "$left" "$top_edge" >"$work/tivrel7.ini"
(cd "$work" && exec "$tivrel7") >"$work/tivrel7.log" 2>&1 &
app=$!
pids+=($app)
[ -n "$(wait_for_window 'PH Controller')" ] || fail "no window appeared"
sleep 0.5
xdotool mousemove $((left + 49)) $((top_edge + 78)) click 1 # the switch: connect
xdotool mousemove 600 600                                   # no hover over the window
sleep 3                                                     # connected, frames arriving

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
