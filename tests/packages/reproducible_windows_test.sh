#!/usr/bin/env bash
# Two clones of the committed tree, in two folders of different names and depths, built one after the
# other (so at two times), make byte-identical Windows files as they ship, for both architectures: the
# stripped .exe that goes into the packages, the MSI and the portable .zip.
# Usage: reproducible_windows_test.sh [SOURCE_DIR]
set -euo pipefail
source_dir=$(realpath "${1:-$(dirname "$0")/../..}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build() { # clone folder: clone, build both architectures' packages, without tests
    git clone -q "$source_dir" "$1"
    for preset in win32 win64; do
        (cd "$1" && cmake --preset $preset -DRINGCALC_TESTS=OFF -DRINGCALC_BENCH=OFF >/dev/null &&
            cmake --build --preset $preset --target windows_packages >/dev/null)
    done
}
first=$work/a
second=$work/second/clone/with/a/longer/path
build "$first"
sleep 2
build "$second"
for preset in win32 win64; do
    packages=build/$preset/packaging/windows
    for file in stage/ringcalc.exe "ringcalc-*-$preset.msi" "ringcalc-*-$preset.zip"; do
        # shellcheck disable=SC2086 # the name is a pattern
        a=$(sha256sum "$first"/$packages/$file | cut -d' ' -f1)
        b=$(sha256sum "$second"/$packages/$file | cut -d' ' -f1)
        [[ -n $a && $a == "$b" ]] || { echo "FAIL: the two $preset $file differ: $a and $b"; exit 1; }
        echo "ok: both clones built the $preset $file with sha256 $a"
    done
done
echo "PASS: byte-identical shipped files for both architectures"
