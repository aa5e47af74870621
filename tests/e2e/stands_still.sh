#!/usr/bin/env bash
# The game stands still while a menu, the popup, a message box or a dialog is open: with a
# game in play, each of the Game menu, the popup menu, Tips, Help, Options and About is held
# open for six ticks of a slow 200 ms interval, and the field must not change at all; once it
# closes the game goes on.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# One lumabel and no clouds: the band crosses the whole field, so any step shows. At 200 ms a
# tick a game lasts some forty ticks, far more than each round below plays.
interval=200
printf '[Settings]\nPlayOptions=1,0,%d,Results,0\n' "$interval" >"$(e2e_settings)"

e2e_start_game
e2e_wait_title
e2e_click_to_play "" 20

# hold WHAT KEY...: a new game (F2), seen going on; then the keys (or a right click for
# "popup") open WHAT, which is held open for six ticks and closed with Escape; the game must
# then go on.
hold() {
    local what=$1
    shift
    e2e_focus
    e2e_key F2
    e2e_wait_fresh_band 20 || e2e_fail "F2 did not start a new game before $what"
    e2e_wait_ticks 2 20 || e2e_fail "the game does not go on before $what"
    if [[ $1 == popup ]]; then
        e2e_move 200 40
        xdotool click 3
    else
        e2e_key "$@"
    fi
    e2e_wait_until 10 e2e_other_window || e2e_fail "$* did not open $what"
    local win=$E2E_OTHER
    # A box or dialog opens over the field: set it aside, as a player may drag it, so the whole
    # field can be seen. Menus are small and stay where they open.
    if [[ $what != *menu ]]; then
        xdotool windowmove "$win" 410 0
        e2e_wait_until 10 e2e_window_at "$win" 410 0 || e2e_fail "$what could not be moved aside"
    fi
    e2e_stands_still "$what" "$win" $((6 * interval))
    e2e_focus "$win"
    e2e_key Escape
    e2e_wait_until 10 e2e_window_gone "$win" || e2e_fail "Escape did not close $what"
    e2e_focus
    e2e_wait_ticks 2 20 || e2e_fail "the game does not go on after $what"
}

hold "the Game menu" alt+g
hold "the popup menu" popup
hold "the Tips box" alt+h t
hold "the Help box" F1
hold "the Options dialog" F5
hold "the About box" alt+h a

e2e_exit_by_menu "$E2E_PID" "after the still screens"
e2e_log "pass"
