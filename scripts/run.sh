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
begin_run # the run's own work folder holds the simulator's and the program's output

if [ -z "$device" ]; then
    device="$demo/ttyTivrel7"
    start_simulator "$build/tools/tivrel7-sim" "$device" || { echo "the simulator did not start" >&2; exit 1; }
    echo "Simulated Tivrel-7 at $device"
fi
left=100 top_edge=60

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    printf '%s\r\n%s\r\n%s\r\n345\r\n620\r\n' "$device" "$left" "$top_edge" >"$demo/tivrel7.ini"
    echo "Starting tivrel7 in $demo; click the switch to connect."
    (cd "$demo" && exec "$build/app/tivrel7")
    exit 0
fi

start_xvfb || { echo "Xvfb did not start" >&2; exit 1; }
echo "No display: running in a private X server ($DISPLAY)."
start_program "$build/app/tivrel7" "$demo" "$device" "$left" "$top_edge" \
    || { echo "no window appeared" >&2; exit 1; }
click_at "$left" "$top_edge" $SWITCH_AT
sleep 3 # a frame or two arrive
import -window root -crop "345x620+$left+$top_edge" +repage "$demo/tivrel7-connected.png"
echo "Screenshot of the connected window: $demo/tivrel7-connected.png"
close_program "$build/tests/e2e/tivrel7-close-window" || true
echo "Program closed; its files are in $demo (tivrel7.ini, CSV logs)."
