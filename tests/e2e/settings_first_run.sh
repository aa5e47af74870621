#!/usr/bin/env bash
# With no settings.ini beside the executable the game starts on its defaults, writes nothing
# while it runs, and Game > Exit writes the file: the three keys with the default options, no
# record and the window's place. A second run reads that file, and closing the window the way
# a window manager would saves as well: the same file, with the place the window was moved to
# and the file's own line ends.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)

e2e_start_game first
e2e_wait_title
read -r left top < <(e2e_window_pos "$E2E_WIN")
e2e_log "the window's outer top-left corner is at $left,$top"
[[ ! -e $file ]] || e2e_fail "settings.ini exists while the first run is still going"
e2e_exit_by_menu "$E2E_PID" "the first run"
e2e_expect_file "$file" \
    $'[Settings]\nPlayOptions=9,2,100,Results,1\nSystemOptions=1,0,1,0\n'"Others=0,0,$left,$top"$'\n' \
    "the first run did not write the defaults and the window's place"
e2e_log "the first run wrote the defaults with the window at $left,$top"

# The second run: the window comes up where the first one was. It is moved elsewhere (the X
# server does what a window manager's drag would) and closed with the close request.
cp "$file" "$E2E_WORK/written-first"
e2e_start_game second
e2e_wait_title
e2e_window_at "$E2E_WIN" "$left" "$top" ||
    e2e_fail "the second run's window is at $(e2e_window_pos "$E2E_WIN"), not at $left,$top"
new_left=$((left + 37)) new_top=$((top + 53))
xdotool windowmove "$E2E_WIN" "$new_left" "$new_top"
e2e_wait_until 10 e2e_window_at "$E2E_WIN" "$new_left" "$new_top" ||
    e2e_fail "the window did not move to $new_left,$new_top"
cmp -s "$file" "$E2E_WORK/written-first" || e2e_fail "settings.ini changed while the game ran"
e2e_close_window "$E2E_WIN"
e2e_wait_exit "$E2E_PID" 20
((E2E_EXIT_CODE == 0)) || e2e_fail "closing the window ended the game with status $E2E_EXIT_CODE"
e2e_expect_file "$file" \
    $'[Settings]\nPlayOptions=9,2,100,Results,1\nSystemOptions=1,0,1,0\n'"Others=0,0,$new_left,$new_top"$'\n' \
    "closing the window did not save the place it was moved to"
e2e_log "closing the window saved the new place $new_left,$new_top"
e2e_log "pass"
