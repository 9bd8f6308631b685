#!/usr/bin/env bash
# The executable's resource script as the Windows build compiles it: its version record says the project's
# version, numeric and as text, for language 0x0409/0x04B0, and the icon group holds three images.
# Usage: resource_script_test.sh SOURCE_DIR BUILD_DIR WINDRES
set -euo pipefail
source_dir=$1
build_dir=$2
windres=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# The version as shown, from the project's: the major number and the minor in two digits (1.0.0.0 is "1.00").
project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
IFS=. read -r major minor patch tweak <<<"$project_version"
version=$(printf '%d.%02d' "$major" "$minor")

# It compiles, and its version record says the project's version for language 0x0409/0x04B0.
"$windres" --preprocessor=cpp -I "$source_dir" -i "$build_dir/app/ringcalc.rc" -O res -o "$work/ringcalc.res"
"$windres" -i "$work/ringcalc.res" -O rc -o "$work/decompiled.rc"
numeric="$major, $minor, ${patch:-0}, ${tweak:-0}"
grep -q "FILEVERSION $numeric" "$work/decompiled.rc" || fail "file version"
grep -q "PRODUCTVERSION $numeric" "$work/decompiled.rc" || fail "product version"
grep -q "VALUE \"FileVersion\", \"$version\"" "$work/decompiled.rc" || fail "FileVersion string"
grep -q "VALUE \"ProductVersion\", \"$version\"" "$work/decompiled.rc" || fail "ProductVersion string"
grep -q 'BLOCK "040904B0"' "$work/decompiled.rc" || fail "string table language"
grep -q 'VALUE "Translation", 0x409, 1200' "$work/decompiled.rc" || fail "translation"
grep -q 'FILETYPE 0x1' "$work/decompiled.rc" || fail "file type"
[[ $(grep -c 'RT_ICON' "$work/decompiled.rc") == 3 ]] || fail "three icon images"

echo "PASS: the version record and the icon group"
