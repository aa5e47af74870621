#!/usr/bin/env bash
# Shift acts as a left click at the mouse pointer, only while playing and only over the field:
# - on the title screen Shift does nothing, where a left click starts a game;
# - during play, Shift with the pointer over the menu bar leaves a cloud alone, and Shift with
#   the pointer on that cloud blows it away, as a click on it does.
# Clouds are put at random, so the game is restarted (F2) until one lies clear of everything
# that moves; a round where a lumabel or the band comes near the cloud proves nothing either
# way and is played again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# One lumabel and four clouds, so a cloud clear of everything is soon found, and a slow tick, so
# that the ten ticks a round may take are not used up by a busy machine's slow shots.
printf '[Settings]\nPlayOptions=1,4,400,Results,0\n' >"$(e2e_settings)"

e2e_start_game
e2e_wait_title
title=$(e2e_save_as "$E2E_SHOT" title)

# --- the title screen -----------------------------------------------------------------------
e2e_focus
e2e_move 200 150
e2e_key shift
e2e_barrier
e2e_wait_same "$title" 5 || e2e_fail "Shift on the title screen changed the field"
e2e_log "Shift on the title did nothing"
e2e_click 200 150
e2e_wait_fresh_band 10 || e2e_fail "a click on the title did not start a game"
e2e_log "a click on the title started a game"

# --- during play ----------------------------------------------------------------------------

menu_y=$(((E2E_WIN_Y + E2E_FY) / 2)) # the middle of the menu bar, in screen coordinates
done=
give_up=$(($(e2e_now_ms) + 40000)) # well inside the test's time limit, for a clear message
for round in $(seq 1 40); do
    (($(e2e_now_ms) < give_up)) || break
    if ((round > 1)); then
        e2e_focus
        e2e_key F2
        e2e_wait_fresh_band 10 || e2e_fail "F2 did not start a new game"
    fi
    start=$(e2e_save_as "$E2E_SHOT" "round$round")
    top=$E2E_TOP
    pick=$(e2e_clear_cloud "$start" "$top")
    if [[ -z $pick ]]; then
        e2e_log "round $round: no cloud clear of everything"
        continue
    fi
    read -r a b y cx t bot <<<"$pick"
    aim=$(((t + bot) / 2)) # column cx is white from t to bot: the middle of it is in the cloud
    e2e_log "round $round: cloud at columns $a..$b, rows $t..$bot; aiming at $cx,$aim"

    # Shift with the pointer over the menu bar, right above the cloud.
    xdotool mousemove $((E2E_FX + cx)) "$menu_y"
    e2e_key shift
    e2e_wait_ticks 2 10 || e2e_fail "the game stopped after Shift over the menu bar"
    state=$(e2e_cloud_state "$E2E_SHOT" "$a" "$b" "$y" "$cx" "$t" "$bot")
    if [[ $state == covered ]]; then
        e2e_log "round $round: something came near the cloud; again"
        continue
    fi
    [[ $state == intact ]] || e2e_fail "Shift with the pointer over the menu bar changed the cloud at $cx,$aim"

    # Shift with the pointer on the cloud.
    e2e_move "$cx" "$aim"
    e2e_key shift
    e2e_wait_ticks 2 10 || e2e_fail "the game stopped after Shift on the cloud"
    state=$(e2e_cloud_state "$E2E_SHOT" "$a" "$b" "$y" "$cx" "$t" "$bot")
    if [[ $state == covered ]]; then
        e2e_log "round $round: something came near the cloud; again"
        continue
    fi
    [[ $state == gone ]] || e2e_fail "Shift with the pointer on the cloud at $cx,$aim did not blow it away"
    e2e_log "round $round: Shift over the menu bar left the cloud alone, Shift on it blew it away"
    done=yes
    break
done
[[ -n $done ]] || e2e_fail "no round with a cloud clear of everything in $round rounds (40 s)"

# The game goes on after all that Shift.
e2e_wait_ticks 2 10 || e2e_fail "the game stopped"
e2e_pid_running "$E2E_GAME_PID" || e2e_fail "the game has gone"
e2e_log "pass"
