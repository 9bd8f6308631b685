#!/usr/bin/env bash
# Start-up benchmark: starts ringcalc and, as the peer, xcalc (the classic X11 calculator) on one Xvfb,
# alternately, RUNS times each; for each run measures the time from exec to the first map of the program's
# top-level window and its resident memory SETTLE_MS later. Prints every run, then medians and the ratio.
# Usage: bench/startup/run.sh [RINGCALC [FIRST_MAP]]   (RUNS=15, SETTLE_MS=300 by default)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
top=$(realpath "$here/../..")
ringcalc=${1:-$top/build/release/app/ringcalc}
first_map=${2:-$top/build/release/bench/first_map}
runs=${RUNS:-15}
settle=${SETTLE_MS:-300}
xcalc=$(command -v xcalc) || { echo "xcalc is missing: apt-get install x11-apps"; exit 1; }

# A server of our own, with no window manager, so that a top-level map is seen on the root window.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
read -r display <&3
export DISPLAY=:$display
trap 'pkill -f "Xvfb -displayfd 1 -screen 0 1024x768x24" 2>/dev/null || true' EXIT
export QT_QPA_PLATFORM=xcb

# One unmeasured start of each warms the page cache and fontconfig's cache.
"$first_map" 50 "$ringcalc" >/dev/null 2>&1
"$first_map" 50 "$xcalc" >/dev/null 2>&1

ours=() peer=() ours_kb=() peer_kb=()
for ((i = 1; i <= runs; i++)); do
    read -r ms kb < <("$first_map" "$settle" "$ringcalc" 2>/dev/null)
    ours+=("$ms") ours_kb+=("$kb")
    read -r pms pkb < <("$first_map" "$settle" "$xcalc" 2>/dev/null)
    peer+=("$pms") peer_kb+=("$pkb")
    printf 'run %2d: ringcalc %7.2f ms %6d kB   xcalc %7.2f ms %6d kB\n' "$i" "$ms" "$kb" "$pms" "$pkb"
done

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
m_ours=$(median "${ours[@]}")
m_peer=$(median "${peer[@]}")
k_ours=$(median "${ours_kb[@]}")
k_peer=$(median "${peer_kb[@]}")
echo
printf 'median time to window: ringcalc %.2f ms, xcalc %.2f ms, ratio ringcalc/xcalc %.2f\n' \
    "$m_ours" "$m_peer" "$(awk -v a="$m_ours" -v b="$m_peer" 'BEGIN {print a / b}')"
printf 'median resident memory %d ms after the map: ringcalc %.1f MB, xcalc %.1f MB\n' \
    "$settle" "$(awk -v k="$k_ours" 'BEGIN {print k / 1024}')" "$(awk -v k="$k_peer" 'BEGIN {print k / 1024}')"
