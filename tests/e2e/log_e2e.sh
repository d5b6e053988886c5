#!/usr/bin/env bash
# The real program in a real X server, connected to the simulated device: a click on the check
# box starts a CSV log, which holds the header and a first row within a few frames, and closing
# the window gives the file its end name. The C locale's date format ("%m/%d/%y") has slashes,
# which the file name must not.
set -euo pipefail
tivrel7="$(realpath "$1")" sim="$(realpath "$2")" close_window="$(realpath "$3")"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/x11-lib.sh"
export LC_ALL=C

begin_run
work=$WORK
fail() {
    echo "FAIL: $*" >&2
    ls -la "$work" >&2 || true
    exit 1
}

start_xvfb || fail "Xvfb did not start"
start_simulator "$sim" "$work/ttyTivrel7" --interval-ms 300 --seed 11 || fail "the simulator made no link"
left=20 top=30
start_program "$tivrel7" "$work" "$work/ttyTivrel7" "$left" "$top" || fail "no window appeared"

click_at "$left" "$top" $SWITCH_AT
sleep 1
click_at "$left" "$top" $CHECK_BOX_AT

date_part='[0-9][0-9]-[0-9][0-9]-[0-9][0-9]'
start_pattern="^$date_part \{[0-9]{6}\}\.csv$"
end_pattern="^$date_part \{[0-9]{6}\}    $date_part \{[0-9]{6}\}\.csv$"
row_pattern='^[0-9]{2}:[0-9]{2}:[0-9]{2};[0-9],[0-9]{2};[0-9],[0-9]{2};[0-9],[0-9]{2};[^;]*;[^;]*;[^;]*;(on|off|);(on|off|)'$'\r''$'
header=$'Time;PH;PHmin;PHmax;PPM;KH;Alarm;OUT O2;OUT CO2\r'

log_file() { ls "$work" | grep -E "$1" | head -n 1; }
wait_until 15 bash -c "ls '$work' | grep -qE '$start_pattern'" || fail "no log file was started"
started="$(log_file "$start_pattern")"
wait_until 5 bash -c "[ \$(wc -l <'$work/$started') -ge 2 ]" || fail "the log holds no row"
[ "$(head -n 1 "$work/$started")" = "$header" ] || fail "header: $(head -n 1 "$work/$started" | od -c)"
sed -n 2p "$work/$started" | grep -qE "$row_pattern" || fail "first row: $(sed -n 2p "$work/$started" | od -c)"
content="$(cat "$work/$started")"

close_program "$close_window" || fail "the program did not end cleanly after its window was closed"

[ -e "$work/$started" ] && fail "the log kept its start name"
finished="$(log_file "$end_pattern")"
[ -n "$finished" ] || fail "no log file has an end name"
[ "${finished%%    *}" = "${started%.csv}" ] || fail "end name $finished does not continue $started"
[ "$(head -c ${#content} "$work/$finished")" = "$content" ] || fail "rows were lost in the rename"
echo "e2e: log '$started' written and renamed to '$finished' ($(wc -l <"$work/$finished") lines)"
