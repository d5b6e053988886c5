# Shell helpers for runs in a private X server (sourced by the demo and the end-to-end tests).

# Starts Xvfb on a free display with a 1024 x 768 screen; sets DISPLAY and XVFB_PID.
start_xvfb() {
    local fdfile
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        XDG_RUNTIME_DIR="$(mktemp -d)"
        chmod 700 "$XDG_RUNTIME_DIR"
        export XDG_RUNTIME_DIR
    fi
    fdfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    DISPLAY=":$(tr -d '\n' <"$fdfile")"
    rm -f "$fdfile"
    export DISPLAY XVFB_PID
    [ "$DISPLAY" != ":" ]
}

# Waits until a window whose name contains $1 is mapped; prints its id.
wait_for_window() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# Prints "r,g,b" of the pixel at x,y of a picture.
pixel_at() {
    convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

# Waits until a command's output is non-empty or a file exists (poll helper): wait_until SECONDS CMD...
wait_until() {
    local seconds=$1
    shift
    for _ in $(seq 1 $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# A run of the real program: a work folder, the processes started for it, and a cleanup on exit
# that stops them and the X server and removes the folder. Sets WORK and PIDS.
begin_run() {
    WORK="$(mktemp -d)"
    PIDS=()
    trap end_run EXIT
}
end_run() {
    local pid
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}

# Starts the simulated device with its link at $2 (further arguments go to it) and waits for
# the link: start_simulator SIM LINK [ARGS...]
start_simulator() {
    local sim=$1 link=$2
    shift 2
    "$sim" --link "$link" "$@" >"$WORK/sim.log" 2>&1 &
    PIDS+=($!)
    wait_until 10 test -e "$link"
}

# Writes a tivrel7.ini naming the port and the window's left and top edge into FOLDER, starts
# the program there and waits for its window: start_program TIVREL7 FOLDER PORT LEFT TOP.
# Sets APP to its process id.
start_program() {
    local program=$1 folder=$2 port=$3 left=$4 top=$5
    printf '%s\r\n%s\r\n%s\r\n345\r\n620\r\n' "$port" "$left" "$top" >"$folder/tivrel7.ini"
    (cd "$folder" && exec "$program") >"$WORK/tivrel7.log" 2>&1 &
    APP=$!
    PIDS+=($APP)
    [ -n "$(wait_for_window 'PH Controller')" ] || return 1
    sleep 0.5
}

# Clicks a point of the window whose top left corner is at LEFT, TOP: click_at LEFT TOP X Y.
click_at() { xdotool mousemove $(($1 + $3)) $(($2 + $4)) click 1; }
# The connection switch and the logging check box, in window coordinates.
SWITCH_AT="49 78"
CHECK_BOX_AT="256 186"

# Asks the program's window to close and waits until the program has ended with status 0:
# close_program CLOSE_WINDOW_TOOL
close_program() {
    "$1" "PH Controller" || return 1
    for _ in $(seq 1 100); do kill -0 "$APP" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP" 2>/dev/null && return 1
    wait "$APP"
}
