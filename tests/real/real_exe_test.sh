#!/usr/bin/env bash
# The real .exe under Wine, driven from outside as a user would, under a window manager: the three boxes
# typed over, "Вывод данных" clicked and the result line read back through the clipboard, the warning box
# raised by the inner radius and closed with Enter, then "Exit", which ends the program with status 0; a
# second start ends with Alt+F4, with status 0 too.
# Usage: real_exe_test.sh tools/wine-run PATH/TO/ringcalc.exe   (run it under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/end_status.sh"
wine_run=$1
exe=$2
warning='Внимание!!!' # the warning's title
"$wine_run" --check "$exe" || exit 77
openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
pid=
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    kill "$openbox" 2>/dev/null || true
}
trap cleanup EXIT

# Starts the .exe and waits for its window, active: input sent before the window manager has placed the
# window is lost. Sets pid and window.
# Now and then Wine's loader fails to start a process at all ("Application could not be started ...
# ShellExecuteEx failed: Internal error") before any of the program runs: such a start, which ends without a
# window and without the program's status, is tried once more and said so.
start_window() {
    local attempt i
    window=
    for attempt in 1 2; do
        "$wine_run" "$exe" &
        pid=$!
        for ((i = 0; i < 600; i++)); do
            window=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1 || true)
            [[ -z $window ]] && kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        [[ -n $window ]] && break
        kill -0 "$pid" 2>/dev/null && fail "no window titled Form1 in 60 s ($1)"
        wait "$pid" || true
        echo "note: Wine did not start the .exe ($1, attempt $attempt)"
    done
    [[ -n $window ]] || fail "no window titled Form1 ($1)"
    xdotool windowactivate --sync "$window"
    sleep 0.5
}
start_window "first start"

# A box's text replaced: click in it (client pixels at 96 dpi), select its line, type.
type_over() {
    xdotool mousemove --window "$window" "$1" 20 click 1
    xdotool key --clearmodifiers End shift+Home
    xdotool type --delay 50 "$2"
}
type_over 64 10   # Text1, the outer radius
type_over 320 60  # Text3, the angle
type_over 192 5   # Text2, the inner radius: 5 is not above 10, no warning
sleep 0.3
xdotool search --name "^$warning$" >/dev/null && fail "a warning for 5 against 10"
xdotool mousemove --window "$window" 504 36 click 1 # "Вывод данных"
sleep 0.5
# The result line: selected with the mouse's menu key equivalent, Ctrl+A, and copied with Ctrl+C.
xdotool mousemove --window "$window" 12 80 click 1
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.5
line=$(xclip -o -selection clipboard 2>/dev/null || true)
expected="Площадь: кольца=235.5; сектора=39.25; в процентах=16.6666666666667%"
[[ $line == "$expected" ]] || fail "result line '$line'"
echo "ok: the result line reads '$line'"

# 50 is above 10: the warning, a box of its own, closed with Enter.
xdotool mousemove --window "$window" 192 20 click 1
xdotool key --clearmodifiers End
xdotool type "0"
box=$(timeout 10 xdotool search --sync --onlyvisible --name "^$warning$" | head -n 1)
[[ -n $box ]] || fail "no warning for 50 against 10"
xdotool windowactivate --sync "$box" key --clearmodifiers Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$warning$" >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^$warning$" >/dev/null && fail "the warning stayed after Enter"
echo "ok: the warning came for 50 against 10 and went with Enter"

xdotool mousemove --window "$window" 678 36 click 1 # "Exit"
wait_for_end "$pid" 10
[[ -n $status ]] && pid=
[[ -n $status ]] || fail "still running 10 seconds after Exit"
[[ $status == 0 ]] || fail "exit status $status"
echo "ok: Exit ended it with status 0"

start_window "second start"
xdotool key --clearmodifiers alt+F4
wait_for_end "$pid" 10
[[ -n $status ]] && pid=
[[ $status == 0 ]] || fail "after Alt+F4: status '${status:-still running}'"
echo "PASS: typed, computed, read back, warned, ended by Exit and by Alt+F4 with status 0"
