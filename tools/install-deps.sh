#!/usr/bin/env bash
# Installs the Debian packages of tools/debian-packages.txt that are missing. When all are installed it
# makes no network call at all.
set -euo pipefail
list="$(dirname "$0")/debian-packages.txt"
missing=()
while read -r package; do
    [[ -z $package || $package == \#* ]] && continue
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ $status == installed ]] || missing+=("$package")
done <"$list"
(( ${#missing[@]} == 0 )) && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
if (( EUID != 0 )); then
    command -v sudo >/dev/null || { echo "Not root and no sudo: install ${missing[*]} by hand." >&2; exit 1; }
    sudo=(sudo)
fi
# A package of another architecture (wine32:i386) needs that architecture first.
for package in "${missing[@]}"; do
    if [[ $package == *:* ]]; then
        arch=${package##*:}
        if [[ $arch != "$(dpkg --print-architecture)" ]] && ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
            "${sudo[@]}" dpkg --add-architecture "$arch"
        fi
    fi
done
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
