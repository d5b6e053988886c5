#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root (dpkg -x) and runs the installed program
# from there under Xvfb: its window appears, and closing it writes tivrel7.ini.
set -euo pipefail
build=$1 close_window=$2
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/x11-lib.sh"

work="$(mktemp -d)"
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/out/*.deb | head -n 1)"
[ -f "$deb" ] || fail "no .deb was made"
[ "$(dpkg-deb --field "$deb" Package)" = "tivrel7" ] || fail "wrong package name"
depends="$(dpkg-deb --field "$deb" Depends)"
case "$depends" in *libqt6serialport6*) ;; *) fail "Depends lacks QtSerialPort: $depends" ;; esac

root="$work/root"
dpkg -x "$deb" "$root"
for file in usr/bin/tivrel7 usr/bin/tivrel7-sim usr/share/applications/tivrel7.desktop \
            usr/share/icons/hicolor/32x32/apps/tivrel7.png \
            usr/share/doc/tivrel7/examples/99-tivrel7.rules; do
    [ -e "$root/$file" ] || fail "the package lacks /$file"
done
grep -q '^Exec=tivrel7$' "$root/usr/share/applications/tivrel7.desktop" || fail "desktop entry Exec"
grep -q '^Icon=tivrel7$' "$root/usr/share/applications/tivrel7.desktop" || fail "desktop entry Icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/tivrel7.desktop" || fail "desktop entry invalid"
fi
[ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/32x32/apps/tivrel7.png")" = "32x32" ] \
    || fail "icon size"

start_xvfb || fail "Xvfb did not start"
mkdir "$work/run"
(cd "$work/run" && exec "$root/usr/bin/tivrel7") >"$work/run.log" 2>&1 &
app=$!
[ -n "$(wait_for_window 'PH Controller')" ] || { cat "$work/run.log"; fail "the installed program showed no window"; }
"$close_window" "PH Controller" || fail "could not ask the window to close"
for _ in $(seq 1 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the installed program did not end"
wait "$app" || fail "the installed program ended with an error"
app=""
[ "$(tr -cd '\n' <"$work/run/tivrel7.ini" | wc -c)" -eq 5 ] || fail "tivrel7.ini not written"
case "$("$root/usr/bin/tivrel7-sim" --help)" in *--link*) ;; *) fail "the installed simulator" ;; esac
echo "package: $(basename "$deb") installs tivrel7, tivrel7-sim, the desktop entry, icon and udev example; the installed program runs"
