#!/usr/bin/env bash
# The MSI under Wine, in a prefix of its own: msiexec installs it quietly; the .exe and its licence are in
# Program Files, the Start-menu shortcut and the Add/Remove Programs entry (version, publisher, icon) are
# there; the installed .exe starts, and a WM_CLOSE from another program (taskkill without /F) ends it with
# status 0; msiexec /x removes it all.
# Usage: msi_test.sh PATH/TO/ringcalc-VERSION-ARCH.msi VERSION   (run it under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/end_status.sh"
msi=$(realpath "$1")
version=$2
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine
[[ -x $wine ]] || wine=/usr/lib/wine/wine64
# The registry as a 64-bit program sees it: both views, a 32-bit installer's entries under Wow6432Node.
registry() { /usr/lib/wine/wine64 reg query "$@" /s 2>/dev/null | tr -d '\r'; }
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
"$wine" msiexec /i "$msi" /qn || fail "msiexec /i: status $?"
if [[ $msi == *win64.msi ]]; then
    folder="$WINEPREFIX/drive_c/Program Files/ringcalc"
else
    folder="$WINEPREFIX/drive_c/Program Files (x86)/ringcalc"
    [[ -d $folder ]] || folder="$WINEPREFIX/drive_c/Program Files/ringcalc" # a 32-bit prefix
fi
[[ -f $folder/ringcalc.exe && -f $folder/LICENSE.txt ]] || fail "not installed in $folder"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/*' -name 'Калькулятор кольца.lnk' | head -n 1)
[[ -n $shortcut ]] || fail "no Start-menu shortcut: $(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name '*.lnk')"
entry=$(registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
        registry 'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall')
grep -q "DisplayName.*ringcalc" <<<"$entry" || fail "no Add/Remove Programs entry"
grep -q "DisplayVersion.*$version" <<<"$entry" || fail "Add/Remove Programs shows another version: $entry"
grep -q "Publisher.*The ringcalc developers" <<<"$entry" || fail "no publisher"
grep -q "Comments.*MIT licence" <<<"$entry" || fail "no licence"
# Add/Remove Programs shows the icon that the product published.
registry 'HKLM\Software\Classes\Installer\Products' | grep -q 'ProductIcon.*ringcalc.ico' || fail "no product icon"
echo "ok: installed, with its shortcut and its Add/Remove Programs entry"

"$wine" "$folder/ringcalc.exe" &
pid=$!
[[ -n $(timeout 60 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1) ]] || fail "the installed .exe shows no window"
/usr/lib/wine/wine64 taskkill /im ringcalc.exe || true
wait_for_end "$pid" 10
[[ $status == 0 ]] || fail "after taskkill: status '${status:-still running}'"
echo "ok: the installed .exe ran and ended on WM_CLOSE with status 0"

"$wine" msiexec /x "$msi" /qn || fail "msiexec /x: status $?"
[[ ! -e $folder ]] || fail "left behind: $(ls -A "$folder")"
[[ ! -e $shortcut ]] || fail "the shortcut is left"
registry 'HKLM\Software' | grep -qi ringcalc && fail "left in the registry: $(registry 'HKLM\Software' | grep -i ringcalc)"
echo "PASS: the MSI installs, starts, and uninstalls leaving nothing"
