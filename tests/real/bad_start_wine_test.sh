#!/usr/bin/env bash
# A program whose window cannot be built, under Wine: with standard error its one line goes there; without
# (started from Explorer or the Start menu) the same line comes up in a box titled with its name, closed
# with Enter. The status is 1 both ways.
# Usage: bad_start_wine_test.sh tools/wine-run PATH/TO/bad_start.exe   (run it under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/end_status.sh"
wine_run=$(realpath "$1")
exe=$(realpath "$2")
"$wine_run" --check "$exe" || exit 77
test_frame
openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; /usr/lib/wine/wineserver -k 2>/dev/null || true; kill "$openbox" 2>/dev/null || true; rm -rf "$work"' EXIT

status=0
"$wine_run" "$exe" >/dev/null 2>"$work/stderr.crlf" || status=$?
tr -d '\r' <"$work/stderr.crlf" >"$work/stderr" # a line of Windows' text mode ends with CR LF
[[ $status == 1 ]] || fail "with standard error: status $status, not 1: $(cat "$work/stderr")"
[[ $(cat "$work/stderr") == "bad_start: cannot build its window: Missing: недопустимый аргумент" ]] ||
    fail "with standard error: $(cat "$work/stderr")"
echo "ok: with standard error: $(cat "$work/stderr")"

# Started as Explorer starts a program: through the shell, with no standard handles.
(cd "$(dirname "$exe")" && exec "$wine_run" start /wait /unix "$exe") &
pid=$!
box=$(timeout 60 xdotool search --sync --onlyvisible --name '^bad_start$' | head -n 1) ||
    fail "without standard error: no box titled bad_start"
xdotool windowactivate --sync "$box"
sleep 0.3
xdotool key Return
wait_for_end "$pid" 10
[[ -n $status ]] && pid=
[[ ${status:-} == 1 ]] || fail "without standard error: status ${status:-none}, not 1 after the box closed"
echo "ok: without standard error: a box titled bad_start, status 1"
