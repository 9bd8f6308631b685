#!/usr/bin/env bash
# Two clones of the committed tree, in two folders of different names and depths, build byte-identical
# Debian packages.
# Usage: reproducible_test.sh [SOURCE_DIR]
set -euo pipefail
source_dir=$(realpath "${1:-$(dirname "$0")/../..}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build_package() { # clone folder: clone, build the release preset without tests or benchmarks, package
    git clone -q "$source_dir" "$1"
    (
        cd "$1"
        cmake --preset release -DRINGCALC_TESTS=OFF -DRINGCALC_BENCH=OFF >/dev/null
        cmake --build --preset release >/dev/null
        cd build/release && cpack >/dev/null
    )
}
build_package "$work/a"
build_package "$work/second/clone/with/a/longer/path"
first=$(sha256sum "$work"/a/build/release/ringcalc_*.deb | cut -d' ' -f1)
second=$(sha256sum "$work"/second/clone/with/a/longer/path/build/release/ringcalc_*.deb | cut -d' ' -f1)
if [[ $first != "$second" ]]; then
    echo "FAIL: the two packages differ: $first and $second"
    command -v diffoscope >/dev/null && diffoscope "$work"/a/build/release/*.deb \
        "$work"/second/clone/with/a/longer/path/build/release/*.deb | head -n 60
    exit 1
fi
echo "PASS: both clones built the package with sha256 $first"
