#!/usr/bin/env bash
# The Windows edition starts on its title screen; a second copy exits with status 1 and
# brings the first one's window to the front, restored from the task bar.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/desktop.sh"
source "$(dirname "$0")/wine.sh"

win_begin "$1"
e2e_start_wm
e2e_launch first
first=$E2E_PID
e2e_find_window "$first"
e2e_wait_title
e2e_keep "$E2E_SHOT" title

xdotool windowminimize --sync "$E2E_WIN"
e2e_wait_until "$WIN_PATIENCE" e2e_window_gone "$E2E_WIN" || e2e_fail "the window did not go to the task bar"

e2e_launch second
e2e_wait_exit "$E2E_PID" 30
((E2E_EXIT_CODE == 1)) || e2e_fail "the second copy exited with $E2E_EXIT_CODE, not 1"
e2e_wait_until "$WIN_PATIENCE" win_viewable "$E2E_WIN" || e2e_fail "the first copy's window did not come back"
e2e_wait_until "$WIN_PATIENCE" win_is_active "$E2E_WIN" ||
    e2e_fail "the first copy's window is not the active one ($(win_active_window))"
e2e_pid_running "$first" || e2e_fail "the first copy ended"
e2e_wait_title
e2e_log "the second copy exited with 1 and raised the first"
