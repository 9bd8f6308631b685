#!/usr/bin/env bash
# tools/install-deps.sh against stand-ins for dpkg-query, dpkg, apt-get and sudo (a folder first on PATH),
# with no network: what each front door of the Makefile asks to install, and how a failing index or install
# is met. The packages of each section come from tools/debian-packages.txt itself.
# Usage: install_deps_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A copy of tools/ whose i386 probe answers as the case says (RUNS_I386=yes|no).
mkdir -p "$work/tools" "$work/bin"
cp "$source_dir/tools/install-deps.sh" "$source_dir/tools/debian-packages.txt" "$work/tools/"
printf '#!/bin/sh\n[ "$RUNS_I386" = yes ]\n' >"$work/tools/runs-i386"
# dpkg-query: installed are the packages named in $work/installed. apt-get: each call a line in $work/apt.log;
# FAIL_UPDATE and FAIL_INSTALL (a package name, or "all") make it fail as apt does.
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
for last; do :; done
grep -qx "$last" "$WORK/installed" && printf installed
exit 0
STUB
cat >"$work/bin/dpkg" <<'STUB'
#!/bin/sh
case $1 in --print-architecture) echo amd64 ;; --add-architecture) echo "add-architecture $2" >>"$WORK/apt.log" ;; esac
exit 0
STUB
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/bash
echo "$*" >>"$WORK/apt.log"
if [[ $1 == update && -n $FAIL_UPDATE ]]; then
    echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  Hash Sum mismatch"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100
fi
if [[ $1 != update && -n $FAIL_INSTALL && ( $FAIL_INSTALL == all || " $* " == *" $FAIL_INSTALL "* ) ]]; then
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100
fi
exit 0
STUB
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"* "$work/tools/runs-i386"
export WORK=$work PATH=$work/bin:$PATH

section() { # the packages of one section of the list
    awk -v want="[$1]" '/^\[/ { in_section = ($0 == want); next } in_section && NF && !/^#/' "$source_dir/tools/debian-packages.txt"
}
sections_of() { # the sections a Makefile target hands to install-deps.sh
    make -s -n -C "$source_dir" "$1" | sed -n 's/.*install-deps\.sh //p' | head -n 1
}
asked() { grep -v '^update' "$work/apt.log" | grep -o ' --no-install-recommends .*' | tr ' ' '\n' | grep -v '^-' | grep -v '^$' || true; }
run() { # [VAR=VALUE...] SECTION...: runs install-deps.sh afresh; its output in $work/out, its status in $status
    : >"$work/apt.log"
    status=0
    env RUNS_I386=yes FAIL_UPDATE= FAIL_INSTALL= "$@" >"$work/out" 2>&1 || status=$?
}

# Each package is listed once.
duplicates=$(grep -v -e '^#' -e '^\[' -e '^$' "$source_dir/tools/debian-packages.txt" | sort | uniq -d)
[[ -z $duplicates ]] || fail "listed more than once: $duplicates"

# Each front door asks for all of its sections and for nothing of the sections it must not need.
# target | sections it must not install
while IFS='|' read -r target forbidden; do
    : >"$work/installed"
    sections=$(sections_of "$target")
    [[ -n $sections ]] || { fail "make $target installs nothing"; continue; }
    # shellcheck disable=SC2086 # the sections are words
    run bash "$work/tools/install-deps.sh" $sections
    ((status == 0)) || fail "make $target: status $status: $(cat "$work/out")"
    for name in $sections; do
        missing=$(comm -23 <(section "$name" | sort) <(asked | sort))
        [[ -z $missing ]] || fail "make $target: [$name] not asked for: $missing"
    done
    for name in $forbidden; do
        extra=$(comm -12 <(section "$name" | sort) <(asked | sort))
        [[ -z $extra ]] || fail "make $target installs [$name]: $extra"
    done
    grep -q add-architecture "$work/apt.log" && [[ " $sections " != *" windows-i386 "* ]] &&
        fail "make $target adds a foreign architecture"
done <<'TABLE'
run|suites linux-suites windows windows-i386 bench fuzz package check web
test|windows windows-i386 bench fuzz package check web
web|qt suites linux-suites windows windows-i386 bench package
windows|qt linux-suites bench fuzz
bench|windows windows-i386 suites
fuzz|fonts qt windows windows-i386
package|windows windows-i386 bench
TABLE

# Everything installed: no apt-get call at all.
section build >"$work/installed"
section qt >>"$work/installed"
run bash "$work/tools/install-deps.sh" build qt
[[ $status == 0 && ! -s $work/apt.log ]] || fail "all installed, yet: status $status, apt-get $(cat "$work/apt.log")"

# case | variables | expected status | a line the output must have | must the install be tried
while IFS='|' read -r name variables expected line tried; do
    : >"$work/installed"
    # shellcheck disable=SC2086 # the variables are words
    run $variables bash "$work/tools/install-deps.sh" build windows windows-i386
    [[ $status == "$expected" ]] || fail "$name: status $status, not $expected: $(cat "$work/out")"
    grep -qF -- "$line" "$work/out" || fail "$name: no line '$line' in: $(cat "$work/out")"
    if [[ $tried == yes ]]; then
        grep -q -- '--no-install-recommends' "$work/apt.log" || fail "$name: the install was not tried"
    fi
done <<'TABLE'
an index fails to come|FAIL_UPDATE=1|0|binary-i386/Packages.xz|yes
the install fails|FAIL_INSTALL=all|1|you have held broken packages|yes
the 32-bit loader cannot be installed|FAIL_INSTALL=wine32:i386|0|32-bit Wine suites will be skipped|yes
no 32-bit code here|RUNS_I386=no|0|runs no 32-bit code|yes
TABLE
# Where the machine runs no 32-bit code, neither the loader nor its architecture is asked for.
run RUNS_I386=no bash "$work/tools/install-deps.sh" windows windows-i386
grep -qE 'i386' "$work/apt.log" && fail "no 32-bit code, yet: $(cat "$work/apt.log")"
# A section that is not there is an error, not nothing.
run bash "$work/tools/install-deps.sh" build no-such-section
[[ $status == 2 ]] || fail "an unknown section: status $status"

((failures == 0)) || exit 1
echo "PASS: what each front door installs, and an index or an install that fails"
