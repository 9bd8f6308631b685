#!/usr/bin/env bash
# The real executable where starting or ending goes off the usual road: without a window platform it says
# why in one line and ends with status 1; a window that cannot be built is told the same way; a SIGHUP
# ignored at start (nohup) stays ignored; the signal handlers are in place before the display is reached;
# README's line for a machine without a display leaves no process behind.
# Usage: start_test.sh PATH/TO/ringcalc PATH/TO/bad_start   (run it under xvfb-run and dbus-run-session)
set -euo pipefail
program=$1
bad_start=$2
here=$(dirname "$(realpath "$0")")
source "$here/end_status.sh"
test_frame
# Qt warns on standard error where the runtime folder is missing; give it one so only our line is there.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Waits up to 2 seconds for $pid to end and checks its status.
expect_end() {
    local expected=$1 what=$2
    wait_for_end "$pid" 2
    [[ -n $status ]] && pid=
    [[ -n $status ]] || fail "$what: still running 2 seconds later"
    [[ $status == "$expected" ]] || fail "$what: status $status, not $expected"
}

# One line on standard error, status 1: what, the words the line must hold, then env's arguments.
expect_one_line() {
    local what=$1 words=$2 status=0
    shift 2
    env "$@" >/dev/null 2>"$work/stderr" || status=$?
    [[ $status == 1 ]] || fail "$what: status $status, not 1: $(cat "$work/stderr")"
    [[ $(wc -l <"$work/stderr") == 1 ]] || fail "$what: not one line: $(cat "$work/stderr")"
    grep -q -F -- "$words" "$work/stderr" || fail "$what: $(cat "$work/stderr")"
    echo "ok: $what: $(cat "$work/stderr")"
}
expect_one_line "no display" "set DISPLAY (X11) or WAYLAND_DISPLAY" \
    -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
expect_one_line "a display that is not there" "the display DISPLAY=:999 cannot be reached" \
    -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:999 "$program"
expect_one_line "a platform that does not exist" 'no window platform "nonsense" (QT_QPA_PLATFORM)' \
    QT_QPA_PLATFORM=nonsense "$program"
expect_one_line "a binding to a missing control" "bad_start: cannot build its window: Missing: " \
    QT_QPA_PLATFORM=offscreen "$bad_start"

window_of() { timeout 10 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1; }

# Started under nohup, SIGHUP does nothing; SIGTERM still ends it with status 0.
(trap '' HUP && exec "$program") &
pid=$!
[[ -n $(window_of) ]] || fail "nohup: no window"
kill -HUP "$pid"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "SIGHUP ended a program that was started with SIGHUP ignored"
kill -TERM "$pid"
expect_end 0 "SIGTERM under nohup"
echo "ok: an ignored SIGHUP stays ignored"

# The handler for SIGTERM is installed before the program connects to the X server, so a session that
# ends while the window is being built ends it with status 0.
# (LeakSanitizer cannot work under ptrace: a sanitizer build checks for leaks in the other runs.)
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" strace -f -qq -o "$work/trace" -e trace=rt_sigaction,connect "$program" &
pid=$!
[[ -n $(window_of) ]] || fail "strace: no window"
pkill -TERM -P "$pid"
expect_end 0 "SIGTERM under strace"
handler=$(grep -n -m 1 'rt_sigaction(SIGTERM, {sa_handler=0x' "$work/trace" | cut -d: -f1)
display=$(grep -n -m 1 'connect(.*X11-unix' "$work/trace" | cut -d: -f1)
[[ -n $handler && -n $display ]] || fail "strace saw no handler ($handler) or no connection ($display)"
((handler < display)) || fail "the SIGTERM handler (trace line $handler) comes after the X connection ($display)"
echo "ok: the SIGTERM handler is in place before the display is reached"

# README's line for a machine without a display, with "Exit" clicked: nothing it started is left running.
marker=ringcalc-start-test-$$
env -u DBUS_SESSION_BUS_ADDRESS RINGCALC_START_TEST=$marker QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- "$here/real_window_test.sh" "$program" >/dev/null
sleep 0.5
left=$(grep -l -s -a "RINGCALC_START_TEST=$marker" /proc/[0-9]*/environ | grep -v "/proc/$$/" || true)
[[ -z $left ]] || fail "left running: $(for f in $left; do tr '\0' ' ' <"${f%environ}cmdline"; echo; done)"
echo "ok: README's line without a display leaves nothing running"
echo "PASS: start without a platform, a bad window, nohup, early signals, no process left behind"
