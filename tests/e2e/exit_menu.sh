#!/usr/bin/env bash
# Game > Exit closes the window and ends the process with status 0, chosen from the keyboard
# during a game, and chosen with the mouse on the title screen.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# From the keyboard, in the middle of a game: Alt+G opens the Game menu, X is Exit's mnemonic.
e2e_start_game keyboard
e2e_wait_title
e2e_click_to_play
e2e_exit_by_menu "$E2E_PID" "from the keyboard"
e2e_window_gone "$E2E_WIN" || e2e_fail "the window is still on the screen"

# With the mouse: a click on the menu title opens the menu; Exit is its last item.
e2e_start_game mouse
e2e_wait_title
# The menu bar is the strip above the field; "Game" is its first title.
xdotool mousemove "$((E2E_WIN_X + 20))" "$(((E2E_WIN_Y + E2E_FY) / 2))" click 1
# The open menu is another window of the game's.
e2e_wait_until 10 e2e_other_window || e2e_fail "the Game menu did not open"
read -r mx my mw mh <<<"$(e2e_geometry "$E2E_OTHER")"
e2e_log "the Game menu is at $mx,$my size ${mw}x$mh"
xdotool mousemove "$((mx + mw / 2))" "$((my + mh - 12))" click 1
e2e_wait_exit "$E2E_PID" 20
((E2E_EXIT_CODE == 0)) || e2e_fail "Game > Exit with the mouse ended with status $E2E_EXIT_CODE"
e2e_log "pass"
