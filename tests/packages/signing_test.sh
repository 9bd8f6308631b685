#!/usr/bin/env bash
# A release signed with one command: make windows with a throw-away code-signing certificate (its key
# protected by a password) signs both architectures' .exe, the same .exe in the .zip, and the MSI;
# osslsigncode verifies each against the certificate; the signed .exe still runs under Wine. make windows
# without a certificate makes them unsigned again.
# Usage: signing_test.sh [SOURCE_DIR]   (run it under xvfb-run)
set -euo pipefail
source_dir=$(realpath "${1:-$(dirname "$0")/../..}")
source "$source_dir/tests/real/end_status.sh"
test_frame

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=ringcalc test publisher" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$work/plain-key.pem" -out "$work/cert.pem" 2>/dev/null
echo "a test password" >"$work/password"
openssl pkey -in "$work/plain-key.pem" -aes256 -passout "file:$work/password" -out "$work/key.pem"
make -C "$source_dir" windows SIGN_CERT="$work/cert.pem" SIGN_KEY="$work/key.pem" SIGN_PASS_FILE="$work/password" \
    >"$work/make.log" 2>&1 || { tail -n 20 "$work/make.log"; fail "make windows with a certificate"; }

verify() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" 2>&1; }
for arch in win32 win64; do
    packages=$source_dir/build/$arch/packaging/windows
    for file in "$packages/stage/ringcalc.exe" "$packages"/ringcalc-*-$arch.msi; do
        result=$(verify "$file") || fail "$(basename "$file") ($arch) does not verify: $result"
        grep -q 'Message digest algorithm *: SHA256' <<<"$result" || fail "$(basename "$file") not signed with SHA-256: $result"
        grep -q 'CN=ringcalc test publisher' <<<"$result" || fail "$(basename "$file") signed by another: $result"
    done
    mkdir "$work/$arch"
    (cd "$work/$arch" && cmake -E tar xf "$packages"/ringcalc-*-$arch.zip)
    cmp -s "$work/$arch/ringcalc.exe" "$packages/stage/ringcalc.exe" || fail "the $arch .zip holds an unsigned .exe"
    echo "ok: the $arch .exe, .zip and MSI are signed with SHA-256 and verify against the certificate"
done

# The signed .exe runs: its window comes, and WM_CLOSE ends it with status 0. (The build's own Wine prefix.)
export WINEPREFIX=$source_dir/build/win64/.wine WINEDEBUG=-all
"$source_dir/tools/wine-run" "$source_dir/build/win64/packaging/windows/stage/ringcalc.exe" &
pid=$!
[[ -n $(timeout 60 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1) ]] || fail "the signed .exe shows no window"
sleep 0.5
/usr/lib/wine/wine64 taskkill /im ringcalc.exe >/dev/null || true
wait_for_end "$pid" 20
[[ $status == 0 ]] || fail "the signed .exe, sent WM_CLOSE: status '${status:-still running}'"
pid=
echo "ok: the signed .exe runs under Wine and ends with status 0"

make -C "$source_dir" windows >"$work/make.log" 2>&1 || { tail -n 20 "$work/make.log"; fail "make windows"; }
for arch in win32 win64; do
    verify "$source_dir/build/$arch/packaging/windows/stage/ringcalc.exe" >/dev/null &&
        fail "make windows without a certificate left the $arch .exe signed"
done
echo "PASS: signed with one command, verified, runs; unsigned again without the certificate"
