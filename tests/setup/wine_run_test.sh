#!/usr/bin/env bash
# tools/wine-run against stand-in loaders (WINE_DIR): the loader is chosen by the program's PE machine and
# must start, the prefix is made once before the program, and a 32-bit program with no 32-bit loader that
# starts is reported as skipped (77) with the reason.
# Usage: wine_run_test.sh SOURCE_DIR
set -euo pipefail
wine_run=$(realpath "$1")/tools/wine-run
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A PE file of the given machine: an MZ header whose e_lfanew (offset 60) is 64, then "PE\0\0" and the
# machine, little-endian.
pe() { # FILE MACHINE_BYTES
    { printf 'MZ'; head -c 58 /dev/zero; printf '\x40\x00\x00\x00'; printf "PE\\0\\0$2"; head -c 20 /dev/zero; } >"$1"
}
pe "$work/app64.exe" '\x64\x86'
pe "$work/app32.exe" '\x4c\x01'
# A loader that starts logs its name and arguments and exits 5 for a program (so the status is seen to be
# passed on); wineboot makes the prefix's registry. One that cannot start fails as execve's ENOEXEC does.
loader() { # NAME starts|broken
    if [[ $2 == starts ]]; then
        cat >"$work/wine/$1" <<STUB
#!/bin/sh
[ "\$1" = --version ] && exit 0
echo "$1 \$*" >>"$work/log"
[ "\$1" = wineboot ] && { mkdir -p "\$WINEPREFIX"; : >"\$WINEPREFIX/system.reg"; exit 0; }
exit 5
STUB
    else
        printf '#!/bin/sh\necho "cannot execute binary file: Exec format error" >&2\nexit 126\n' >"$work/wine/$1"
    fi
    chmod +x "$work/wine/$1"
}

# case | wine (32-bit) | wine64 | program | expected status | expected loader line
while IFS='|' read -r name wine32 wine64 program expected line; do
    rm -rf "$work/wine" "$work/prefix" "$work/log"
    mkdir "$work/wine"
    loader wine "$wine32"
    loader wine64 "$wine64"
    printf '#!/bin/sh\nexit 0\n' >"$work/wine/wineserver"
    chmod +x "$work/wine/wineserver"
    [[ $program == *.exe ]] && program=$work/$program
    status=0
    WINE_DIR=$work/wine WINEPREFIX=$work/prefix "$wine_run" "$program" an-argument >"$work/out" 2>&1 || status=$?
    [[ $status == "$expected" ]] || fail "$name: status $status, not $expected: $(cat "$work/out")"
    if [[ $expected == 77 ]]; then
        grep -q 'not started' "$work/out" || fail "$name: no reason given: $(cat "$work/out")"
        [[ ! -e $work/log ]] || fail "$name: a loader was run: $(cat "$work/log")"
        continue
    fi
    [[ $(sed -n 1p "$work/log") == "$line wineboot --init" ]] || fail "$name: the prefix not made first: $(cat "$work/log")"
    [[ $(sed -n 2p "$work/log") == "$line $program an-argument" ]] || fail "$name: ran $(sed -n 2p "$work/log")"
    # A second run finds the prefix made.
    WINE_DIR=$work/wine WINEPREFIX=$work/prefix "$wine_run" "$program" >/dev/null 2>&1 || true
    [[ $(grep -c wineboot "$work/log") == 1 ]] || fail "$name: the prefix made twice"
done <<'TABLE'
64-bit, the 32-bit loader there but broken|broken|starts|app64.exe|5|wine64
64-bit, both loaders start|starts|starts|app64.exe|5|wine64
32-bit, its loader starts|starts|starts|app32.exe|5|wine
32-bit, its loader broken|broken|starts|app32.exe|77|
Wine's own program, by name|broken|starts|cmd|5|wine64
TABLE

# --check says the same without running anything.
rm -rf "$work/log"
WINE_DIR=$work/wine "$wine_run" --check "$work/app64.exe" || fail "--check of a 64-bit program"
status=0
WINE_DIR=$work/wine "$wine_run" --check "$work/app32.exe" 2>/dev/null || status=$?
[[ $status == 77 && ! -e $work/log ]] || fail "--check of a 32-bit program without its loader: status $status"

((failures == 0)) || exit 1
echo "PASS: the loader by the program's machine, the prefix made first, a 32-bit program skipped"
