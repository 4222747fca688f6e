#!/usr/bin/env bash
# The Windows window program under wine's own window system on a virtual
# display, against merolan-sim on COM5: start programming, which reads the
# setup; tick the Ombrilex logger; write; finish. Then the Linux merolan-cli
# reads the modem anew: the logger must be on, and the modem must answer,
# handed back to automatic operation. Leaves a picture of the window.
#   check-window.sh MEROLAN_EXE WINE_SHIM LINUX_BUILD PICTURE
# Run under xvfb-run with WINEPREFIX set. The clicks go to where the controls
# lie on a 1024x768 screen with wine's fonts.
set -euo pipefail
exe=$1 shim=$2 linux=$3 picture=$4

fail() {
  echo "check-window: $*" >&2
  exit 1
}

# Wine's desktop process belongs to its server: one started without this
# display (by wineboot, say) would leave every window of the run without a
# window system. A new server starts the desktop here.
wineserver -k 2>/dev/null || true
wineserver -w

coproc SIM { exec "$linux/sim/merolan-sim" --sync-ms 300 --line-rate 9600; }
trap 'kill "$SIM_PID" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
read -r pty <&"${SIM[0]}" || fail "merolan-sim gave no device"
ln -sfn "$pty" "$WINEPREFIX/dosdevices/com5"

LD_PRELOAD=$shim wine "$exe" --port COM5 >/dev/null 2>&1 &
disown
# Wine may make the window anew as it shows it: wait until one stays.
window="" last=""
for _ in $(seq 60); do
  sleep 1
  window=$(xdotool search --onlyvisible --name "^Merolan programmer$" 2>/dev/null | tail -n 1) || window=""
  [ -n "$window" ] && [ "$window" = "$last" ] && break
  last=$window
done
[ -n "$window" ] && [ "$window" = "$last" ] || fail "no window came up"
click() {
  xdotool mousemove "$1" "$2" click 1
  sleep "$3"
}
# With no window manager, the first click on a window that lacks the focus
# only gives it the focus: given first, on the blank beside the port list.
xdotool windowfocus "$window" 2>/dev/null || true
click 600 290 1
click 843 316 12 # Start programming: connects and reads
click 21 102 1   # Merolan is used with a Ombrilex data logger
click 290 326 6  # Write setup to Merolan
import -window root -crop 921x352+4+23 +repage "$picture"
click 850 326 4 # Finish programming

after=$("$linux/src/merolan-cli" --port "$pty" read --json 2>/dev/null) ||
  fail "the modem did not answer after Finish: not handed back?"
grep -q '"Logger": 1' <<<"$after" || fail "the logger setting did not reach the modem"
echo "check-window: read, edit, write and finish reached the modem"
