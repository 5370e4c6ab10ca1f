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
work=$(mktemp -d)
cleanup() {
    set +e
    [ -n "${kasse_pid:-}" ] && kill "$kasse_pid" 2>/dev/null
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
while [ ! -s "$work/display" ]; do
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb failed:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"
shopdir=$work/shop
mkdir -p "$shopdir" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
cp "$database" "$shopdir/zazozu.db"

fail() {
    echo "FAILED: $*" >&2
    [ -f "$work/kasse.log" ] && cat "$work/kasse.log" >&2
    exit 1
}

declare -A at
centres() {
    local name x y
    while read -r name x y; do at[$name]="$x $y"; done < <("$shop" centres "$shopdir" "$@" 2>/dev/null)
}
centres login cboUser cmdEnter
centres menu ShowSale
centres sales 'click:caButton(0)' 'caButton(0)' 'caButton(1)' 'proSellect(0)' 'proSellect(1)' txtid txtQty cmdPayment
centres payment txtamount cmdSales

window() {
    local until=$((SECONDS + WaitSeconds)) id
    while :; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | head -n1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        [ $SECONDS -lt $until ] || { shown >&2; fail "no window \"$1\" within ${WaitSeconds}s"; }
        sleep 0.05
    done
}
gone() {
    local until=$((SECONDS + WaitSeconds))
    while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
        [ $SECONDS -lt $until ] || fail "window \"$1\" still open after ${WaitSeconds}s"
        sleep 0.05
    done
}
shown() {
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "window: $(xdotool getwindowname "$id")"
    done
}
click() {
    read -r x y <<<"${at[$2]}"
    xdotool mousemove --sync --window "$1" "$x" "$y" click 1
}
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
