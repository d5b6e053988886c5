#!/usr/bin/env bash
# The real program in a real X server: a click on the switch connects it to the simulated
# device, the grey cover leaves the reading area, and closing the window rewrites tivrel7.ini.
set -euo pipefail
tivrel7=$1 sim=$2 close_window=$3
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/x11-lib.sh"

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start_xvfb || fail "Xvfb did not start"
"$sim" --link "$work/ttyTivrel7" --interval-ms 300 --seed 7 >"$work/sim.log" 2>&1 &
pids+=($!)
wait_until 10 test -e "$work/ttyTivrel7" || fail "the simulator made no link"

left=20 top=30
printf '%s\r\n%s\r\n%s\r\n345\r\n620\r\n' "$work/ttyTivrel7" "$left" "$top" >"$work/tivrel7.ini"
(cd "$work" && exec "$tivrel7") >"$work/tivrel7.log" 2>&1 &
app=$!
pids+=($app)
[ -n "$(wait_for_window 'PH Controller')" ] || fail "no window appeared"
sleep 0.5

import -window root "$work/before.png"
# A point of the reading area that no reading or caption covers.
x=$((left + 180)) y=$((top + 243))
before="$(pixel_at "$work/before.png" "$x" "$y")"
[ "$before" = "128,128,128" ] || fail "reading area before connecting is $before, not grey"

xdotool mousemove $((left + 49)) $((top + 78)) click 1
wait_until 10 bash -c "import -window root '$work/after.png' && [ \"\$(source '$here/../../scripts/x11-lib.sh'; pixel_at '$work/after.png' $x $y)\" = '240,251,255' ]" \
    || fail "reading area after connecting is $(pixel_at "$work/after.png" "$x" "$y")"

"$close_window" "PH Controller" || fail "the window could not be asked to close"
for _ in $(seq 1 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end after its window was closed"
wait "$app" || fail "the program ended with status $?"

lines=$(tr -cd '\n' <"$work/tivrel7.ini" | wc -c)
[ "$lines" -eq 5 ] || fail "tivrel7.ini has $lines lines"
expected="$(printf '%s\r\n%s\r\n%s\r\n' "$work/ttyTivrel7" "$left" "$top")"
[ "$(head -n 3 "$work/tivrel7.ini")" = "$expected" ] || fail "tivrel7.ini: $(od -c "$work/tivrel7.ini" | head)"
echo "e2e: connected, reading area $before -> 240,251,255, tivrel7.ini rewritten with 5 lines"
