#!/usr/bin/env bash
# Start-up under Wine: ringcalc.exe against a bare Win32 window with the same nine controls
# (bare_window_win32.exe), started in turn on one Xvfb without a window manager, RUNS times each, with a
# persistent Wine server whose services are already up, so that both pay the same; they take turns at
# going first. Prints every run's time
# from exec to the first map of the window, then medians and their ratio.
# Usage: bench/startup/wine.sh [WINDOWS_BUILD_DIR] [LINUX_RELEASE_BUILD_DIR]
#   (build/win64 and build/release by default; RUNS=21; the Linux build gives the first_map helper)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
windows=$(realpath "${1:-$here/../../build/win64}")
linux=$(realpath "${2:-$here/../../build/release}")
first_map=$linux/bench/first_map
runs=${RUNS:-21}
programs=("$windows/app/ringcalc.exe" "$windows/bench/bare_window_win32.exe")
names=(ringcalc bare)
export WINEPREFIX=$windows/.wine-bench WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
loader=/usr/lib/wine/wine64

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r display <"$fifo"
export DISPLAY=:$display
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$fifo"
}
trap cleanup EXIT
# Without a window manager Wine would wait for one before each window; its services start once, on no
# terminal of ours.
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p
"$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
for program in "${programs[@]}"; do
    "$first_map" 300 "$loader" "$program" >/dev/null 2>&1
done

declare -A ms
for ((i = 1; i <= runs; i++)); do
    line="run $(printf '%2d' "$i"):"
    # The two take turns at going first, and each starts once the server has settled from the last.
    order=(0 1)
    ((i % 2 == 0)) && order=(1 0)
    for p in "${order[@]}"; do
        sleep 0.3
        read -r t _ < <("$first_map" 300 "$loader" "${programs[$p]}" 2>/dev/null)
        ms[$p]+=" $t"
        line+=$(printf '  %s %7.2f ms' "${names[$p]}" "$t")
    done
    echo "$line"
done
median() { printf '%s\n' $1 | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
echo
for p in "${!programs[@]}"; do
    printf 'median %-8s time to window %7.2f ms\n' "${names[$p]}" "$(median "${ms[$p]}")"
done
awk -v a="$(median "${ms[0]}")" -v b="$(median "${ms[1]}")" 'BEGIN {printf "ratio of medians: ringcalc/bare %.2f\n", a / b}'
