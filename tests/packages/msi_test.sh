#!/usr/bin/env bash
# The MSI as Windows Installer's validation reads it and as a second release must follow it, under Wine in
# a prefix of its own: its tables (a short|long shortcut name, the product's language among the summary's,
# the .exe a versioned file, no "Change", one publisher everywhere); installed quietly, installed again
# (still one product), upgraded by a 1.01 made here from the same files with only the version changed (one
# entry, the new .exe, one shortcut that starts it), an older version refused over a newer with nothing
# changed; the other architecture's MSI installed beside it; each uninstalled in turn, nothing left.
# Usage: msi_test.sh PACKAGES_DIR ARCH VERSION SOURCE_DIR   (run it under xvfb-run)
#   PACKAGES_DIR the build's packaging/windows, which holds the MSI and the stripped .exe.
set -euo pipefail
packages=$(realpath "$1")
arch=$2
version=$3
source_dir=$(realpath "$4")
make_packages=$source_dir/packaging/windows/make_packages.sh
msi=$packages/ringcalc-$version-$arch.msi
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Windows Installer, the shell and the registry tool are Wine's 64-bit ones, which install the 32-bit MSI too;
# only starting a 32-bit .exe needs the 32-bit loader.
wine=/usr/lib/wine/wine64
runs_exe=0
"$source_dir/tools/wine-run" --check "$packages/stage/ringcalc.exe" 2>"$work/why" && runs_exe=1
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
table() { msiinfo export "$1" "$2" | tail -n +4 | tr -d '\r'; }
property() { table "$1" Property | awk -F'\t' -v p="$2" '$1 == p { print $2 }'; }

# --- The tables ---
shortcut_name=$(table "$msi" Shortcut | cut -f3)
[[ $shortcut_name =~ ^[A-Z0-9_]{1,8}(\.[A-Z0-9]{1,3})?\|Калькулятор\ кольца ]] ||
    fail "the shortcut's name is not short|long: '$shortcut_name'"
