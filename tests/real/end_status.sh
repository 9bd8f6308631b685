# Sourced by the tests that run the real program. wait_for_end PID SECONDS: waits up to SECONDS for PID, a
# child of the caller, to end; sets status to its exit status, or to nothing when it is still running.
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
