#!/usr/bin/env bash
# Only one copy runs at a time: a second start ends at once with status 1, silently, and
# brings the first copy's window forward (under openbox, as on a desktop: another window has
# the focus before); once the first has ended a new start works again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
e2e_begin "$@"
e2e_start_wm

e2e_start_game first
first=$E2E_PID
game_window=$E2E_WIN
e2e_wait_title
title=$(e2e_save_as "$E2E_SHOT" title)

# The window manager's idea of the active window, as a decimal id (0 for none).
active_window() {
    printf '%d\n' "$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //; s/,.*//')"
}
is_active() {
    [[ $(active_window) == "$1" ]]
}
# Another program's window takes the focus, as the player's terminal would.
other_shown() {
    other=$(xdotool search --onlyvisible --classname '^other$' 2>/dev/null | head -n 1) || true
    [[ -n $other ]]
}
xmessage -name other "another program" >"$E2E_WORK/other.log" 2>&1 &
E2E_ALIVE[$!]=1
e2e_wait_until 10 other_shown || e2e_fail "the other window did not show"
e2e_activate "$other"
e2e_wait_until 10 is_active "$other" || e2e_fail "the other window did not become active"
windows_before=$(xdotool search --onlyvisible --name '' | sort)

e2e_launch second
second=$E2E_PID
e2e_wait_exit "$second" 20
((E2E_EXIT_CODE == 1)) || e2e_fail "the second start ended with status $E2E_EXIT_CODE, not 1"
[[ ! -s $E2E_WORK/second.out ]] || e2e_fail "the second start printed: $(head -c 300 "$E2E_WORK/second.out")"
[[ ! -s $E2E_WORK/second.err ]] || e2e_fail "the second start printed to stderr: $(head -c 300 "$E2E_WORK/second.err")"
windows_after=$(xdotool search --onlyvisible --name '' | sort)
[[ $windows_after == "$windows_before" ]] || e2e_fail "the windows on the screen changed"
e2e_wait_until 10 is_active "$game_window" ||
    e2e_fail "the first copy's window did not become active (active: $(active_window), game: $game_window)"
e2e_log "the second start brought the first copy's window forward"

# The first copy goes on as if nothing happened: it still answers and still shows its title,
# and a key still starts its game.
e2e_pid_running "$first" || e2e_fail "the first copy has ended"
e2e_barrier
e2e_wait_same "$title" 5 || e2e_fail "the first copy's field changed"
e2e_key space
e2e_wait_fresh_band 10 || e2e_fail "the first copy did not start a game on Space"

e2e_exit_by_menu "$first" "the first copy"

# With the first copy gone the lock is free again.
e2e_start_game third
e2e_wait_title
e2e_exit_by_menu "$E2E_PID" "the third copy"
e2e_log "pass"
