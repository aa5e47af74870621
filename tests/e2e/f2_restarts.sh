#!/usr/bin/env bash
# F2 (Game > New) starts a new game at any time: during play the band drops back to the bottom
# of the field and climbs again from there.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# A slow tick: every shot of a busy machine still sees each tick, a band that has just started
# stays one for seven seconds, and a game lasts some forty ticks, twenty seconds.
interval=500
printf '[Settings]\nPlayOptions=9,2,%d,Results,0\n' "$interval" >"$(e2e_settings)"

e2e_start_game
e2e_wait_title
e2e_focus
e2e_key Return
e2e_wait_fresh_band 10 ||
    e2e_fail "Enter on the title did not start a game: no band at its start in $E2E_FRESH_SHOTS shots"
e2e_log "Enter started a game, band top at row $E2E_TOP"

# Let the game run for 16 ticks: the band is then more than 15 ticks from its start, where
# e2e_band_check no longer takes it (nor anything else) for a band that has just started.
e2e_wait_ticks 16 30 || e2e_fail "the game did not run 16 ticks: $(e2e_ticks_report)"
e2e_band_top "$E2E_SHOT" | grep -q . && e2e_fail "16 ticks in, the field still shows a band at its start"
e2e_log "16 ticks later ($E2E_TICKS_SHOTS shots); pressing F2"
e2e_key F2

# Only a new start brings the band back to the bottom, whole, in order, with the character on
# it in the middle.
e2e_wait_fresh_band 10 || e2e_fail "no new band at the bottom after F2 in $E2E_FRESH_SHOTS shots"
e2e_log "after F2 the band top is at row $E2E_TOP"

# The new game goes on like the first one did.
e2e_wait_ticks 2 10 || e2e_fail "the new game does not go on: $(e2e_ticks_report)"
e2e_pid_running "$E2E_GAME_PID" || e2e_fail "the game has gone"
e2e_log "pass"
