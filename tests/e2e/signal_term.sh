#!/usr/bin/env bash
# A polite signal closes the game as Game > Exit does: SIGTERM during play, SIGINT with the
# Options dialog open over a game, SIGHUP with the Tips box open over a game; each time the
# process exits by itself with status 0 and settings.ini holds the options read and the place
# the window had just been moved to.
#
# Signals that come while the close is under way wait for it. A library preloaded into the
# game holds it inside the save (in the flush of the temporary file) for as long as the test
# likes, so these signals surely meet a close in progress:
# - SIGHUP, SIGTERM and a quick second SIGINT are absorbed: released, the close goes on to
#   status 0 and the saved file;
# - only Ctrl-C again, a second or more after the first, ends the game at once: it dies by
#   SIGINT, as a program stopped with Ctrl-C does, and settings.ini is still the old file,
#   whole.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
binary=$E2E_GAME
# Started in the background by this script, the game would find SIGINT ignored, and keep it so,
# as a shell without job control asks; a player's terminal or desktop starts it with the default.
E2E_GAME=$(e2e_wrap_game interruptible "$binary" --default-signal=INT)
interruptible=$E2E_GAME
prepared=$E2E_SLOW_PLAY

# start_playing TAG: a run from the prepared file, in play at a place of its own; sets left and
# top.
start_playing() {
    e2e_start_playing_from "$prepared" "$file" "$1"
    left=$E2E_PLACE_X top=$E2E_PLACE_Y
}

# saved LEFT TOP: what a save of the prepared options with the window at LEFT, TOP writes.
saved() {
    saved_file=${prepared%Others=*}Others=0,0,$1,$2$'\n'
}

# open_box TITLE KEY...: opens a modal window of the game's with the keys and waits for it.
open_box() {
    local title=$1 box
    shift
    e2e_focus
    e2e_key "$@"
    box=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$E2E_PID" \
        --name "^$title\$" | head -n 1) || true
    [[ -n $box ]] || e2e_fail "$* did not open the $title window"
    e2e_log "the $title window is open over the game"
}

# --- one signal: the game closes and saves ----------------------------------------------------
for signal in TERM INT HUP; do
    start_playing "$signal"
    case $signal in
        INT) open_box Options F5 ;;
        HUP) open_box Tips alt+h t ;;
    esac
    kill -s "$signal" "$E2E_PID"
    e2e_wait_end "$E2E_PID" 20
    [[ $E2E_ENDING == "exit 0" ]] || e2e_fail "SIG$signal during play: the game ended with $E2E_ENDING, not exit 0"
    e2e_window_gone "$E2E_WIN" || e2e_fail "SIG$signal: the window is still on the screen"
    saved "$left" "$top"
    e2e_expect_file "$file" "$saved_file" "SIG$signal did not save the settings and the window's place"
    [[ -z $(e2e_temporaries "${file%/*}") ]] || e2e_fail "SIG$signal left $(e2e_temporaries "${file%/*}")"
    e2e_log "SIG$signal: exit 0, settings saved with the window at $left,$top"
done

# --- signals during the close ------------------------------------------------------------------
# start_held TAG: start_playing with the hold library, then the close begun with the signals
# given after TAG; waits until the save is held and sets temporary to the file being saved.
start_held() {
    local tag=$1 signal
    shift
    E2E_GAME=$held
    start_playing "$tag"
    E2E_GAME=$interruptible
    first_signal_ms=$(e2e_now_ms)
    for signal in "$@"; do
        kill -s "$signal" "$E2E_PID"
    done
    e2e_wait_until 20 held_or_ended "$E2E_PID" ||
        e2e_fail "$tag: SIG$1 did not bring the game to saving its settings"
    [[ -e $E2E_WORK/held.hold/held ]] ||
        e2e_fail "$tag: the game ended with $(<"${E2E_STATUS_OF[$E2E_PID]}") before it saved"
    temporary=$(<"$E2E_WORK/held.hold/held")
    rm -f "$E2E_WORK/held.hold/held"
    e2e_log "$tag: the close is held inside the save, at the flush of ${temporary##*/}"
    e2e_expect_file "$file" "$prepared" "$tag: settings.ini changed before the save was done"
}

held_or_ended() {
    [[ -e $E2E_WORK/held.hold/held || -s ${E2E_STATUS_OF[$1]} ]]
}

# still_closing TAG WHAT: the signals sent have been handled, and the game is still held in
# its save.
still_closing() {
    e2e_wait_until 10 e2e_signals_taken "$E2E_PID" || e2e_fail "$1: the game did not take the signals"
    e2e_pid_running "$E2E_PID" || e2e_fail "$1: $2 ended the game during its save: $(<"${E2E_STATUS_OF[$E2E_PID]}")"
}

if held_game=$(e2e_hold_game held "$binary"); then
    held=$(e2e_wrap_game held-interruptible "$held_game" --default-signal=INT)

    # SIGHUP, SIGTERM and another SIGINT, all at once, while the save is held.
    start_held absorbed TERM
    for signal in HUP TERM INT HUP; do
        kill -s "$signal" "$E2E_PID"
    done
    still_closing absorbed "SIGHUP, SIGTERM or SIGINT"
    e2e_release_hold held
    e2e_wait_end "$E2E_PID" 20
    [[ $E2E_ENDING == "exit 0" ]] || e2e_fail "signals during the save: the game ended with $E2E_ENDING, not exit 0"
    saved "$left" "$top"
    e2e_expect_file "$file" "$saved_file" "signals during the save cut it short"
    e2e_log "SIGHUP, SIGTERM and SIGINT during the save waited for it: exit 0, saved"

    # Ctrl-C twice in a row: the second within the second.
    start_held quick-interrupts INT INT
    if (($(e2e_now_ms) - first_signal_ms < 900)); then
        still_closing quick-interrupts "a second SIGINT at once"
    else
        e2e_log "this machine took a second to reach the save: the quick second SIGINT is not judged"
    fi
    e2e_release_hold held
    e2e_wait_end "$E2E_PID" 20
    [[ $E2E_ENDING == "exit 0" ]] || e2e_fail "two quick SIGINTs: the game ended with $E2E_ENDING, not exit 0"
    saved "$left" "$top"
    e2e_expect_file "$file" "$saved_file" "two quick SIGINTs cut the save short"
    e2e_log "SIGINT twice in a row: exit 0, saved"

    # Ctrl-C again after a pause: the player insists.
    start_held insisted INT
    kill -s HUP "$E2E_PID"
    still_closing insisted "SIGHUP"
    # The rule itself is about time passing: this pause is what is tested, not a wait.
    remaining=$((1100 - ($(e2e_now_ms) - first_signal_ms)))
    if ((remaining > 0)); then
        e2e_pause "$(printf '%d.%03d' $((remaining / 1000)) $((remaining % 1000)))"
    fi
    kill -s INT "$E2E_PID"
    e2e_wait_end "$E2E_PID" 20
    [[ $E2E_ENDING == "signal 2" ]] ||
        e2e_fail "SIGINT again after a pause ended the game with $E2E_ENDING, not by SIGINT"
    e2e_expect_file "$file" "$prepared" "the save cut short by the insistent SIGINT changed settings.ini"
    e2e_log "SIGINT again after a pause ended the game at once by SIGINT; settings.ini is the old file"
    left_over=$(e2e_temporaries "${file%/*}")
    if [[ -n $left_over ]]; then
        e2e_log "the save cut short left its temporary file behind: $left_over"
        rm -f "${file%/*}"/.settings-*
    fi
else
    e2e_log "no C compiler: the held close is not tried"
fi
e2e_log "pass"
