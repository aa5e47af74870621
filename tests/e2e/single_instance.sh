#!/usr/bin/env bash
# Only one copy runs at a time: a second start ends at once with status 1, silently, and
# leaves the first alone; once the first has ended a new start works again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_game first
first=$E2E_PID
e2e_wait_title
title=$(e2e_save_as "$E2E_SHOT" title)
windows_before=$(xdotool search --onlyvisible --name '' | sort)

e2e_launch second
second=$E2E_PID
e2e_wait_exit "$second" 20
((E2E_EXIT_CODE == 1)) || e2e_fail "the second start ended with status $E2E_EXIT_CODE, not 1"
[[ ! -s $E2E_WORK/second.out ]] || e2e_fail "the second start printed: $(head -c 300 "$E2E_WORK/second.out")"
[[ ! -s $E2E_WORK/second.err ]] || e2e_fail "the second start printed to stderr: $(head -c 300 "$E2E_WORK/second.err")"
windows_after=$(xdotool search --onlyvisible --name '' | sort)
[[ $windows_after == "$windows_before" ]] || e2e_fail "the windows on the screen changed"

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
