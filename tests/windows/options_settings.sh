#!/usr/bin/env bash
# settings.ini under Wine: a restart restores the record and the window's place and saves them
# back unchanged, CR LF line ends included; Options with Cancel (from the popup menu) changes
# nothing, with OK the new count is saved at Exit; the About box opens and closes; the end of
# the Windows session saves too.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/desktop.sh"
source "$(dirname "$0")/wine.sh"

win_begin "$1"
e2e_start_wm
settings=$(e2e_settings)
prepared=$'[Settings]\r\nPlayOptions=9,2,100,Results,1\r\nSystemOptions=1,0,1,0\r\nOthers=7,12340,50,60\r\n'
printf '%s' "$prepared" >"$settings"

e2e_start_game first
e2e_wait_title
e2e_exit_by_menu "$E2E_PID" "a start from the prepared file"
e2e_expect_file "$settings" "$prepared" "the record or the place did not come back as they were"

e2e_start_game second
e2e_wait_title
title=$(e2e_save_as "$E2E_SHOT" title)

# Cancel, reached through the popup menu of a right click.
e2e_move 200 150
xdotool click 3
e2e_key o
e2e_wait_until "$WIN_PATIENCE" e2e_named_window '^Options$' || e2e_fail "the popup's Options did not open"
E2E_DIALOG=$E2E_NAMED
e2e_focus "$E2E_DIALOG"
e2e_key alt+l 5
e2e_close_options Escape
e2e_open_options
e2e_key alt+l 3
e2e_close_options Return
e2e_wait_same "$title" 10 || e2e_fail "OK did not bring the title screen back"

e2e_focus
e2e_key alt+h a
about=$(e2e_dialog '^About$') || e2e_fail "Help > About did not open the About box"
e2e_focus "$about"
e2e_key Return
e2e_wait_until "$WIN_PATIENCE" e2e_window_gone "$about" || e2e_fail "Enter did not close the About box"

e2e_exit_by_menu "$E2E_PID" "after Options"
[[ $(e2e_settings_key "$settings" PlayOptions) == "3,2,100,Results,1" ]] ||
    e2e_fail "Options OK did not save 3 lumabels: $(e2e_settings_key "$settings" PlayOptions)"
[[ $(e2e_settings_key "$settings" Others) == "7,12340,50,60" ]] ||
    e2e_fail "the record and place changed: $(e2e_settings_key "$settings" Others)"

# The session ends (Wine sends WM_QUERYENDSESSION and WM_ENDSESSION to every window): what
# the player chose is saved without an Exit.
e2e_start_game third
e2e_wait_title
e2e_open_options
e2e_key alt+l 4
e2e_close_options Return
wineboot --end-session >/dev/null 2>&1 || true
e2e_wait_exit "$E2E_PID" 30
[[ $(e2e_settings_key "$settings" PlayOptions) == "4,2,100,Results,1" ]] ||
    e2e_fail "the session's end did not save 4 lumabels: $(e2e_settings_key "$settings" PlayOptions)"
