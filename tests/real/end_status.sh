# Sourced by the tests that run the real program.
#   test_frame: sets work to a new folder and pid to none; when the script exits, pid is killed and the
#     folder removed.
#   fail MESSAGE: says what failed and exits 1.
#   wait_for_end PID SECONDS: waits up to SECONDS for PID, a child of the caller, to end; sets status to its
#     exit status, or to nothing when it is still running.
test_frame() {
    work=$(mktemp -d)
    pid=
    trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
}

fail() { echo "FAIL: $*"; exit 1; }

wait_for_end() {
    local pid=$1 tenths=$(($2 * 10)) i
    status=
    for ((i = 0; i < tenths; i++)); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" && status=0 || status=$?
            return 0
        fi
        sleep 0.1
    done
}
