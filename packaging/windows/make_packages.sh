#!/usr/bin/env bash
# Makes the Windows packages of one architecture from its executable: the MSI installer (wixl, then msibuild
# for what wixl cannot write) and the portable .zip. Every byte follows from the inputs: file times, the
# installer's clock, its product and package codes. With SIGN_CERT and SIGN_KEY (PEM files) in the
# environment, the .exe is signed before it is packed and the MSI after it is built (SHA-256; SIGN_PASS_FILE
# holds the key's password, SIGN_TIMESTAMP names an RFC 3161 time-stamp server).
# Usage: make_packages.sh ARCH VERSION_TEXT FILE_VERSION EPOCH SOURCE_DIR EXE OUT_DIR
#   ARCH win32 or win64; VERSION_TEXT as the program shows it ("1.00"); FILE_VERSION the version record's
#   four numbers ("1.0.0.0"); EPOCH the commit's time; EXE the stripped executable.
set -euo pipefail
arch=$1 version_text=$2 file_version=$3 epoch=$4
source_dir=$(realpath "$5") exe=$(realpath "$6") out=$(mkdir -p "$7" && realpath "$7")
here=$(cd "$(dirname "$0")" && pwd)
publisher="The ringcalc developers"

# Each architecture is a product of its own, installed beside the other: its own upgrade code, components,
# folder, Add/Remove Programs entry and shortcut name, so removing one leaves the other whole.
case $arch in
win64)
    upgrade_code=5C4F2B1E-9A7D-4E63-8C21-0D3B6A9F7E11 program_guid=0E8A3C55-4B1F-4D2A-9E6C-7F1B2D3C4A51
    shortcut_guid=6B2D9F14-3C8E-4A7B-B5D0-1E2F3A4B5C61 program_files=ProgramFiles64Folder win64=yes
    wixl_arch=x64 template=x64 product_name=ringcalc shortcut_name='RINGCALC|Калькулятор кольца' ;;
win32)
    upgrade_code=7A1C3E5F-2B4D-4F6A-8C9E-1D3F5A7B9C12 program_guid=3F5A7C9E-1B2D-4E6F-8A0C-2D4F6B8A0C23
    shortcut_guid=9C1E3A5B-7D2F-4B6A-8E0C-4F6A8C0E2B34 program_files=ProgramFilesFolder win64=no
    wixl_arch=x86 template=Intel product_name='ringcalc (32-разрядная версия)'
    shortcut_name='RINGC32|Калькулятор кольца (32-разрядная версия)' ;;
*) echo "make_packages.sh: unknown architecture '$arch'" >&2; exit 2 ;;
esac

