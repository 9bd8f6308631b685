#!/usr/bin/env bash
# Two clones of the committed tree, in two folders of different names and depths, built one after the other,
# make the same page, and the same site for a web server, to the byte.
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
for file in ringcalc.html site/index.html site/manifest.webmanifest site/sw.js site/icon-192.png site/icon-512.png; do
    a=$(sha256sum "$first/build/web/$file" | cut -d' ' -f1)
    b=$(sha256sum "$second/build/web/$file" | cut -d' ' -f1)
    [[ -n $a && $a == "$b" ]] || { echo "FAIL: the two $file differ: $a and $b"; exit 1; }
    echo "ok: both clones built $file with sha256 $a"
done
echo "PASS: the page and the site the same to the byte from two clones"
