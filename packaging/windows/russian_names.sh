#!/usr/bin/env bash
# Gives the MSI's Start-menu shortcut its Russian name and description. wixl writes every table in code
# page 0 and drops what that cannot hold, so the database is set to Cyrillic (1251) and the row rewritten.
# Usage: russian_names.sh PATH/TO/ringcalc.msi
set -euo pipefail
msi=$1
idt=$(mktemp -d)
trap 'rm -rf "$idt"' EXIT
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$idt/_ForceCodepage.idt"
msibuild "$msi" -i "$idt/_ForceCodepage.idt"
msibuild "$msi" -q "UPDATE \`Shortcut\` SET \`Name\`='Калькулятор кольца', \`Description\`='Площадь кольца и его сектора' WHERE \`Shortcut\`='StartMenu'"
