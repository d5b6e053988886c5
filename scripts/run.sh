#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in demo/.
#   scripts/run.sh               against the simulated device (tivrel7-sim on a pseudo-terminal)
#   scripts/run.sh /dev/ttyUSB0  against a real device on that port
# With a display the window opens there and the user clicks the switch. Without one the program
# runs in a private X server: the script clicks the switch itself, saves a screenshot of the
# connected window as demo/tivrel7-connected.png and closes the program.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
device="${1:-}"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
build="${TIVREL_BUILD_DIR:-$top/build}"
source "$top/scripts/x11-lib.sh"

demo="$top/demo"
mkdir -p "$demo"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "$device" ]; then
    device="$demo/ttyTivrel7"
    "$build/tools/tivrel7-sim" --link "$device" >"$demo/tivrel7-sim.log" 2>&1 &
    pids+=($!)
    wait_until 10 test -e "$device" || { echo "the simulator did not start" >&2; exit 1; }
    echo "Simulated Tivrel-7 at $device"
fi
left=100 top_edge=60
printf '%s\r\n%s\r\n%s\r\n345\r\n620\r\n' "$device" "$left" "$top_edge" >"$demo/tivrel7.ini"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Starting tivrel7 in $demo; click the switch to connect."
    (cd "$demo" && exec "$build/app/tivrel7")
    exit 0
fi

start_xvfb || { echo "Xvfb did not start" >&2; exit 1; }
echo "No display: running in a private X server ($DISPLAY)."
(cd "$demo" && exec "$build/app/tivrel7") >"$demo/tivrel7.log" 2>&1 &
app=$!
pids+=($app)
[ -n "$(wait_for_window 'PH Controller')" ] || { echo "no window appeared" >&2; exit 1; }
sleep 0.5
xdotool mousemove $((left + 49)) $((top_edge + 78)) click 1
sleep 3 # a frame or two arrive
import -window root -crop "345x620+$left+$top_edge" +repage "$demo/tivrel7-connected.png"
echo "Screenshot of the connected window: $demo/tivrel7-connected.png"
"$build/tests/e2e/tivrel7-close-window" "PH Controller" || true
wait_until 10 bash -c "! kill -0 $app 2>/dev/null" || true
echo "Program closed; its files are in $demo (tivrel7.ini, CSV logs)."
