#!/usr/bin/env bash
# Under openbox, from a settings.ini whose every option differs from its default: Default in
# the Options dialog followed by Cancel, by Escape or by the dialog's close button leaves the
# game's options as the file gave them; the window stays on top, the game goes on, and at exit
# the file holds the same options. Default followed by OK brings in every default.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
e2e_begin "$@"
e2e_start_wm

file=$(e2e_settings)
# Three lumabels, four clouds, 250 ms a tick, a heading of two words, no sound; Restore
# Record and Restore Position off, Stay on Top on.
prepared=$'[Settings]\nPlayOptions=3,4,250,"Well done",0\nSystemOptions=0,0,0,1'
printf '%s\n' "$prepared" >"$file"
defaults=$'[Settings]\nPlayOptions=9,2,100,Results,1\nSystemOptions=1,0,1,0'

above() { [[ $(e2e_wm_state "$E2E_WIN") == *_NET_WM_STATE_ABOVE* ]]; }
not_above() { ! above; }

# open_options_and_default: F5, then Default, reached from OK (which has the focus when the
# dialog opens) with two Tabs and pressed with Space. Sets dialog.
open_options_and_default() {
    e2e_activate "$E2E_WIN"
    e2e_key F5
    dialog=$(e2e_dialog '^Options$') || true
    [[ -n $dialog ]] || e2e_fail "F5 did not open the Options dialog"
    e2e_activate "$dialog"
    e2e_key Tab Tab space
}

e2e_start_game first
above || e2e_fail "Stay on Top from the file did not reach the window: $(e2e_wm_state "$E2E_WIN")"
e2e_wait_title
e2e_click_to_play "" 20

for way in Cancel Escape close-button; do
    open_options_and_default
    case $way in
        Cancel) e2e_key shift+Tab space ;;
        Escape) e2e_key Escape ;;
        close-button) e2e_close_window "$dialog" ;;
    esac
    e2e_wait_until 10 e2e_window_gone "$dialog" || e2e_fail "Default then $way did not close the dialog"
    e2e_activate "$E2E_WIN"
    above || e2e_fail "after Default then $way the window is no longer on top: $(e2e_wm_state "$E2E_WIN")"
    e2e_wait_ticks 2 20 || e2e_fail "after Default then $way the game stands still"
    ! e2e_is_title "$E2E_SHOT" || e2e_fail "Default then $way ended the game"
    e2e_log "Default then $way: still on top, the game goes on"
done

e2e_exit_by_menu "$E2E_PID" "after Default then Cancel, Escape or the close button"
[[ $(head -n 3 "$file") == "$prepared" ]] || {
    cat "$file" >&2
    e2e_fail "Default then Cancel, Escape or the close button changed the options saved"
}
e2e_log "the file keeps the options it gave"

# The same keys with OK at the end do reach Default: every option is back at its default.
# Default keeps the focus, so back to OK first.
e2e_start_game second
e2e_wait_title
open_options_and_default
e2e_key shift+Tab shift+Tab space
e2e_wait_until 10 e2e_window_gone "$dialog" || e2e_fail "Default then OK did not close the dialog"
e2e_wait_until 10 not_above || e2e_fail "Default then OK left the window on top"
e2e_exit_by_menu "$E2E_PID" "after Default then OK"
[[ $(head -n 3 "$file") == "$defaults" ]] || {
    cat "$file" >&2
    e2e_fail "Default then OK did not save the defaults"
}
e2e_log "pass"
