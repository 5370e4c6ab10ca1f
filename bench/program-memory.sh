#!/usr/bin/env bash
# The real program's memory as a shop meets it: the built program on a virtual
# X server (Xvfb), on a copy of a benchmark shop's database, driven through
# SALES sales with real clicks and keys (xdotool), as the end-to-end test
# drives it: login, till, per sale a product button of the largest category
# and one of a small one, two article numbers typed key by key, "Kasse", an
# amount tendered, "Bar", the receipt preview closed. Prints the program's
# peak resident memory (VmHWM) in MB after the first sale and after the last.
#
#   program-memory.sh KASSE SHOP_HELPER SHOP_DATABASE SALES
set -euo pipefail

readonly WaitSeconds=${WAIT_SECONDS:-60}
kasse=$(realpath "$1") shop=$(realpath "$2") database=$(realpath "$3") sales=$4
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup installs it)" >&2; exit 1; }
done
source "$(dirname "$0")/../tests/e2e/xsession.sh"
start_session || fail "no X server can be started here"
cp "$database" "$shopdir/zazozu.db"

centres login cboUser cmdEnter
centres menu ShowSale
centres sales 'click:caButton(0)' 'caButton(0)' 'caButton(1)' 'proSellect(0)' 'proSellect(1)' txtid txtQty cmdPayment
centres payment txtamount cmdSales

peak() { awk '/^VmHWM:/ { printf "%.0f", $2 / 1024 }' "/proc/$kasse_pid/status"; }
article() { printf '400%010d' "$1"; }

cd "$shopdir"
QT_QPA_PLATFORM=xcb "$kasse" >"$work/kasse.log" 2>&1 &
kasse_pid=$!
login=$(window LogIn)
click "$login" cboUser
xdotool key Down Return
click "$login" cmdEnter
menu=$(window 'Main Menu TalVEX')
click "$menu" ShowSale
till=$(window 'Create Bill')

for ((sale = 1; sale <= sales; ++sale)); do
    click "$till" 'caButton(0)'
    click "$till" 'proSellect(0)'
    click "$till" 'caButton(1)'
    click "$till" 'proSellect(1)'
    for product in $((sale * 37 % 997 + 1)) $((sale * 101 % 991 + 3)); do
        click "$till" txtid
        xdotool key ctrl+a BackSpace
        xdotool type --delay 5 "$(article "$product")"
        click "$till" txtQty
        xdotool key ctrl+a
        xdotool type 1
        xdotool key Return
    done
    click "$till" cmdPayment
    payment=$(window Receipt)
    click "$payment" txtamount
    xdotool key ctrl+a
    xdotool type 500
    xdotool key Return
    click "$payment" cmdSales
    preview=$(window Receipt "$payment")
    xdotool mousemove --sync --window "$preview" 20 20
    xdotool key Escape
    gone Receipt
    [ "$sale" -eq 1 ] && echo "after 1 sale: $(peak) MB"
done
echo "after $sales sales: $(peak) MB"
