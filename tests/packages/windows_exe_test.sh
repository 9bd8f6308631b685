#!/usr/bin/env bash
# The .exe as it ships: stripped, it is at most 600 KB; it imports only DLLs that every Windows has; and it
# carries the icon group of three images, the version record and the application manifest (per-monitor DPI
# awareness, common controls 6, run as the invoker), and its headers name Windows 7 as the oldest system.
# Usage: windows_exe_test.sh PATH/TO/ringcalc.exe STRIP OBJDUMP
set -euo pipefail
exe=$1
strip=$2
objdump=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$strip" -o "$work/ringcalc.exe" "$exe"
size=$(stat -c %s "$work/ringcalc.exe")
((size <= 600 * 1024)) || fail "stripped .exe is $size bytes, over 600 KB"

imports=$("$objdump" -p "$work/ringcalc.exe" | sed -n 's/^\tDLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
for dll in $imports; do
    case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | MSVCRT.DLL) ;;
    *) fail "imports $dll (all: $imports)" ;;
    esac
done

resources=$(wrestool -l "$work/ringcalc.exe")
[[ $(grep -c -- '--type=3 ' <<<"$resources") == 3 ]] || fail "icon images: $resources"
grep -q -- '--type=14 --name=1 ' <<<"$resources" || fail "no icon group 1: $resources"
grep -q -- '--type=16 ' <<<"$resources" || fail "no version record: $resources"
wrestool -x --raw --type=24 --name=1 "$work/ringcalc.exe" >"$work/manifest.xml"
grep -q '>PerMonitorV2, PerMonitor<' "$work/manifest.xml" || fail "the manifest asks for no per-monitor DPI awareness (v2, then v1)"
grep -q 'Microsoft.Windows.Common-Controls' "$work/manifest.xml" || fail "the manifest asks for no common controls 6"
# Without an execution level, UAC runs a 32-bit program under its file and registry virtualisation.
grep -q 'requestedExecutionLevel level="asInvoker"' "$work/manifest.xml" || fail "the manifest asks for no execution level"
# The headers name Windows 7 (6.1) as the oldest system and subsystem, as the program's API calls need.
headers=$("$objdump" -p "$work/ringcalc.exe")
for field in MajorOSystemVersion MajorSubsystemVersion; do
    grep -qE "^$field[[:space:]]+6$" <<<"$headers" || fail "$field: $(grep "^$field" <<<"$headers")"
done
for field in MinorOSystemVersion MinorSubsystemVersion; do
    grep -qE "^$field[[:space:]]+1$" <<<"$headers" || fail "$field: $(grep "^$field" <<<"$headers")"
done
echo "PASS: $size bytes stripped; imports $imports; icon group, version record and manifest"
