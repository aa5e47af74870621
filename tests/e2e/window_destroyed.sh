#!/usr/bin/env bash
# Another program destroys a window of the game's (as `xdotool windowclose` does); Qt takes no
# notice of it by itself. A dialog destroyed during play (Options, Tips, About, the Help box)
# counts as closed, Options as cancelled: the game goes on, and Options opens again as usual.
# The main window destroyed: the game must not go on running without a window, holding the
# lock: it saves, says so on stderr and exits with status 1. settings.ini holds the options read and
# the place the window had been moved to, and the next start takes the lock at once and comes
# up at that place.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
# A tick a second: no game can end by itself while the test looks at it.
prepared=$'[Settings]\nPlayOptions=9,2,1000,Results,1\nSystemOptions=1,0,1,0\nOthers=4,5000,10,10\n'
printf '%s' "$prepared" >"$file"

e2e_start_watched destroyed
e2e_click_to_play

# destroy_dialog NAME KEY...: the keys open the dialog NAME during play; another program
# destroys it, and the game goes on.
destroy_dialog() {
    local name=$1
    shift
    e2e_focus
    e2e_key "$@"
    e2e_wait_until 10 e2e_named_window "^$name\$" || e2e_fail "$* did not open $name"
    xdotool windowclose "$E2E_NAMED"
    e2e_wait_ticks 2 10 || e2e_fail "the game stood still after $name was destroyed: $(e2e_ticks_report)"
    e2e_log "$name destroyed by another program: the game goes on"
}
destroy_dialog Options F5
destroy_dialog Tips alt+h t
destroy_dialog About alt+h a
destroy_dialog Help F1
e2e_open_options
e2e_close_options Escape
e2e_log "Options opens and closes again after its window was destroyed"

e2e_move_window 77 55
xdotool windowclose "$E2E_WIN"
e2e_log "destroyed window $E2E_WIN during play"
e2e_wait_end "$E2E_PID" 20
[[ $E2E_ENDING == "exit 1" ]] || e2e_fail "the game ended with $E2E_ENDING when its window was destroyed, not exit 1"
grep -q "^Lumabels: another program destroyed the game's window" "$E2E_WORK/destroyed.err" || {
    cat "$E2E_WORK/destroyed.err" >&2
    e2e_fail "the game did not say on stderr why it ended"
}
e2e_expect_file "$file" "${prepared%Others=*}Others=4,5000,77,55"$'\n' \
    "the destroyed window cost the settings or the window's place"
e2e_log "window destroyed: exit 1, the settings and the place are saved"

e2e_launch_watched next
next=$E2E_PID
e2e_find_watched_window "$next"
e2e_wait_title
e2e_window_at "$E2E_WIN" 77 55 || e2e_fail "the next run's window is at $(e2e_window_pos "$E2E_WIN"), not at 77,55"
e2e_exit_by_menu "$next" "the next run"
e2e_log "the next start took the lock at once and came up at the saved place"
e2e_log "pass"
