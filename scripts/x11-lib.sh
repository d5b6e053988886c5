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
