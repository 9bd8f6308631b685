#!/usr/bin/env bash
# Two clones of the committed tree, in two folders of different names and depths, build byte-identical
# Windows executables, for both architectures.
# Usage: reproducible_windows_test.sh [SOURCE_DIR]
set -euo pipefail
source_dir=$(realpath "${1:-$(dirname "$0")/..}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build() { # clone folder: clone, build both architectures' executables, without tests
    git clone -q "$source_dir" "$1"
    for preset in win32 win64; do
        (cd "$1" && cmake --preset $preset -DRINGCALC_TESTS=OFF >/dev/null && cmake --build --preset $preset --target ringcalc >/dev/null)
    done
}
build "$work/a"
build "$work/second/clone/with/a/longer/path"
for preset in win32 win64; do
    first=$(sha256sum "$work/a/build/$preset/app/ringcalc.exe" | cut -d' ' -f1)
    second=$(sha256sum "$work/second/clone/with/a/longer/path/build/$preset/app/ringcalc.exe" | cut -d' ' -f1)
    [[ $first == "$second" ]] || { echo "FAIL: the two $preset executables differ: $first and $second"; exit 1; }
    echo "ok: both clones built the $preset .exe with sha256 $first"
done
echo "PASS: byte-identical executables for both architectures"
