#!/usr/bin/env bash
# The services the game talks to, hung: each takes the connection and never answers
# (silent_listener.py). A sound server (SDL's PulseAudio client given its address), a session
# manager (SESSION_MANAGER) and a session bus (DBUS_SESSION_BUS_ADDRESS), one at a time: the
# window comes up, a game plays with a click on a cloud (a note asked of the hung server), and
# Game > Exit ends it with 0. Then a real session manager (session_manager.c) dies under the
# game: the game plays on, its main thread asleep on the title, and Game > Exit ends it with 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound.sh"
e2e_begin "$@"
command -v python3 >/dev/null 2>&1 || {
    echo "[$E2E_NAME] skipped: no python3" >&2
    exit "$E2E_SKIP"
}

# One lumabel and four clouds at 400 ms a tick, as fault_data plays: a cloud to blow away soon.
prepared=$'[Settings]\nPlayOptions=1,4,400,Results,1\n'

# hung NAME: a silent listener on $E2E_WORK/NAME.sock, up and listening.
hung() {
    python3 "$(dirname "$0")/silent_listener.py" "$E2E_WORK/$1.sock" >"$E2E_WORK/$1.out" 2>&1 &
    E2E_ALIVE[$!]=1
    e2e_wait_until 10 grep -qs '^listening' "$E2E_WORK/$1.out" || e2e_fail "the hung $1 did not start"
}

# plays_and_exits WHAT ENV...: the game, given ENV, comes up, plays and exits 0 on Game > Exit.
plays_and_exits() {
    local what=$1
    shift
    printf '%s' "$prepared" >"$(e2e_settings)"
    e2e_launch "$what" "$@"
    e2e_find_window "$E2E_PID"
    e2e_wait_title
    e2e_click_to_play "$what"
    e2e_blow_a_cloud 20
    e2e_exit_by_menu "$E2E_PID" "$what"
    e2e_log "$what: the window came up, a game played, Game > Exit ended it with 0"
}

hung sound
hung manager
hung bus
plays_and_exits "hung sound server" SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$E2E_WORK/sound.sock"
grep -q '^accepted' "$E2E_WORK/sound.out" || e2e_fail "the game never asked the hung sound server"
plays_and_exits "hung session manager" SESSION_MANAGER="local/$(hostname):$E2E_WORK/manager.sock"
grep -q '^accepted' "$E2E_WORK/manager.out" || e2e_fail "the game never asked the hung session manager"
plays_and_exits "hung session bus" DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_WORK/bus.sock"
grep -q '^accepted' "$E2E_WORK/bus.out" || e2e_fail "the game never asked the hung session bus"

# --- a session manager that dies ----------------------------------------------------------------
manager=$E2E_WORK/session-manager
if ! command -v cc >/dev/null 2>&1 ||
    ! cc -std=c11 -O1 -o "$manager" "$(dirname "$0")/session_manager.c" -lSM -lICE \
        >"$E2E_WORK/session-manager.log" 2>&1; then
    e2e_log "no C compiler, or no libSM and libICE headers: the dying session manager is left out"
    e2e_log "pass"
    exit 0
fi
mkfifo "$E2E_WORK/session.control"
"$manager" <"$E2E_WORK/session.control" >"$E2E_WORK/session.out" 2>&1 &
manager_pid=$!
E2E_ALIVE[$manager_pid]=1
exec {control}>"$E2E_WORK/session.control"
e2e_wait_until 10 grep -q '^listening ' "$E2E_WORK/session.out" ||
    e2e_fail "the session manager did not start: $(cat "$E2E_WORK/session.out")"
id=$(awk '$1 == "listening" { print $2; exit }' "$E2E_WORK/session.out")
printf '%s' "$prepared" >"$(e2e_settings)"
e2e_launch dying SESSION_MANAGER="$id"
e2e_find_window "$E2E_PID"
e2e_wait_until 20 grep -q '^save-done' "$E2E_WORK/session.out" ||
    e2e_fail "the game did not register with the session manager"
e2e_wait_title
# libICE's answer to a lost connection, left to itself, is exit(1); the game's puts a
# never-readable descriptor (an eventfd) in place of the dead socket.
# The descriptors that are sockets now; one of them, the manager's, must turn into an eventfd.
# (Counting all eventfds would race the game's own threads, which make and drop theirs.)
sockets=$(find "/proc/$E2E_PID/fd" -lname 'socket:*' -printf '%f\n' 2>/dev/null)
socket_became_eventfd() {
    local fd
    for fd in $sockets; do
        [[ $(readlink "/proc/$E2E_PID/fd/$fd" 2>/dev/null) == 'anon_inode:[eventfd]' ]] && return 0
    done
    return 1
}
kill -KILL "$manager_pid"
e2e_wait_until 10 socket_became_eventfd || {
    e2e_pid_running "$E2E_PID" || e2e_fail "the session manager's death ended the game"
    e2e_fail "the game did not let go of the dead session manager"
}
e2e_pid_running "$E2E_PID" || e2e_fail "the session manager's death ended the game"
# Watched still, the dead socket would wake the main thread without end.
while read -r tid name woke; do
    e2e_log "title after the manager's death: thread $tid ($name) woke $woke times in 2 s"
    [[ $tid != "$E2E_PID" ]] || ((woke <= 3)) || e2e_fail "the dead session manager keeps the game awake"
done < <(e2e_wakeups "$E2E_PID" 2)
e2e_click_to_play "after the session manager's death"
e2e_exit_by_menu "$E2E_PID" "after the session manager's death"
e2e_log "the session manager died: the game played on and Game > Exit ended it with 0"
e2e_log "pass"
