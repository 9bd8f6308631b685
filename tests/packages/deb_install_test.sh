#!/usr/bin/env bash
# The Debian package installs with apt-get, its menu entry starts the calculator, and it removes cleanly.
# Usage: deb_install_test.sh PATH/TO/ringcalc_VERSION_ARCH.deb   (as root, or with sudo)
set -euo pipefail
deb=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
sudo=()
(( EUID == 0 )) || sudo=(sudo)
installed_before=$(dpkg-query -W -f='${db:Status-Status}' ringcalc 2>/dev/null || true)

DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "$deb" >/dev/null
entry=/usr/share/applications/org.ringcalc.RingCalc.desktop
desktop-file-validate "$entry"
appstreamcli validate --no-net /usr/share/metainfo/org.ringcalc.RingCalc.metainfo.xml >/dev/null
command=$(sed -n 's/^Exec=//p' "$entry")
program=$(command -v "$command")
window_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$here/../real/real_window_test.sh" "$program" "$window_class"

if [[ $installed_before != installed ]]; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -q ringcalc >/dev/null
fi
echo "PASS: the package installs, its menu entry starts the calculator"
