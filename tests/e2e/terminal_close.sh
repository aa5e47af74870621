#!/usr/bin/env bash
# The game started from a terminal, as players start it, and ended the ways a terminal ends it
# (a real pseudo-terminal with an interactive bash, see pty_session.py):
# - in the foreground, the terminal closed: the shell passes its hang-up on to the game and
#   the kernel sends one more as the shell ends; the game saves and exits with status 0;
# - Ctrl-C typed twice in one go: one close, saved, status 0, and the shell goes on;
# - started with nohup in the background, the terminal closed: the game keeps playing, its
#   hang-ups ignored as asked; a later SIGTERM closes it with status 0, saved.
# Each time settings.ini must hold the options read and the place the window was moved to.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
prepared=$E2E_SLOW_PLAY  # a tick a second

# start_in_terminal TAG LINE: opens a terminal, types LINE (which starts the game of TAG) and
# brings the game into play with its window moved to a place of its own; sets left and top.
start_in_terminal() {
    local tag=$1 line=$2
    printf '%s' "$prepared" >"$file"
    e2e_open_terminal "$tag" "$line"
    e2e_terminal_game "$tag"
    e2e_find_window "$E2E_PID"
    e2e_wait_title
    e2e_play_at_random_place "$tag"
    left=$E2E_PLACE_X top=$E2E_PLACE_Y
}

# expect_saved WHAT: settings.ini is what a save of the prepared options writes with the window
# at left, top.
expect_saved() {
    e2e_expect_file "$file" "${prepared%Others=*}Others=0,0,$left,$top"$'\n' "$1"
}

# --- in the foreground, the terminal closed ---------------------------------------------------
start_in_terminal foreground "$(e2e_terminal_command foreground)"
e2e_signal_mask "$E2E_PID" SigCgt "$(kill -l HUP)" || e2e_fail "the game does not catch hang-ups"
e2e_close_terminal foreground
e2e_terminal_game_end foreground 20
[[ $E2E_ENDING == "exit 0" ]] || e2e_fail "closing the terminal ended the game with $E2E_ENDING, not exit 0"
expect_saved "closing the terminal did not save the settings and the window's place"
e2e_log "terminal closed under the game: exit 0, saved with the window at $left,$top"

# --- Ctrl-C twice in one go -------------------------------------------------------------------
start_in_terminal ctrl-c "$(e2e_terminal_command ctrl-c)"
e2e_terminal ctrl-c 2
e2e_terminal_game_end ctrl-c 20
[[ $E2E_ENDING == "exit 0" ]] || e2e_fail "Ctrl-C twice ended the game with $E2E_ENDING, not exit 0"
expect_saved "Ctrl-C twice did not save the settings and the window's place"
# The shell works the sum out, so the answer shows only once it has run the line.
# shellcheck disable=SC2016 # the shell in the terminal expands it
e2e_terminal type 'echo "still $((6 * 7))"'
e2e_wait_until 10 grep -q 'still 42' "$E2E_WORK/ctrl-c.terminal" ||
    e2e_fail "the shell did not get its terminal back after the game"
e2e_close_terminal ctrl-c
e2e_log "Ctrl-C twice: exit 0, saved with the window at $left,$top; the shell went on"

# --- nohup in the background, the terminal closed ---------------------------------------------
start_in_terminal nohup "$(e2e_terminal_command nohup nohup) >$E2E_WORK/nohup.out 2>&1 &"
hup=$(kill -l HUP)
e2e_signal_mask "$E2E_PID" SigIgn "$hup" || e2e_fail "under nohup the game does not ignore hang-ups"
e2e_close_terminal nohup
# The shell has ended, and has passed its hang-up on to its jobs on the way: the game plays on.
e2e_barrier
e2e_pid_running "$E2E_PID" || e2e_fail "under nohup the game ended with the terminal: $(cat "$E2E_WORK/nohup.status" 2>/dev/null)"
e2e_wait_ticks 2 10 || e2e_fail "under nohup the game stopped playing when the terminal closed"
e2e_signal_mask "$E2E_PID" SigIgn "$hup" || e2e_fail "the game stopped ignoring hang-ups"
e2e_expect_file "$file" "$prepared" "settings.ini changed while the game played on"
e2e_log "nohup: the terminal closed, the game plays on"
kill -TERM "$E2E_PID"
e2e_terminal_game_end nohup 20
[[ $E2E_ENDING == "exit 0" ]] || e2e_fail "SIGTERM after the terminal closed ended the game with $E2E_ENDING"
expect_saved "SIGTERM after the terminal closed did not save the settings and the window's place"
e2e_log "nohup: SIGTERM later closed the game with exit 0, saved"
e2e_log "pass"
