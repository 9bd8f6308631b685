#!/usr/bin/env bash
# Makes docs/window.png: the calculator under Xvfb after "Вывод данных" was pressed with 10, 5 and 60.
# Usage: xvfb-run -a -s "-screen 0 1024x768x24" tools/screenshot.sh build/release/app/ringcalc
set -euo pipefail
program=$1
out=${2:-docs/window.png}
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
type_into() { # x y text: replace the text of the box at x, y
    xdotool mousemove --window "$window" "$1" "$2" click --repeat 3 1 key ctrl+a type "$3"
}
type_into 60 20 10
type_into 190 20 5
type_into 320 20 60
xdotool mousemove --window "$window" 504 36 click 1
sleep 0.5
import -window "$window" "$out"
echo "wrote $out"
