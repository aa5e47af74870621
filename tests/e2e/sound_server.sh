#!/usr/bin/env bash
# The game with a real sound server (PipeWire, a null sink): the notes are heard through the
# server, and the game opens its stream only for play. On the title and results screens
# nothing moves, and no thread of the game wakes: each thread's voluntary context switches are
# counted over a few seconds. A wake-up a second on any thread would show as a handful; the
# loop that used to wake ten times a second, or an open stream a hundred times, as dozens.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sound.sh"
e2e_begin "$@"
e2e_start_sound_server

quiet_seconds=4
# A thread may be woken once or twice from outside (an X event, the server); a timed wake-up
# of any period under a second would come to more.
most_wakeups=3

# sleeps_on WHAT: no thread of the game woke more than a few times in a few seconds.
sleeps_on() {
    local tid name woke busy=
    while read -r tid name woke; do
        e2e_log "$1: thread $tid ($name) woke $woke times in $quiet_seconds s"
        ((woke <= most_wakeups)) || busy+=" $name($woke)"
    done < <(e2e_wakeups "$E2E_PID" "$quiet_seconds")
    [[ -z $busy ]] || e2e_fail "$1: threads woke while nothing moved:$busy"
}

# The game is given what a desktop gives it: both ways to the server, and no SDL_AUDIODRIVER.
E2E_GAME=$(e2e_wrap_game wrap-sound "$E2E_GAME" "${E2E_SOUND_CLIENT[@]}")
e2e_start_game
e2e_wait_title
e2e_has_no_stream "$E2E_PID" || e2e_fail "the title screen opened a stream on the sound server"
sleeps_on "title"

heard=$E2E_WORK/heard.raw
e2e_record "$heard"
e2e_click 200 150
e2e_wait_fresh_band 10 || e2e_fail "a click on the title did not start a game"
e2e_wait_until 10 e2e_has_stream "$E2E_PID" || e2e_fail "no stream was opened for play"
e2e_log "a game started, and its stream with it"
# The bridge would run the server's graph four times as often as the game's buffer needs.
apis=$(e2e_stream_apis "$E2E_PID")
[[ $apis == native ]] ||
    e2e_fail "the stream came through the PulseAudio bridge ($apis), not PipeWire's own interface"
e2e_log "the stream came by $apis"
! e2e_heard "$heard" || e2e_fail "something sounded before any note"
e2e_blow_a_cloud 20
e2e_wait_until 10 e2e_heard "$heard" || e2e_fail "the note was not heard through the sound server"
e2e_log "the note was heard through the server, peak $(e2e_loudest "$heard")"

e2e_wait_results 30 || e2e_fail "the game did not end"
e2e_wait_until 10 e2e_has_no_stream "$E2E_PID" ||
    e2e_fail "the stream stayed open on the results screen"
e2e_log "the stream closed after the game"
sleeps_on "results"

e2e_exit_by_menu "$E2E_PID" "after play through the sound server"
e2e_log "pass"