# A GUID named by a text: the same text, the same GUID (the layout of RFC 9562's version 8, from SHA-256).
named_guid() {
    local h
    h=$(printf '%s' "$1" | sha256sum | cut -c1-32)
    printf '%s-%s-8%s-%x%s-%s\n' "${h:0:8}" "${h:8:4}" "${h:13:3}" $(((16#${h:16:1} & 3) | 8)) "${h:17:3}" "${h:20:12}" |
        tr a-f A-F
}
# The product code follows from the architecture and the version: every build of one version is one product,
# so installing it again repairs it instead of adding a second entry.
product_code=$(named_guid "ringcalc product $upgrade_code $version_text")

sign() { # IN OUT: sign IN into OUT, or copy it when no certificate is given
    if [[ -z ${SIGN_CERT:-} ]]; then
        cp "$1" "$2"
        return
    fi
    [[ -n ${SIGN_KEY:-} ]] || { echo "make_packages.sh: SIGN_CERT is given without SIGN_KEY" >&2; exit 2; }
    local options=(-certs "$SIGN_CERT" -key "$SIGN_KEY" -h sha256 -n ringcalc)
    [[ -z ${SIGN_PASS_FILE:-} ]] || options+=(-readpass "$SIGN_PASS_FILE")
    [[ -z ${SIGN_TIMESTAMP:-} ]] || options+=(-ts "$SIGN_TIMESTAMP")
    rm -f "$2"
    osslsigncode sign "${options[@]}" -in "$1" -out "$2" >/dev/null
}

stage=$out/stage
rm -rf "$stage"
mkdir -p "$stage"
sign "$exe" "$stage/ringcalc.exe"
# Text files with Windows line ends and a name Windows opens.
sed 's/\r*$/\r/' "$source_dir/LICENSE" >"$stage/LICENSE.txt"
sed 's/\r*$/\r/' "$source_dir/README.md" >"$stage/README.txt"
cp "$source_dir/packaging/icons/ringcalc.ico" "$stage/"
touch -d "@$epoch" "$stage"/*

sed -e "s/@PRODUCT_CODE@/$product_code/; s/@PRODUCT_NAME@/ringcalc/; s/@VERSION_TEXT@/$version_text/" \
    -e "s/@PUBLISHER@/$publisher/g; s/@UPGRADE_CODE@/$upgrade_code/; s/@PROGRAM_FILES@/$program_files/" \
    -e "s/@PROGRAM_GUID@/$program_guid/; s/@SHORTCUT_GUID@/$shortcut_guid/; s/@WIN64@/$win64/g" \
    "$here/ringcalc.wxs.in" >"$out/ringcalc.wxs"
# The package code names this package's contents: the description, the files and the steps that make it.
package_code=$(named_guid "ringcalc package $(cat "$out/ringcalc.wxs" "$stage"/* "$0" | sha256sum)")

# The installer tools write the clock's time into the package: they see the commit's.
clock=(env TZ=UTC faketime -f "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')")
msi=$out/ringcalc-$version_text-$arch.msi
zip=$out/ringcalc-$version_text-$arch.zip
rm -f "$msi" "$zip"
(cd "$stage" && "${clock[@]}" wixl -a "$wixl_arch" -o "$msi.unsigned" "$out/ringcalc.wxs")
# wixl writes every table in code page 0 and drops what that cannot hold: the database is set to Cyrillic
# (1251) and the Russian texts written into it.
idt=$(mktemp -d)
trap 'rm -rf "$idt"' EXIT
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$idt/_ForceCodepage.idt"
"${clock[@]}" msibuild "$msi.unsigned" -i "$idt/_ForceCodepage.idt"
"${clock[@]}" msibuild "$msi.unsigned" \
    -q "UPDATE \`Shortcut\` SET \`Name\`='$shortcut_name', \`Description\`='Площадь кольца и его сектора' WHERE \`Shortcut\`='StartMenu'" \
    -q "UPDATE \`Property\` SET \`Value\`='$product_name' WHERE \`Property\`='ProductName'" \
    -q "UPDATE \`LaunchCondition\` SET \`Description\`='Уже установлена более новая версия ringcalc. Чтобы установить эту, сначала удалите ту в «Программах и компонентах».' WHERE \`Condition\`='NOT WIX_DOWNGRADE_DETECTED'" \
    -q "UPDATE \`File\` SET \`Version\`='$file_version', \`Language\`='1033' WHERE \`File\`='ringcalc.exe'" \
    -q "DELETE FROM \`MsiFileHash\` WHERE \`File_\`='ringcalc.exe'"
# The summary: the languages the product's own (Russian), and the package code.
"${clock[@]}" msibuild "$msi.unsigned" -s "Ring and sector area calculator" "$publisher" "$template;1049" "{$package_code}"
sign "$msi.unsigned" "$msi"
rm -f "$msi.unsigned"

# Info-ZIP without its extra fields, which would carry each file's change time: only the DOS time (read in
# UTC) of each file's modification, the commit's.
touch -d "@$epoch" "$stage"/*
(cd "$stage" && TZ=UTC zip -q -X -D "$zip" ringcalc.exe LICENSE.txt README.txt)
