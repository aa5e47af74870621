#!/usr/bin/env bash
# A game under Wine, judged by the same questions as the Linux edition's pictures: the title
# screen, a click that starts a game with the band and the character where they belong, the
# game held still under a message box, the results block centred over the last frame, and
# Space starting the next game.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/desktop.sh"
source "$(dirname "$0")/wine.sh"

win_begin "$1"
e2e_start_wm
e2e_start_game
e2e_wait_title
e2e_keep "$E2E_SHOT" title

e2e_click_to_play "the Windows edition"
band=$(e2e_band_check "$E2E_SHOT" "$E2E_TOP") || e2e_fail "the first band is not right: $band"
e2e_keep "$E2E_SHOT" play

# The game stands still while a message box is open, and goes on once it is closed.
e2e_focus
e2e_key alt+h t
tips=$(e2e_dialog '^Tips$') || e2e_fail "Help > Tips did not open"
e2e_shot held
held=$(e2e_save_as "$E2E_SHOT" held)
e2e_pause 0.5
e2e_shot poll
e2e_same_shot "$E2E_SHOT" "$held" || e2e_fail "the game went on under the Tips box"
e2e_focus "$tips"
e2e_key Escape
e2e_wait_until "$WIN_PATIENCE" e2e_window_gone "$tips" || e2e_fail "Escape did not close the Tips box"
e2e_wait_ticks 2 5 || e2e_fail "the game did not go on after the Tips box"

e2e_wait_results 30 || e2e_fail "no results screen"
e2e_keep "$E2E_SHOT" results
read -r x0 y0 x1 y1 <<<"$(e2e_bbox "$E2E_SHOT" "$E2E_OUTLINE")"
# The block is centred on the field; its outline stands one pixel around the text.
cx=$(((x0 + x1) / 2)) cy=$(((y0 + y1) / 2))
((cx >= 198 && cx <= 201 && cy >= 147 && cy <= 152)) ||
    e2e_fail "the results block is not centred: its outline spans $x0,$y0 to $x1,$y1"
e2e_log "results block $x0,$y0 to $x1,$y1"

e2e_focus
e2e_key space
e2e_wait_fresh_band 10 || e2e_fail "Space on the results screen did not start a game"
e2e_exit_by_menu "$E2E_PID" "the Windows edition"
