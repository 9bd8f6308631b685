#!/usr/bin/env bash
# The real executable on a real X server: a window titled "Form1" with a 732 x 94 client area appears,
# whose window class is the one docks match to the desktop entry, and a click on "Exit" ends the program
# with status 0 within 2 seconds.
# Usage: real_window_test.sh PATH/TO/ringcalc [WINDOW_CLASS]   (run it under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/end_status.sh"
program=$1
window_class=${2:-ringcalc}
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
[[ -n $window ]] || { echo "FAIL: no window titled Form1"; exit 1; }
info=$(xwininfo -id "$window")
width=$(awk '/^ *Width:/ {print $2}' <<<"$info")
height=$(awk '/^ *Height:/ {print $2}' <<<"$info")
[[ $width == 732 && $height == 94 ]] || { echo "FAIL: client area ${width}x${height}, not 732x94"; exit 1; }

class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
[[ $class == "$window_class" ]] || { echo "FAIL: window class '$class', not '$window_class'"; exit 1; }

# "Exit" stands at 632, 8 with 93 x 57 pixels; click its middle.
xdotool mousemove --window "$window" 678 36 click 1
wait_for_end "$pid" 2
[[ -n $status ]] || { echo "FAIL: still running 2 seconds after Exit"; exit 1; }
[[ $status == 0 ]] || { echo "FAIL: exit status $status"; exit 1; }
trap - EXIT
echo "PASS: Form1 ${width}x${height}, Exit ended it with status 0"
