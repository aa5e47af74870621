#!/usr/bin/env bash
# On the results screen a left click does nothing, while Space starts a new game.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_game
e2e_wait_title
e2e_focus
e2e_key space
e2e_wait_fresh_band 10 || e2e_fail "Space on the title did not start a game"
e2e_log "Space started a game, band top at row $E2E_TOP"

e2e_wait_results 15 || e2e_fail "no results within 15 s of the start"
results=$(e2e_save_as "$E2E_SHOT" results)
e2e_log "results are up"

# A click on the results, right on the text. Once the game has handled it (the barrier), the
# field must still be the very same picture: a new game would have drawn its band at once.
e2e_click 200 150
e2e_barrier
e2e_wait_same "$results" 5 || e2e_fail "a click on the results changed the field"
e2e_pid_running "$E2E_GAME_PID" || e2e_fail "the game has gone"

e2e_key space
e2e_wait_fresh_band 10 || e2e_fail "Space on the results did not start a new game"
e2e_log "Space started a new game, band top at row $E2E_TOP"
(($(e2e_count "$E2E_SHOT" "$E2E_OUTLINE") == 0)) || e2e_fail "the results text is still on the field"
e2e_wait_ticks 2 10 || e2e_fail "the new game does not go on"
e2e_log "pass"