template=$(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')
[[ ";${template#*;};" == *";$(property "$msi" ProductLanguage);"* ]] ||
    fail "ProductLanguage $(property "$msi" ProductLanguage) is not among the summary's languages: $template"
[[ $(property "$msi" ARPNOMODIFY) == 1 ]] || fail "Add/Remove Programs offers a Change that does nothing"
# The .exe's version record: its fixed file version (after the signature 0xFEEF04BD) and its publisher.
wrestool -x --raw --type=16 "$packages/stage/ringcalc.exe" >"$work/version.res"
fixed=$(od -An -v -tx1 "$work/version.res" | tr -d ' \n' | grep -o 'bd04effe.\{24\}')
word() { echo $((16#${fixed:$1+2:2}${fixed:$1:2})); } # a little-endian 16-bit word at a hex offset
record_version=$(word 20).$(word 16).$(word 28).$(word 24)
exe_row=$(table "$msi" File | awk -F'\t' '$1 == "ringcalc.exe"')
[[ $(cut -f5 <<<"$exe_row") == "$record_version" ]] || fail "File.Version is not the record's $record_version: $exe_row"
table "$msi" MsiFileHash | grep -q '^ringcalc.exe' && fail "a versioned file has a hash row"
strings_of() { # the value of a string of the record: the first text after its key (whose line ends with it)
    iconv -f UTF-16LE -t UTF-8 <"$work/version.res" | tr '\0' '\n' |
        awk -v key="$1" 'found && $0 != "" { print; exit } substr($0, length($0) - length(key) + 1) == key { found = 1 }'
}
[[ $(strings_of CompanyName) == "$(property "$msi" Manufacturer)" ]] ||
    fail "the version record names '$(strings_of CompanyName)', the MSI '$(property "$msi" Manufacturer)'"
[[ $(strings_of LegalCopyright) == "$(grep -m1 '^Copyright ' "$source_dir/LICENSE")" ]] ||
    fail "LegalCopyright is '$(strings_of LegalCopyright)'"
echo "ok: the tables as validation wants them"
# The portable .zip: the .exe and two texts that Windows opens, with its line ends.
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$packages/ringcalc-$version-$arch.zip")
[[ $(ls "$work/zip" | tr '\n' ' ') == "LICENSE.txt README.txt ringcalc.exe " ]] || fail "the .zip holds: $(ls "$work/zip")"
for text in LICENSE.txt README.txt; do
    [[ $(grep -c $'\r$' "$work/zip/$text") == $(wc -l <"$work/zip/$text") ]] || fail "$text has Unix line ends"
done
echo "ok: the .zip's texts have Windows line ends"

# --- The packages this test makes: a 1.01 of the same .exe, marked so that its files are told apart, and
# the other architecture's 1.00 ---
case $arch in win64) other=win32 ;; *) other=win64 ;; esac
mkdir -p "$work/next" "$work/other"
cp "$packages/ringcalc.stripped.exe" "$work/next/ringcalc.exe"
marker="ringcalc 1.01 of msi_test"
printf '%s' "$marker" >>"$work/next/ringcalc.exe" # data after the image, which the loader ignores
epoch=$(stat -c %Y "$packages/stage/ringcalc.exe")
next_major=${version%%.*}
next=$(printf '%d.%02d' "$next_major" $((10#${version#*.} + 1)))
"$make_packages" "$arch" "$next" "$next_major.$((10#${version#*.} + 1)).0.0" "$epoch" "$source_dir" \
    "$work/next/ringcalc.exe" "$work/next" >/dev/null
"$make_packages" "$other" "$version" "$record_version" "$epoch" "$source_dir" "$packages/ringcalc.stripped.exe" \
    "$work/other" >/dev/null
next_msi=$work/next/ringcalc-$next-$arch.msi
other_msi=$work/other/ringcalc-$version-$other.msi

# --- Under Wine ---
registry() { { "$wine" reg query "$@" /s 2>/dev/null || true; } | tr -d '\r'; } # a key not there is empty
entries() {
    registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
    registry 'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
}
shortcuts() { find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/*' -name 'Калькулятор кольца*.lnk' | sort; }
folder_of() { # the install folder of an architecture's MSI
    if [[ $1 == win64 ]]; then
        echo "$WINEPREFIX/drive_c/Program Files/ringcalc"
    elif [[ -d $WINEPREFIX/drive_c/Program\ Files\ \(x86\) ]]; then
        echo "$WINEPREFIX/drive_c/Program Files (x86)/ringcalc"
    else
        echo "$WINEPREFIX/drive_c/Program Files/ringcalc" # a 32-bit prefix
    fi
}
install() { "$wine" msiexec /i "$1" /qn; }
"$wine" wineboot --init </dev/null >/dev/null 2>&1 || true
folder=$(folder_of "$arch")

install "$msi" || fail "msiexec /i: status $?"
[[ -f $folder/ringcalc.exe && -f $folder/LICENSE.txt ]] || fail "not installed in $folder"
grep -q $'\r$' "$folder/LICENSE.txt" || fail "LICENSE.txt has no Windows line ends"
[[ $(shortcuts | wc -l) == 1 ]] || fail "shortcuts: $(shortcuts)"
entry=$(entries)
grep -q "DisplayVersion.*$version" <<<"$entry" || fail "Add/Remove Programs shows another version: $entry"
grep -q "Publisher.*The ringcalc developers" <<<"$entry" || fail "no publisher"
grep -q "Comments.*MIT licence" <<<"$entry" || fail "no licence"
grep -q "NoModify.*0x1" <<<"$entry" || fail "Add/Remove Programs offers Change"
registry 'HKLM\Software\Classes\Installer\Products' | grep -q 'ProductIcon.*ringcalc.ico' || fail "no product icon"
echo "ok: $version installed, with its shortcut and its Add/Remove Programs entry"

install "$msi" || fail "installing $version again: status $?"
[[ $(entries | grep -c 'DisplayName.*ringcalc') == 1 ]] || fail "installed again, two entries: $(entries)"
echo "ok: $version installed again is still one product"

install "$next_msi" || fail "the upgrade to $next: status $?"
entry=$(entries)
[[ $(grep -c 'DisplayName.*ringcalc' <<<"$entry") == 1 ]] || fail "after the upgrade: $entry"
grep -q "DisplayVersion.*$next" <<<"$entry" || fail "after the upgrade, Add/Remove Programs shows: $entry"
[[ $(tail -c ${#marker} "$folder/ringcalc.exe") == "$marker" ]] || fail "the upgrade left the old .exe"
[[ $(shortcuts | wc -l) == 1 ]] || fail "after the upgrade, shortcuts: $(shortcuts)"
echo "ok: upgraded to $next in one step, one entry, the new .exe, one shortcut"
# The shortcut starts the program (through the shell, which gives no process to wait for); WM_CLOSE from
# another program ends it.
if ((runs_exe)); then
    "$wine" start /unix "$(shortcuts)"
    [[ -n $(timeout 60 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1) ]] || fail "the shortcut starts no window"
    for ((i = 0; i < 100; i++)); do
        pgrep -f 'ringcalc\.exe' >/dev/null || break
        ((i % 10)) || "$wine" taskkill /im ringcalc.exe >/dev/null 2>&1 || true
        sleep 0.1
    done
    pgrep -f 'ringcalc\.exe' >/dev/null && fail "started from its shortcut, it does not end on WM_CLOSE"
    echo "ok: the shortcut starts the program"
else
    echo "skipped: the shortcut's start ($(cat "$work/why"))"
fi

install "$msi" && fail "$version installed over $next"
entry=$(entries)
grep -q "DisplayVersion.*$next" <<<"$entry" && [[ $(grep -c 'DisplayName.*ringcalc' <<<"$entry") == 1 ]] ||
    fail "the refused downgrade changed the entries: $entry"
[[ $(tail -c ${#marker} "$folder/ringcalc.exe") == "$marker" ]] || fail "the refused downgrade changed the .exe"
table "$msi" LaunchCondition | grep -q 'NOT WIX_DOWNGRADE_DETECTED.*более новая версия' ||
    fail "no Russian message for a downgrade: $(table "$msi" LaunchCondition)"
echo "ok: $version over $next refused, nothing changed"

install "$other_msi" || fail "the $other MSI beside it: status $?"
other_folder=$(folder_of "$other")
[[ $other_folder != "$folder" && -f $other_folder/ringcalc.exe ]] || fail "$other not installed beside $arch"
[[ $(entries | grep -c 'DisplayName.*ringcalc') == 2 && $(shortcuts | wc -l) == 2 ]] ||
    fail "with both: $(entries | grep DisplayName) / $(shortcuts)"
"$wine" msiexec /x "$next_msi" /qn || fail "msiexec /x $arch: status $?"
[[ ! -e $folder && -f $other_folder/ringcalc.exe ]] || fail "removing $arch: $(ls "$folder" "$other_folder" 2>&1)"
[[ $(shortcuts | wc -l) == 1 && $(entries | grep -c 'DisplayName.*ringcalc') == 1 ]] ||
    fail "removing $arch left: $(shortcuts) / $(entries | grep DisplayName)"
echo "ok: the $other MSI lives beside it; removing $arch leaves $other whole"

"$wine" msiexec /x "$other_msi" /qn || fail "msiexec /x $other: status $?"
[[ ! -e $other_folder && -z $(shortcuts) ]] || fail "left behind: $(ls -A "$other_folder" 2>&1) $(shortcuts)"
registry 'HKLM\Software' | grep -qi ringcalc && fail "left in the registry: $(registry 'HKLM\Software' | grep -i ringcalc)"
echo "PASS: the MSI validates, installs, upgrades, refuses to downgrade, lives beside the other and uninstalls leaving nothing"
