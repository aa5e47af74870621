#!/usr/bin/env bash
# A settings.ini written by hand, with CRLF line ends, comments, other sections, odd spelling,
# blanks around the values and numbers out of range. The game takes the window's place from it
# (and not from a key of the same name in another section). On exit it edits the file in
# place: its own keys' lines are rewritten with the numbers clamped into their limits and the
# key spelt as the file spells it, the missing key comes after the section's last key, and
# every other byte stays as it was, line ends included.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)

printf '%s\r\n' \
    '; my notes' \
    '[Other]' \
    'Keep = this' \
    'Others=1,2,3,4' \
    '' \
    '[settings]' \
    'playoptions = 40 , -3 , 20 , "Well done" , 0' \
    '; kept too' \
    'Others = 5, 1230 ,200,150' \
    'Colour=blue' \
    '' \
    '[Later]' \
    'x=1' >"$file"
cp "$file" "$E2E_WORK/prepared"

e2e_start_game
e2e_wait_title
e2e_window_at "$E2E_WIN" 200 150 ||
    e2e_fail "the window is at $(e2e_window_pos "$E2E_WIN"), not at the saved 200,150"
e2e_log "the window came up at the saved place 200,150"

# Moved elsewhere while the game runs, so the place saved on exit is a new one.
xdotool windowmove "$E2E_WIN" 150 120
e2e_wait_until 10 e2e_window_at "$E2E_WIN" 150 120 || e2e_fail "the window did not move to 150,120"
cmp -s "$file" "$E2E_WORK/prepared" || e2e_fail "settings.ini changed while the game ran"

e2e_exit_by_menu "$E2E_PID" "with the prepared settings"
# Command substitution would drop the last line end: printf -v keeps every byte.
printf -v expected '%s\r\n' \
    '; my notes' \
    '[Other]' \
    'Keep = this' \
    'Others=1,2,3,4' \
    '' \
    '[settings]' \
    'playoptions=16,0,20,"Well done",0' \
    '; kept too' \
    'Others=5,1230,150,120' \
    'Colour=blue' \
    'SystemOptions=1,0,1,0' \
    '' \
    '[Later]' \
    'x=1'
e2e_expect_file "$file" "$expected" \
    "the saved file is not the prepared one with the game's three keys edited in"
e2e_log "pass"
