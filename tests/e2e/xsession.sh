# Sourced by the scripts that drive the built program on a virtual X server
# (the end-to-end test, the program's memory benchmark): a work folder that
# goes with the script, the X server, a home of the script's own, and the
# steps of a cashier (find a window, click a control by name).
#
# The sourcing script sets WaitSeconds and shop (the shop helper) and, once it
# starts the program, kasse_pid. start_session leaves the shop's folder in
# $shopdir and the program's output file in $work/kasse.log.

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

# Also called inside $(...): everything it says goes to stderr.
fail() {
    {
        echo "FAILED: $*"
        [ -f "$work/kasse.log" ] && { echo "--- program output:"; cat "$work/kasse.log"; }
    } >&2
    exit 1
}

# Starts the X server and a private home for the program (its printer choice
# stays there). Fails, with the server's own words on stderr, when no X server
# can be started here.
start_session() {
    # The virtual display picks a free display number itself and reports it
    # once it accepts clients (as "xvfb-run -a" does, but without its race
    # when several runs share the machine).
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    while [ ! -s "$work/display" ]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            cat "$work/xvfb.log" >&2
            return 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$work/display")"
    shopdir=$work/shop
    mkdir -p "$shopdir" "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
}

# Where the controls stand in their windows, asked of the shop helper for one
# screen: "centres SCREEN NAME...", a "click:NAME" first clicks a control to
# show the others.
declare -A at
centres() {
    local line name x y
    while read -r name x y; do at[$name]="$x $y"; done < <("$shop" centres "$shopdir" "$@" 2>/dev/null)
    for line in "${@:2}"; do
        [[ $line == click:* ]] && continue
        [ -n "${at[$line]:-}" ] || fail "no place for $line on screen $1"
    done
}

# Every visible window's title, for a failure's message.
shown() {
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "window: $(xdotool getwindowname "$id")"
    done
}

# Waits until a window with this exact title (other than the window with the
# id given second) is visible and prints its id. Asks again until then: a
# search that meets a window being closed (the login as the main menu opens)
# ends with an X error instead of waiting on.
window() {
    local until=$((SECONDS + WaitSeconds)) id
    while :; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | head -n1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        [ $SECONDS -lt $until ] || { shown >&2; fail "no window \"$1\" within ${WaitSeconds}s"; }
        sleep 0.05
    done
}

# Waits until no window with this title is visible any more.
gone() {
    local until=$((SECONDS + WaitSeconds))
    while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
        [ $SECONDS -lt $until ] || fail "window \"$1\" still open after ${WaitSeconds}s"
        sleep 0.05
    done
}

# Clicks a control, by name, inside the window with that id.
click() {
    read -r x y <<<"${at[$2]}"
    xdotool mousemove --sync --window "$1" "$x" "$y" click 1
}
