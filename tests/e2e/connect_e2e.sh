#!/usr/bin/env bash
# The real program in a real X server: a click on the switch connects it to the simulated
# device, the grey cover leaves the reading area, and closing the window rewrites tivrel7.ini.
set -euo pipefail
tivrel7=$1 sim=$2 close_window=$3
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/x11-lib.sh"

begin_run
work=$WORK
fail() { echo "FAIL: $*" >&2; exit 1; }

start_xvfb || fail "Xvfb did not start"
start_simulator "$sim" "$work/ttyTivrel7" --interval-ms 300 --seed 7 || fail "the simulator made no link"
left=20 top=30
start_program "$tivrel7" "$work" "$work/ttyTivrel7" "$left" "$top" || fail "no window appeared"

import -window root "$work/before.png"
# A point of the reading area that no reading or caption covers.
x=$((left + 180)) y=$((top + 243))
before="$(pixel_at "$work/before.png" "$x" "$y")"
[ "$before" = "128,128,128" ] || fail "reading area before connecting is $before, not grey"

click_at "$left" "$top" $SWITCH_AT
wait_until 10 bash -c "import -window root '$work/after.png' && [ \"\$(source '$here/../../scripts/x11-lib.sh'; pixel_at '$work/after.png' $x $y)\" = '240,251,255' ]" \
    || fail "reading area after connecting is $(pixel_at "$work/after.png" "$x" "$y")"

close_program "$close_window" || fail "the program did not end cleanly after its window was closed"

lines=$(tr -cd '\n' <"$work/tivrel7.ini" | wc -c)
[ "$lines" -eq 5 ] || fail "tivrel7.ini has $lines lines"
expected="$(printf '%s\r\n%s\r\n%s\r\n' "$work/ttyTivrel7" "$left" "$top")"
[ "$(head -n 3 "$work/tivrel7.ini")" = "$expected" ] || fail "tivrel7.ini: $(od -c "$work/tivrel7.ini" | head)"
echo "e2e: connected, reading area $before -> 240,251,255, tivrel7.ini rewritten with 5 lines"
