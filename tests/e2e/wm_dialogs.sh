#!/usr/bin/env bash
# Under a real window manager (openbox) with Stay on Top on: Options, About, Help and Tips each
# open above the main window, whole and centred over it, and close again; turning Stay on Top
# off and on through Options keeps the very same window, never unmapped, its state following.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
e2e_begin "$@"
e2e_start_wm

E2E_FACE_RGB="239 239 239"  # the dialogs' background in Qt's own style

printf '[Settings]\nSystemOptions=1,0,1,1\n' >"$(e2e_settings)"
e2e_start_game
main=$E2E_WIN
[[ $(e2e_wm_state "$main") == *_NET_WM_STATE_ABOVE* ]] ||
    e2e_fail "Stay on Top from the file did not reach the window manager: $(e2e_wm_state "$main")"
# Every map state the main window goes through from here on.
xprop -id "$main" -spy WM_STATE >"$E2E_WORK/wm_state.log" 2>&1 &
E2E_ALIVE[$!]=1

# shot_pair NAME DIALOG: keeps the main window and the dialog as a player sees them.
shot_pair() {
    local name=$1 dialog=$2 mx my mw mh dx dy dw dh ml mr mt mb x0 y0 x1 y1
    [[ -n ${LUMABELS_SCREENSHOT_DIR:-} ]] || return 0
    read -r mx my mw mh <<<"$(e2e_geometry "$main")"
    read -r dx dy dw dh <<<"$(e2e_geometry "$dialog")"
    read -r ml mr mt mb <<<"$(e2e_frame_extents "$main")"
    x0=$(((mx - ml) < (dx - ml) ? mx - ml : dx - ml))
    y0=$(((my - mt) < (dy - mt) ? my - mt : dy - mt))
    x1=$(((mx + mw + mr) > (dx + dw + mr) ? mx + mw + mr : dx + dw + mr))
    y1=$(((my + mh + mb) > (dy + dh + mb) ? my + mh + mb : dy + dh + mb))
    mkdir -p "$LUMABELS_SCREENSHOT_DIR"
    import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage -strip \
        "png:$LUMABELS_SCREENSHOT_DIR/$name.png"
    e2e_log "saved $LUMABELS_SCREENSHOT_DIR/$name.png"
}

# check_dialog NAME CLOSE-KEY KEY...: opens a dialog with the keys and checks it stands above
# the main window, whole, centred over it; then closes it with CLOSE-KEY.
check_dialog() {
    local name=$1 close=$2 dialog mx my mw mh dx dy dw dh sky face top
    shift 2
    e2e_activate "$main"
    e2e_key "$@"
    dialog=$(e2e_dialog "^$name\$") || true
    [[ -n $dialog ]] || e2e_fail "$* did not open $name"
    e2e_wait_until 10 e2e_above "$dialog" "$main" ||
        e2e_fail "$name stays below the main window (stacking: $(e2e_stacking | tr '\n' ' '))"
    read -r mx my mw mh <<<"$(e2e_geometry "$main")"
    read -r dx dy dw dh <<<"$(e2e_geometry "$dialog")"
    read -r _ _ top _ <<<"$(e2e_frame_extents "$dialog")"
    ((dx >= 0 && dy >= 0 && dx + dw <= 640 && dy + dh <= 480)) ||
        e2e_fail "$name is partly off the screen at $dx,$dy ${dw}x$dh"
    # Centred over the main window: the title bars may differ by their own height.
    local cx=$((dx + dw / 2 - mx - mw / 2)) cy=$((dy + dh / 2 - my - mh / 2))
    ((cx >= -4 && cx <= 4 && cy >= -4 - top && cy <= 4 + top)) ||
        e2e_fail "$name is off the main window's centre by $cx,$cy"
    # Whole and in front: what the screen shows there is the dialog, not the night sky behind.
    sky=$(e2e_region_share "$dx" "$dy" "$dw" "$dh" "$E2E_SKY")
    face=$(e2e_region_share "$dx" "$dy" "$dw" "$dh" "$E2E_FACE_RGB")
    ((sky < 10 && face > 40)) ||
        e2e_fail "$name is covered: ${sky}% of it shows the sky, ${face}% the dialog's face"
    e2e_log "$name: above the main window, centred (off by $cx,$cy), ${face}% dialog face"
    if [[ $name == Options || $name == About ]]; then
        shot_pair "$(tr '[:upper:]' '[:lower:]' <<<"$name")" "$dialog"
    fi
    e2e_activate "$dialog"
    e2e_key "$close"
    e2e_wait_until 10 e2e_window_gone "$dialog" || e2e_fail "$close did not close $name"
}

check_dialog Options Escape F5
check_dialog About Escape alt+h a
check_dialog Help Escape F1
check_dialog Tips Escape alt+h t

# toggle_stay_on_top: Options, Alt+T, Enter, as fast as the keys go.
toggle_stay_on_top() {
    local dialog
    e2e_activate "$main"
    e2e_key F5
    dialog=$(e2e_dialog '^Options$') || true
    [[ -n $dialog ]] || e2e_fail "F5 did not open Options"
    e2e_activate "$dialog"
    e2e_key alt+t Return
    e2e_wait_until 10 e2e_window_gone "$dialog" || e2e_fail "Enter did not close Options"
}
above() { [[ $(e2e_wm_state "$main") == *_NET_WM_STATE_ABOVE* ]]; }
not_above() { ! above; }

same_window() {
    e2e_find_window "$E2E_GAME_PID"
    [[ $E2E_WIN == "$main" ]] || e2e_fail "Stay on Top made a new window ($E2E_WIN, was $main)"
}

toggle_stay_on_top
e2e_wait_until 10 not_above || e2e_fail "Stay on Top off left the window above others"
same_window
toggle_stay_on_top
e2e_wait_until 10 above || e2e_fail "Stay on Top on did not put the window above others"
same_window
if grep -qE 'Withdrawn|Iconic' "$E2E_WORK/wm_state.log"; then
    cat "$E2E_WORK/wm_state.log" >&2
    e2e_fail "the main window was unmapped while Stay on Top changed"
fi
e2e_log "Stay on Top off and on: the same window $main, never unmapped"

e2e_exit_by_menu "$E2E_PID" "after the dialogs"
grep -q '^SystemOptions=1,0,1,1$' "$(e2e_settings)" || e2e_fail "Stay on Top was not saved on"
e2e_log "pass"
