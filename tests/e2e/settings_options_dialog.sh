#!/usr/bin/env bash
# Game > Options (F5) opens a modal dialog named "Options", a top-level window of the game's own
# process. Enter accepts it, on the title screen and in the middle of a game alike, and the
# field shows the title screen again. Escape cancels it, and a game in progress goes on from
# where it stood. Neither changes the options, which come from settings.ini and go back to it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
# One lumabel and no clouds: nothing but the band is ever on the field, so nothing can hide
# how far it has climbed. At 200 ms a tick the band is on the field for some forty ticks, eight
# seconds, far longer than this test plays, however slowly it is driven.
printf '[Settings]\nPlayOptions=1,0,200,Results,0\n' >"$file"

# band_top SHOT: the top row of the band, or nothing once it has left the field.
band_top() {
    e2e_band_tops "$1" | head -n 1
}

e2e_start_game
e2e_wait_title
title=$(e2e_save_as "$E2E_SHOT" title)

# On the title screen.
e2e_open_options
[[ $E2E_DIALOG != "$E2E_WIN" ]] || e2e_fail "the Options dialog is not a window of its own"
e2e_log "F5 opened the Options dialog (window $E2E_DIALOG)"
e2e_close_options Return
e2e_wait_same "$title" 10 || e2e_fail "after OK on the title screen the field is not the title screen"
e2e_log "Enter closed it and the title screen is back"

# During a game: OK ends it and brings the title screen back, and it stays there.
e2e_click_to_play
e2e_wait_ticks 2 10 || e2e_fail "the game does not go on"
e2e_open_options
e2e_close_options Return
e2e_wait_same "$title" 10 || e2e_fail "after OK during a game the field is not the title screen"
e2e_barrier
e2e_wait_same "$title" 5 || e2e_fail "the title screen did not stay after OK"
e2e_log "Enter during a game brought the title screen back"

# During a game: Escape leaves it going, at the place it had reached.
e2e_click_to_play
e2e_wait_ticks 12 20 || e2e_fail "the game does not go on: $(e2e_ticks_report)"
before=$(band_top "$E2E_SHOT")
[[ -n $before ]] || e2e_fail "the band is not on the field during the game"
e2e_open_options
e2e_close_options Escape
e2e_wait_ticks 2 10 ||
    e2e_fail "the game stands still after Escape closed the Options dialog: $(e2e_ticks_report)"
after=$(band_top "$E2E_SHOT")
e2e_log "the band's top was at row $before before F5 and is at row ${after:-none} after Escape"
! e2e_is_title "$E2E_SHOT" || e2e_fail "Escape brought the title screen"
[[ -n $after ]] || e2e_fail "after Escape the band is not on the field"
# Going on where it stood, the band is at least two ticks higher than before. Twelve ticks in,
# it stood at row 120 or higher: a game started anew would have had to climb from the bottom
# for fourteen ticks or more, while only two changes of the field were waited for.
((after <= before - 2 * E2E_BAND_CLIMB)) ||
    e2e_fail "after Escape the band is at row $after, not two ticks above row $before: the game did not go on where it stood"

e2e_exit_by_menu "$E2E_PID" "after the options were set"
[[ $(head -n 3 "$file") == $'[Settings]\nPlayOptions=1,0,200,Results,0\nSystemOptions=1,0,1,0' ]] || {
    cat "$file" >&2
    e2e_fail "OK and Cancel without a change did not keep the options read from the file"
}
e2e_log "pass"
