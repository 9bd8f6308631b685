#!/usr/bin/env bash
# Runs a Windows program under Wine on a desktop of DPI dots per inch, in a prefix of its own beside the
# program. Usage: wine_dpi.sh DPI tools/wine-run PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
dpi=$1
wine_run=$2
program=$3
shift 3
"$wine_run" --check "$program" || exit 77
export WINEPREFIX=$(dirname "$(realpath "$program")")/.wine-$dpi
"$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
"$wine_run" "$program" "$@"
