#!/usr/bin/env bash
# Game > Exit closes the window and ends the process with status 0, chosen from the keyboard
# during a game, and chosen with the mouse on the title screen.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# From the keyboard, in the middle of a game: Alt+G opens the Game menu, X is Exit's mnemonic.
e2e_start_game keyboard
e2e_wait_title
e2e_click 200 150
e2e_wait_fresh_band 10 || e2e_fail "the click did not start a game"
e2e_menu_exit
e2e_wait_exit "$E2E_PID" 20
((E2E_EXIT_CODE == 0)) || e2e_fail "Game > Exit from the keyboard ended with status $E2E_EXIT_CODE"
e2e_window_gone "$E2E_WIN" || e2e_fail "the window is still on the screen"

# With the mouse: a click on the menu title opens the menu; Exit is its last item.
e2e_start_game mouse
e2e_wait_title
# The menu bar is the strip above the field; "Game" is its first title.
xdotool mousemove "$((E2E_WIN_X + 20))" "$(((E2E_WIN_Y + E2E_FY) / 2))" click 1
# The open menu is another window of the game's.
menu=
find_menu() {
    local w
    for w in $(xdotool search --all --onlyvisible --pid "$E2E_PID" --name '' 2>/dev/null); do
        if [[ $w != "$E2E_WIN" ]]; then
            menu=$w
            return 0
        fi
    done
    return 1
}
e2e_wait_until 10 find_menu || e2e_fail "the Game menu did not open"
info=$(xwininfo -id "$menu")
mx=$(awk '/Absolute upper-left X:/ {print $NF}' <<<"$info")
my=$(awk '/Absolute upper-left Y:/ {print $NF}' <<<"$info")
mw=$(awk '/^ *Width:/ {print $NF}' <<<"$info")
mh=$(awk '/^ *Height:/ {print $NF}' <<<"$info")
e2e_log "the Game menu is at $mx,$my size ${mw}x$mh"
xdotool mousemove "$((mx + mw / 2))" "$((my + mh - 12))" click 1
e2e_wait_exit "$E2E_PID" 20
((E2E_EXIT_CODE == 0)) || e2e_fail "Game > Exit with the mouse ended with status $E2E_EXIT_CODE"
e2e_log "pass"
