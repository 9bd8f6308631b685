#!/usr/bin/env bash
# A huge paste into each text box of the real window, against a bare QLineEdit with a button given the same
# paste in the same run: the paste's time, the share of a core over the 5 s after it with the box focused,
# the time a click on the button takes to answer, and the resident memory. Prints medians of RUNS runs (3 by
# default) of each, and the memory's ratio to the bare box's.
# Usage: bench/text_box/run.sh [BUILD_DIR]   (build/release by default; offscreen platform unless
# QT_QPA_PLATFORM is set)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-$here/../../build/release}")
load=$build/bench/text_box_load
runs=${RUNS:-3}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf '%-16s %10s %8s %10s %9s %10s %12s\n' box characters paste_ms busy_% click_ms resident_mb "÷ bare box"
for characters in 1000000 10000000; do
    bare_resident=
    for subject in "bare Text1" "ringcalc Text1" "ringcalc Text2" "ringcalc Text3"; do
        results=()
        for _ in $(seq "$runs"); do
            # shellcheck disable=SC2086
            results+=("$("$load" $subject "$characters" 2>/dev/null)")
        done
        field() { printf '%s\n' "${results[@]}" | awk -v k="$1" '{ for (i = 1; i < NF; i += 2) if ($i == k) print $(i + 1) }' | median; }
        resident=$(field resident_mb)
        [[ $subject == bare* ]] && bare_resident=$resident
        printf '%-16s %10s %8s %10s %9s %10s %12s\n' "${subject/ /:}" "$characters" "$(field paste_ms)" \
            "$(field busy_percent)" "$(field click_ms)" "$resident" \
            "$(awk -v a="$resident" -v b="$bare_resident" 'BEGIN { printf "%.2f", a / b }')"
    done
done
