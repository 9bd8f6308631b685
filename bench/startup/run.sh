#!/usr/bin/env bash
# Start-up benchmark: starts ringcalc and its two peers, a bare Qt window with the same nine controls and
# xcalc (the classic X11 calculator), in turn on one Xvfb, RUNS times each. For each run it measures the
# time from exec to the first map of the program's top-level window, and its resident and private dirty
# memory SETTLE_MS later. Prints every run, then medians and ratios. It runs under a session bus of its own,
# so that no D-Bus autolaunch is timed.
# Usage: bench/startup/run.sh [BUILD_DIR]   (build/release by default; RUNS=15, SETTLE_MS=300; BEFORE=PATH adds
# another ringcalc executable, such as one built from an earlier commit, to compare a change)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
if [[ -z ${RINGCALC_BENCH_BUS:-} ]]; then
    command -v dbus-run-session >/dev/null || { echo "dbus-run-session is missing: apt-get install dbus"; exit 1; }
    RINGCALC_BENCH_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
build=$(realpath "${1:-$here/../../build/release}")
ringcalc=$build/app/ringcalc
bare=$build/bench/bare_window
first_map=$build/bench/first_map
runs=${RUNS:-15}
settle=${SETTLE_MS:-300}
xcalc=$(command -v xcalc) || { echo "xcalc is missing: apt-get install x11-apps"; exit 1; }

# A server of our own, with no window manager, so that a top-level map is seen on the root window.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r display <"$fifo"
export DISPLAY=:$display
export QT_QPA_PLATFORM=xcb

names=(ringcalc bare xcalc)
programs=("$ringcalc" "$bare" "$xcalc")
if [[ -n ${BEFORE:-} ]]; then
    names+=(before)
    programs+=("$(realpath "$BEFORE")")
fi
# One unmeasured start of each warms the page cache and fontconfig's cache.
for program in "${programs[@]}"; do
    "$first_map" 50 "$program" >/dev/null 2>&1
done

declare -A ms kb dirty
for ((i = 1; i <= runs; i++)); do
    line="run $(printf '%2d' "$i"):"
    for p in "${!programs[@]}"; do
        read -r t r d < <("$first_map" "$settle" "${programs[$p]}" 2>/dev/null)
        ms[$p]+=" $t" kb[$p]+=" $r" dirty[$p]+=" $d"
        line+=$(printf '  %s %6.2f ms %6d kB %5d kB dirty' "${names[$p]}" "$t" "$r" "$d")
    done
    echo "$line"
done

median() { printf '%s\n' $1 | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
echo
for p in "${!programs[@]}"; do
    printf 'median %-8s time to window %6.2f ms, resident %5.1f MB, private dirty %4.2f MB\n' "${names[$p]}" \
        "$(median "${ms[$p]}")" "$(awk -v k="$(median "${kb[$p]}")" 'BEGIN {print k / 1024}')" \
        "$(awk -v k="$(median "${dirty[$p]}")" 'BEGIN {print k / 1024}')"
done
ratio() { awk -v a="$(median "$1")" -v b="$(median "$2")" 'BEGIN {printf "%.2f", a / b}'; }
echo "ratios of medians: time ringcalc/bare $(ratio "${ms[0]}" "${ms[1]}"), ringcalc/xcalc $(ratio "${ms[0]}" "${ms[2]}");" \
    "private dirty ringcalc/bare $(ratio "${dirty[0]}" "${dirty[1]}")"
if [[ -n ${BEFORE:-} ]]; then
    echo "before: time before/bare $(ratio "${ms[3]}" "${ms[1]}"), private dirty before/bare $(ratio "${dirty[3]}" "${dirty[1]}")"
fi
