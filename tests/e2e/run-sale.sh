#!/usr/bin/env bash
# One sale at the till, driven as a cashier would through the built program on
# a virtual X server (Xvfb): splash, login as the administrator, main menu, till,
# the category "Pizza" and its two pizzas, article number 201 with quantity 2,
# "Kasse", an amount tendered, "Bar", the receipt preview closed, "Ende",
# "Beenden" answered "Ja". Then the stored sale, its lines and the stock are
# read from the database file with the sqlcipher command-line tool.
#
#   run-sale.sh KASSE SHOP_HELPER
#
# Exits 77 (skipped) only when no X server can be started here.
set -euo pipefail

readonly Skipped=77
readonly WaitSeconds=30
readonly DatabaseKey=k4wr88zmqdelrunp31

kasse=$(realpath "$1") shop=$(realpath "$2")
command -v Xvfb >/dev/null || { echo "SKIPPED: no X server here (Xvfb is not installed)"; exit $Skipped; }
for tool in xdotool sqlcipher; do
    command -v "$tool" >/dev/null || { echo "FAILED: $tool is missing (scripts/setup installs it)"; exit 1; }
done
source "$(dirname "$0")/xsession.sh"
start_session || { echo "SKIPPED: no X server can be started here (Xvfb failed)"; exit $Skipped; }

"$shop" fill "$shopdir" || fail "could not fill the shop's database"

centres login cboUser cmdEnter
centres menu ShowSale extButon
centres sales 'click:caButton(0)' 'caButton(0)' 'proSellect(0)' 'proSellect(1)' txtid txtQty cmdPayment cmdClose
centres payment txtamount cmdSales

type_text() { xdotool type --delay 20 "$1"; }

cd "$shopdir"
QT_QPA_PLATFORM=xcb "$kasse" >"$work/kasse.log" 2>&1 &
kasse_pid=$!

window '[0-9]+ %' >/dev/null # the splash counts up in its title
login=$(window LogIn)
click "$login" cboUser
xdotool key Down Return
click "$login" cmdEnter

menu=$(window 'Main Menu TalVEX')
click "$menu" ShowSale
sales=$(window 'Create Bill')
click "$sales" 'caButton(0)'
click "$sales" 'proSellect(0)'
click "$sales" 'proSellect(1)'
click "$sales" txtid
type_text 201
click "$sales" txtQty
xdotool key ctrl+a
type_text 2
xdotool key Return
click "$sales" cmdPayment

payment=$(window Receipt)
click "$payment" txtamount
xdotool key ctrl+a
type_text 50
xdotool key Return
click "$payment" cmdSales

# The receipt preview carries the same title as the payment dialog.
preview=$(window Receipt "$payment")
xdotool mousemove --sync --window "$preview" 20 20
xdotool key Escape
gone Receipt

click "$sales" cmdClose
gone 'Create Bill'
click "$menu" extButon
question=$(window 'TALVEX - LT - ISDN')
xdotool mousemove --sync --window "$question" 10 10
xdotool key Return

until=$((SECONDS + WaitSeconds))
while kill -0 "$kasse_pid" 2>/dev/null; do
    [ $SECONDS -lt $until ] || fail "the program did not end after \"Ja\""
    sleep 0.1
done
wait "$kasse_pid" || fail "the program ended with status $?"

# Read a copy, so that no journal file is ever left beside the shop's own
# database, whichever journal mode it uses.
cp "$shopdir/zazozu.db" "$work/check.db"
query() {
    printf "PRAGMA key = '%s';\n.mode list\n.separator |\n%s;\n" "$DatabaseKey" "$1" |
        sqlcipher "$work/check.db" 2>&1 | grep -v '^ok$' || true
}
expect() {
    local got
    got=$(query "$2")
    [ "$got" = "$3" ] || fail "$1: expected \"$3\", found \"$got\""
}
# 7,50 + 8,50 + 2 x 2,50 = 21,00 EUR, in cents.
expect "the sale" "SELECT salesid, totalsales, custid FROM Sales" "1|2100|1"
expect "the sale's lines" \
    "SELECT productid, quantity, salesprice FROM SalesDetails WHERE salesid = 1 ORDER BY productid" \
    "$(printf '1|1|750\n2|1|850\n3|2|250')"
expect "the stock" "SELECT ProductID, Quantity FROM Products ORDER BY ProductID" "$(printf '1|19\n2|19\n3|48')"
ls "$shopdir" | grep -q -- '-wal$' && fail "a write-ahead log was left beside the database"
echo "PASSED: the sale, its lines and the stock are stored"
