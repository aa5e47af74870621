# shellcheck shell=bash
# A real desktop on the test's private X server: a window manager (openbox) that reparents,
# places, stacks and activates windows as a player's desktop does. Sourced after lib.sh by the
# tests of placement, stacking, focus and dialogs.

# Starts openbox on $DISPLAY and waits until it manages the screen; it is stopped with the
# rest when the test ends.
e2e_start_wm() {
    command -v openbox >/dev/null 2>&1 || {
        echo "[$E2E_NAME] skipped: openbox is not installed" >&2
        exit "$E2E_SKIP"
    }
    mkdir -p "$E2E_WORK/wm-home"
    HOME=$E2E_WORK/wm-home openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    E2E_ALIVE[$E2E_WM_PID]=1
    e2e_wait_until 20 e2e_wm_ready || e2e_fail "openbox did not take the screen"
    e2e_log "openbox (pid $E2E_WM_PID) manages $DISPLAY"
}

# An EWMH window manager names its check window on the root once it runs.
e2e_wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Under a window manager a window takes the focus by being activated, as a click would.
e2e_activate() {
    timeout 10 xdotool windowactivate --sync "${1:-$E2E_WIN}" >/dev/null 2>&1 ||
        e2e_fail "could not activate window ${1:-$E2E_WIN}"
}

# e2e_stacking -> the managed windows, bottom to top, as decimal ids, one per line.
e2e_stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//' | tr ',' '\n' |
        while read -r id; do [[ -n $id ]] && printf '%d\n' "$id"; done
}

# e2e_above TOP BOTTOM: true when window TOP is stacked above window BOTTOM.
e2e_above() {
    local order
    order=$(e2e_stacking)
    local top_at bottom_at
    top_at=$(grep -nx "$1" <<<"$order" | cut -d: -f1)
    bottom_at=$(grep -nx "$2" <<<"$order" | cut -d: -f1)
    [[ -n $top_at && -n $bottom_at ]] && ((top_at > bottom_at))
}

# e2e_wm_state WIN -> its _NET_WM_STATE atoms, as xprop prints them.
e2e_wm_state() {
    xprop -id "$1" _NET_WM_STATE
}

# e2e_frame_extents WIN -> "LEFT RIGHT TOP BOTTOM": the window manager's border around it.
e2e_frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'
}

# e2e_dialog PATTERN -> the id of the game's visible window whose name matches, waiting for it.
# A window that closes while xdotool looks at it must not end the search (see e2e_named_window).
e2e_dialog() {
    e2e_wait_until 10 e2e_named_window "$1" && echo "$E2E_NAMED"
}

# e2e_region_share X Y W H "R G B" -> per cent of the screen's pixels in the box that have the
# colour (0 to 100).
e2e_region_share() {
    local x=$1 y=$2 w=$3 h=$4
    import -window root -crop "${w}x$h+$x+$y" +repage -depth 8 "ppm:$E2E_WORK/region.ppm"
    e2e_probe share "$E2E_WORK/region" "$5"
}
