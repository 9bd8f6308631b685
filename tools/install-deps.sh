#!/usr/bin/env bash
# Installs the Debian packages of the named sections of tools/debian-packages.txt that are missing. When
# all are installed it makes no network call at all. A package index that fails to come is reported and the
# install goes on: only a failed install fails. The section windows-i386 is taken only where the machine
# runs 32-bit code, and on its own: if it cannot be installed (its architecture's index missing, say, so
# that its libraries' versions no longer match the system's), that is said and the 32-bit Wine suites are
# skipped, rather than nothing else being installed.
# Usage: tools/install-deps.sh SECTION...
set -euo pipefail
here=$(dirname "$0")
list=$here/debian-packages.txt
(($# > 0)) || { echo "usage: $0 SECTION... (sections of $list)" >&2; exit 2; }

wanted=" $* "
if [[ $wanted == *" windows-i386 "* ]] && ! "$here/runs-i386"; then
    echo "This machine runs no 32-bit code: Wine's 32-bit loader is not installed, the 32-bit suites are skipped."
    wanted=${wanted/ windows-i386 / }
fi
declare -A known=()
missing=()
optional=()
section=
while read -r line; do
    [[ -z $line || $line == \#* ]] && continue
    if [[ $line =~ ^\[(.+)\]$ ]]; then
        section=${BASH_REMATCH[1]}
        known[$section]=1
        continue
    fi
    [[ $wanted == *" $section "* ]] || continue
    status=$(dpkg-query -W -f='${db:Status-Status}' "$line" 2>/dev/null || true)
    if [[ $status != installed ]]; then
        if [[ $section == windows-i386 ]]; then optional+=("$line"); else missing+=("$line"); fi
    fi
done <"$list"
for name in "$@"; do
    [[ -n ${known[$name]:-} ]] || { echo "install-deps.sh: no section [$name] in $list" >&2; exit 2; }
done
((${#missing[@]} + ${#optional[@]} == 0)) && exit 0

echo "Installing missing Debian packages: ${missing[*]} ${optional[*]}"
sudo=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "Not root and no sudo: install ${missing[*]} by hand." >&2; exit 1; }
    sudo=(sudo)
fi
# A package of another architecture (wine32:i386) needs that architecture first.
for package in "${missing[@]}" "${optional[@]}"; do
    if [[ $package == *:* ]]; then
        arch=${package##*:}
        if [[ $arch != "$(dpkg --print-architecture)" ]] && ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
            "${sudo[@]}" dpkg --add-architecture "$arch"
        fi
    fi
done
# An index that fails to come (a mirror mid-sync, say) need not hold the others back: what is wanted may
# well be in those that came, and the install says if it is not.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! "${sudo[@]}" apt-get update -q >"$log" 2>&1; then
    failed=$(grep -E '^(E|W): Failed to fetch' "$log" | sed -E 's/^.: Failed to fetch ([^ ]+).*/\1/' | tr '\n' ' ')
    echo "apt-get update could not fetch every package index (${failed:-$(grep -m1 '^E:' "$log" || echo "status $?")}); installing from those that came."
fi
install() {
    local status=0
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "$@" 2>&1 |
        tee "$log" || status=${PIPESTATUS[0]}
    return "$status"
}
if ((${#missing[@]} > 0)) && ! install "${missing[@]}"; then
    echo "Could not install ${missing[*]}: $(grep -E '^E:' "$log" | tr '\n' ' ')" >&2
    exit 1
fi
if ((${#optional[@]} > 0)) && ! install "${optional[@]}" >/dev/null; then
    echo "Could not install ${optional[*]} ($(grep -E '^E:' "$log" | tr '\n' ' ')): the 32-bit Wine suites will be skipped."
fi
