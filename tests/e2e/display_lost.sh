#!/usr/bin/env bash
# The display goes away under the game: the X server ends with the session, or dies. Qt's X11
# plugin then ends the program at once (exit status 1), and the window never closes; the game
# must still save:
# - a game that ends with a new record writes settings.ini at once;
# - the X server killed during the next game: the game ends with status 1 and a line on stderr
#   that says the settings are saved, and settings.ini holds the options read, the record and
#   the place the window had been moved to;
# - the lock went with the process: the next start, on a new display, takes it (a start beside
#   it is refused), and reads that file: its window comes up at the saved place;
# - the same when the X server is killed outright (SIGKILL).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
# 50 ms a tick: a game ends by itself within a few seconds.
prepared=$'[Settings]\nPlayOptions=9,2,50,Results,1\nSystemOptions=1,0,1,0\nOthers=0,0,10,10\n'
printf '%s' "$prepared" >"$file"

e2e_start_watched lost
e2e_click_to_play
e2e_wait_results 30 || e2e_fail "the game did not end"
others=$(e2e_settings_key "$file" Others)
[[ $others =~ ^0,([1-9][0-9]*),10,10$ ]] ||
    e2e_fail "the game ended with a new record, but settings.ini says Others=$others"
record=${BASH_REMATCH[1]}
e2e_log "the game ended with a record of $record ms; settings.ini holds it already"

e2e_move_window 123 97
e2e_find_window "$E2E_PID"
e2e_focus
e2e_key F2
e2e_wait_fresh_band 10 || e2e_fail "F2 did not start a new game"
kill -TERM "$E2E_XVFB_PID"
wait "$E2E_XVFB_PID" 2>/dev/null || true
E2E_XVFB_PID=
e2e_log "killed the X server during play"
e2e_wait_end "$E2E_PID" 20
[[ $E2E_ENDING == "exit 1" ]] || e2e_fail "the game ended with $E2E_ENDING when the display went, not exit 1"
grep -q '^Lumabels: .*the settings are saved in .*/settings.ini$' "$E2E_WORK/lost.err" || {
    cat "$E2E_WORK/lost.err" >&2
    e2e_fail "the game did not say on stderr that it saved the settings"
}
e2e_expect_file "$file" "${prepared%Others=*}Others=0,$record,123,97"$'\n' \
    "the lost display cost the settings, the record or the window's place"
[[ -z $(e2e_temporaries "${file%/*}") ]] || e2e_fail "the save left $(e2e_temporaries "${file%/*}")"
e2e_log "the display went: exit 1, the settings, the record and the place are saved"

# --- the next start, on a new display ------------------------------------------------------------
e2e_restart_x
e2e_launch_watched next
next=$E2E_PID
e2e_find_watched_window "$next"
e2e_expect_refused_beside
e2e_wait_title
e2e_window_at "$E2E_WIN" 123 97 || e2e_fail "the next run's window is at $(e2e_window_pos "$E2E_WIN"), not at 123,97"
e2e_log "the next start took the lock and read the saved place"

# --- the X server dies outright (SIGKILL) during play ----------------------------------------------
e2e_move_window 150 120
# A dying display leaves the game no time to read what is still queued: the click that starts
# a game comes behind the news of the move, so once a game runs the game has seen the move.
e2e_find_window "$next"
e2e_click_to_play
kill -KILL "$E2E_XVFB_PID"
wait "$E2E_XVFB_PID" 2>/dev/null || true
E2E_XVFB_PID=
e2e_wait_end "$next" 20
[[ $E2E_ENDING == "exit 1" ]] || e2e_fail "the game ended with $E2E_ENDING when the X server was killed, not exit 1"
saved=${prepared%Others=*}Others=0,$record,150,120$'\n'
e2e_expect_file "$file" "$saved" "the killed X server cost the settings, the record or the window's place"
e2e_log "the X server killed: exit 1, saved with the window at 150,120"

e2e_restart_x
e2e_start_watched last
e2e_window_at "$E2E_WIN" 150 120 || e2e_fail "the last run's window is at $(e2e_window_pos "$E2E_WIN"), not at 150,120"
e2e_exit_by_menu "$E2E_PID" "the last run"
e2e_expect_file "$file" "$saved" "the last run did not keep the saved record and place"
e2e_log "the last start took the lock, read the file and saved it again on Exit"
e2e_log "pass"
