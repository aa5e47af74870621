#!/usr/bin/env bash
# An X11 desktop ends a session through its session manager (XSMP): at logout it asks every
# program to save its data, then to quit. A minimal session manager (session_manager.c, built
# here) plays that part for the real game:
# - the game registers, and asks not to be restarted at the next login;
# - the save request saves settings.ini while the game goes on running;
# - the quit request closes the game as Game > Exit does: status 0, settings.ini saved with the
#   place the window was last moved to, and the connection closed by the game.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
manager=$E2E_WORK/session-manager
if ! command -v cc >/dev/null 2>&1 ||
    ! cc -std=c11 -O1 -o "$manager" "$(dirname "$0")/session_manager.c" -lSM -lICE \
        >"$E2E_WORK/session-manager.log" 2>&1; then
    cat "$E2E_WORK/session-manager.log" >&2 2>/dev/null || true
    echo "[$E2E_NAME] skipped: no C compiler, or no libSM and libICE headers" >&2
    exit "$E2E_SKIP"
fi
mkfifo "$E2E_WORK/session.control"
"$manager" <"$E2E_WORK/session.control" >"$E2E_WORK/session.out" 2>&1 &
E2E_ALIVE[$!]=1
exec {control}>"$E2E_WORK/session.control"
said() {
    grep -q "$1" "$E2E_WORK/session.out"
}
count_said() {
    (($(grep -c "$1" "$E2E_WORK/session.out") >= $2))
}
e2e_wait_until 10 said '^listening ' || e2e_fail "the session manager did not start: $(cat "$E2E_WORK/session.out")"
id=$(awk '$1 == "listening" { print $2; exit }' "$E2E_WORK/session.out")
e2e_log "session manager at $id"

# A tick a second: no game can end by itself while the test looks at it.
prepared=$'[Settings]\nPlayOptions=9,2,1000,Results,1\nSystemOptions=1,0,1,0\nOthers=2,2500,10,10\n'
printf '%s' "$prepared" >"$file"
E2E_GAME=$(e2e_wrap_game in-session "$E2E_GAME" SESSION_MANAGER="$id")
e2e_launch_watched session
e2e_find_watched_window "$E2E_PID"
e2e_wait_until 20 said '^save-done' || e2e_fail "the game did not register with the session manager"
said '^property RestartStyleHint 3$' ||
    e2e_fail "the game did not ask not to be restarted: $(grep RestartStyleHint "$E2E_WORK/session.out")"
e2e_log "the game registered and asked not to be restarted"

e2e_wait_title
e2e_move_window 66 77
# The click comes behind the news of the move: once a game runs, the game has seen the move.
e2e_find_window "$E2E_PID"
e2e_click_to_play

# --- logout, first step: save ---------------------------------------------------------------------
echo save >&"$control"
e2e_wait_until 20 count_said '^save-done 1$' 2 || e2e_fail "the game did not answer the save request"
e2e_pid_running "$E2E_PID" || e2e_fail "the save request ended the game"
e2e_expect_file "$file" "${prepared%Others=*}Others=2,2500,66,77"$'\n' \
    "the save request did not save the settings"
e2e_log "the save request saved the settings; the game goes on"

# --- logout, second step: quit --------------------------------------------------------------------
e2e_move_window 88 99
e2e_find_window "$E2E_PID"
e2e_focus
e2e_key F2  # behind the move: a new game shows the game has seen it
e2e_wait_fresh_band 10 || e2e_fail "F2 did not start a new game"
echo die >&"$control"
e2e_wait_end "$E2E_PID" 20
[[ $E2E_ENDING == "exit 0" ]] || e2e_fail "the quit request ended the game with $E2E_ENDING, not exit 0"
e2e_expect_file "$file" "${prepared%Others=*}Others=2,2500,88,99"$'\n' \
    "the quit request did not close the game as Exit does"
e2e_wait_until 10 said '^closed$' || e2e_fail "the game did not close its connection to the session manager"
e2e_log "the quit request closed the game: exit 0, saved"
e2e_log "pass"
