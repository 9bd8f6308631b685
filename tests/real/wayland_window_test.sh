#!/usr/bin/env bash
# The real executable as a native Wayland client of a headless Weston: its toplevel surface is titled
# "Form1", carries the desktop entry's app id and is drawn; SIGTERM, as a session ending would send, ends
# the program with status 0 within 2 seconds. Exits 77 (skipped) when Weston cannot start here.
# Usage: wayland_window_test.sh PATH/TO/ringcalc
set -euo pipefail
source "$(dirname "$0")/end_status.sh"
program=$1
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
runtime_dir=$(mktemp -d)
chmod 700 "$runtime_dir"
weston_pid= pid=
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null
    [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime_dir"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime_dir
socket=ringcalc-test
weston --backend=headless-backend.so --socket=$socket --idle-time=0 --log="$runtime_dir/weston.log" &
weston_pid=$!
for _ in $(seq 50); do
    [[ -S $runtime_dir/$socket ]] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -S $runtime_dir/$socket ]]; then
    echo "SKIP: headless Weston did not start:"
    tail -n 5 "$runtime_dir/weston.log" 2>/dev/null || true
    exit 77
fi

log=$runtime_dir/protocol.log
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" 2>"$log" &
pid=$!
# The surface is drawn once a buffer is attached to it after the toplevel's set-up.
for _ in $(seq 100); do
    grep -q 'xdg_toplevel@[0-9]*\.set_app_id' "$log" && grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$log" && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended before its window was drawn"; tail -n 20 "$log"; exit 1; }
    sleep 0.1
done
grep -q 'xdg_toplevel@[0-9]*\.set_title("Form1")' "$log" || { echo "FAIL: no toplevel titled Form1"; exit 1; }
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("org.ringcalc.RingCalc")' "$log" || { echo "FAIL: app id"; exit 1; }
grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$log" || { echo "FAIL: the window was never drawn"; exit 1; }

kill -TERM "$pid"
wait_for_end "$pid" 2
[[ -n $status ]] && pid=
[[ -n $status ]] || { echo "FAIL: still running 2 seconds after SIGTERM"; exit 1; }
[[ $status == 0 ]] || { echo "FAIL: exit status $status after SIGTERM"; exit 1; }
echo "PASS: a Wayland toplevel titled Form1 with app id org.ringcalc.RingCalc; SIGTERM ended it with status 0"
