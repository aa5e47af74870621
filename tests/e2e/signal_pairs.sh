#!/usr/bin/env bash
# Signals come in pairs in ordinary life: a session that ends sends SIGTERM and then SIGHUP at
# once, a closed terminal two hang-ups, an impatient user a second kill or Ctrl-C. None of them
# may cut the close short: sent back to back, TERM+HUP, HUP+HUP, TERM+TERM and INT+INT each
# end the game with status 0 and settings.ini saved, byte for byte (see after_the_close for a
# busy machine).
# Then the second signal comes at gaps from nothing to longer than a whole close, so that it
# meets the close before, during and after the save: every run ends with the new file and no
# temporary file left behind, and with status 0 unless the second signal came after the whole
# close (it is then killed by it, with nothing left to lose).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
# Started in the background by this script, the game would find SIGINT ignored, and keep it so,
# as a shell without job control asks; a player's terminal or desktop starts it with the default.
E2E_GAME=$(e2e_wrap_game interruptible "$E2E_GAME" --default-signal=INT)
prepared=$E2E_SLOW_PLAY

# start_playing TAG: a run from the prepared file, in play at a place of its own; sets left and
# top.
start_playing() {
    e2e_start_playing_from "$prepared" "$file" "$1"
    left=$E2E_PLACE_X top=$E2E_PLACE_Y
}

# expect_saved WHAT: the game ended with status 0 and settings.ini is what a save of the
# prepared options writes with the window at left, top, with no temporary file beside it.
expect_saved() {
    [[ $E2E_ENDING == "exit 0" ]] || e2e_fail "$1: the game ended with $E2E_ENDING, not exit 0"
    e2e_expect_file "$file" "${prepared%Others=*}Others=0,0,$left,$top"$'\n' "$1: settings.ini is not the saved file"
    [[ -z $(e2e_temporaries "${file%/*}") ]] || e2e_fail "$1: left $(e2e_temporaries "${file%/*}")"
}

# after_the_close WHAT: true when the game was killed by the second signal with everything
# saved. On a busy machine this script may be held up between the two kills for longer than a
# whole close; the second signal then comes after the game has given the signals back, and
# meets their default action with nothing left to lose. Cut short, the save leaves the old file.
after_the_close() {
    [[ $E2E_ENDING == "signal $(kill -l "$second")" ]] || return 1
    E2E_ENDING="exit 0" expect_saved "$1"
    e2e_log "$1: the close was over, saved, when the second signal came and killed the game"
}

# --- back to back -----------------------------------------------------------------------------
for pair in "TERM HUP" "HUP HUP" "TERM TERM" "INT INT"; do
    read -r first second <<<"$pair"
    start_playing "${first}-$second"
    kill -s "$first" "$E2E_PID"
    kill -s "$second" "$E2E_PID" 2>/dev/null || true
    e2e_wait_end "$E2E_PID" 20
    if after_the_close "SIG$first and SIG$second back to back"; then
        continue
    fi
    expect_saved "SIG$first and SIG$second back to back"
    e2e_log "SIG$first + SIG$second back to back: exit 0, saved with the window at $left,$top"
done

# --- at growing gaps ----------------------------------------------------------------------------
# A close waits for the tick under way to end, so these runs tick every 100 ms.
prepared=${prepared/,1000,/,100,}
pairs=("TERM HUP" "HUP HUP" "TERM TERM" "INT INT" "HUP TERM" "INT HUP")
round=0
for gap in 0 0.01 0.03 0.06 0.1 0.2 0.3; do
    read -r first second <<<"${pairs[round % ${#pairs[@]}]}"
    round=$((round + 1))
    start_playing "gap$gap"
    kill -s "$first" "$E2E_PID"
    e2e_pause "$gap"
    kill -s "$second" "$E2E_PID" 2>/dev/null || true
    e2e_wait_end "$E2E_PID" 20
    if after_the_close "SIG$first, then SIG$second $gap s later"; then
        continue
    fi
    expect_saved "SIG$first, then SIG$second $gap s later"
    e2e_log "SIG$first, then SIG$second $gap s later: exit 0, saved"
done
e2e_log "pass"
