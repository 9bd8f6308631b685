#!/usr/bin/env bash
# Two clones of the committed tree, in two folders of different names and depths, built one after the other,
# make the same page to the byte.
# Usage: reproducible_web_test.sh [SOURCE_DIR]
set -euo pipefail
source_dir=$(realpath "${1:-$(dirname "$0")/../..}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build() { # clone folder: clone, build the page without the suites
    git clone -q "$source_dir" "$1"
    (cd "$1" && cmake --preset web -DRINGCALC_TESTS=OFF >/dev/null && cmake --build --preset web >/dev/null)
}
first=$work/a
second=$work/second/clone/with/a/longer/path
build "$first"
sleep 2
build "$second"
a=$(sha256sum "$first/build/web/ringcalc.html" | cut -d' ' -f1)
b=$(sha256sum "$second/build/web/ringcalc.html" | cut -d' ' -f1)
[[ -n $a && $a == "$b" ]] || { echo "FAIL: the two pages differ: $a and $b"; exit 1; }
echo "PASS: both clones built the page with sha256 $a"
