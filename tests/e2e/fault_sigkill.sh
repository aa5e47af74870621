#!/usr/bin/env bash
# SIGKILL gives the game no chance to do anything, so it must never matter:
# - killed in the middle of play, the game has written nothing: settings.ini is the file it
#   started from, byte for byte. The kernel frees the single-instance lock with the process, so
#   the next start takes it at once (a start beside it is refused with status 1) and reads that
#   file: the window comes up at the saved place, and the saved record survives its Exit.
# - killed inside the save (held there by a preloaded library, after the temporary file is
#   written and before it replaces settings.ini): settings.ini is still the old file, and the
#   next run reads and saves as usual. Whether the temporary file is left behind is reported.
# - killed at varying short delays after SIGTERM, over and over (the delays spread over the
#   whole close, the save included): after each round settings.ini is either the old file or
#   the new one, whole, never anything in between. Temporary files left behind are counted.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
folder=${file%/*}
binary=$E2E_GAME
prepared=$'[Settings]\r\n; kept as it is\r\nPlayOptions=9,2,100,Results,1\r\nSystemOptions=1,0,1,0\r\nOthers=7,12340,31,41\r\n'
printf '%s' "$prepared" >"$file"

# --- SIGKILL during play ----------------------------------------------------------------------
e2e_start_watched playing
e2e_window_at "$E2E_WIN" 31 41 || e2e_fail "the window came up at $(e2e_window_pos "$E2E_WIN"), not at 31,41"
e2e_click_to_play
e2e_move_window 150 120
kill -KILL "$E2E_PID"
e2e_wait_end "$E2E_PID" 10
[[ $E2E_ENDING == "signal 9" ]] || e2e_fail "SIGKILL: the game ended with $E2E_ENDING"
e2e_expect_file "$file" "$prepared" "SIGKILL during play changed settings.ini"
[[ -z $(e2e_temporaries "$folder") ]] || e2e_fail "SIGKILL during play left $(e2e_temporaries "$folder")"
e2e_log "killed during play: settings.ini untouched"

# The next start: the lock is free at once, and it is taken (a start beside it is refused).
e2e_launch_watched next
next=$E2E_PID
e2e_find_watched_window "$next"
e2e_expect_refused_beside
e2e_wait_title
e2e_window_at "$E2E_WIN" 31 41 || e2e_fail "the next run's window is at $(e2e_window_pos "$E2E_WIN"), not at 31,41"
e2e_exit_by_menu "$next" "the next run"
e2e_expect_file "$file" "${prepared%Others=*}Others=7,12340,31,41"$'\r\n' \
    "the run after the kill did not read and keep the saved record and place"
e2e_log "the next run took the lock, refused a start beside it, read the file and saved it again"

# --- SIGKILL inside the save ------------------------------------------------------------------
if held=$(e2e_hold_game held "$binary"); then
    E2E_GAME=$held
    e2e_launch_watched held
    E2E_GAME=$binary
    e2e_find_watched_window "$E2E_PID"
    e2e_wait_title
    e2e_move_window 90 70
    e2e_menu_exit
    e2e_wait_until 20 test -e "$E2E_WORK/held.hold/held" || e2e_fail "Game > Exit did not come to the save"
    kill -KILL "$E2E_PID"
    e2e_wait_end "$E2E_PID" 10
    [[ $E2E_ENDING == "signal 9" ]] || e2e_fail "SIGKILL in the save: the game ended with $E2E_ENDING"
    e2e_expect_file "$file" "$prepared" "SIGKILL inside the save changed settings.ini"
    left_over=$(e2e_temporaries "$folder")
    if [[ -n $left_over ]]; then
        e2e_log "killed inside the save: settings.ini is the old file; the temporary file was left behind: $left_over"
    else
        e2e_log "killed inside the save: settings.ini is the old file, no temporary file left"
    fi
    e2e_start_watched after-held
    e2e_window_at "$E2E_WIN" 31 41 || e2e_fail "after the kill in the save the window is at $(e2e_window_pos "$E2E_WIN"), not 31,41"
    e2e_exit_by_menu "$E2E_PID" "the run after the kill in the save"
    e2e_expect_file "$file" "$prepared" "the run after the kill in the save did not save as usual"
    # A whole run adds no temporary file; it may clear away the one left before.
    left_after=$(e2e_temporaries "$folder")
    [[ -z $left_after || $left_after == "$left_over" ]] ||
        e2e_fail "the temporary files went from '$left_over' to '$left_after' over a whole run"
    if [[ -n $left_after ]]; then
        e2e_log "the next run read and saved as usual; the temporary file is still there"
    elif [[ -n $left_over ]]; then
        e2e_log "the next run read and saved as usual, and cleared the temporary file away"
    fi
    rm -f "$folder"/.settings-*
else
    e2e_log "no C compiler: the kill inside the save is not tried"
fi

# --- SIGKILL at varying delays after SIGTERM --------------------------------------------------
# A close first lets the tick under way end; at 1 ms a tick the delays spread over the rest of
# it, the save included, and not over the wait for the next tick.
prepared=${prepared/,100,/,1,}
printf '%s' "$prepared" >"$file"
# How long a whole close takes here, SIGTERM to the end, sets the spread of the delays.
measure_close() {
    e2e_start_watched measure
    local t0
    t0=$(e2e_now_ms)
    kill -TERM "$E2E_PID"
    e2e_wait_end "$E2E_PID" 20
    close_ms=$(($(e2e_now_ms) - t0))
    [[ $E2E_ENDING == "exit 0" ]] || e2e_fail "SIGTERM on the title ended the game with $E2E_ENDING"
}
measure_close
spread=$((close_ms * 3 / 2 + 5))
e2e_log "a close takes about $close_ms ms here; the kills come 0..$spread ms after SIGTERM"

declare -A outcomes=()
temporaries=0
rounds=0
budget=$(($(e2e_now_ms) + 15000))
while ((rounds < 30 && $(e2e_now_ms) < budget)); do
    rounds=$((rounds + 1))
    cp "$file" "$E2E_WORK/old.ini"
    e2e_launch_watched "round$rounds"
    e2e_find_watched_window "$E2E_PID"
    # The window goes to a place of the round's own, so the new file differs from the old.
    left=$((20 + rounds * 3)) top=$((10 + rounds * 2))
    e2e_move_window "$left" "$top" "round $rounds"
    printf '%s' "${prepared%Others=*}Others=7,12340,$left,$top"$'\r\n' >"$E2E_WORK/new.ini"
    # Most delays short (the save comes early in a close, before the windows and the X
    # connection are taken down), some reaching past the end: the square of an even spread.
    delay=$((RANDOM * spread * 1000 / 32767))
    delay=$((delay * delay / (spread * 1000)))
    kill -TERM "$E2E_PID"
    e2e_pause "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
    kill -KILL "$E2E_PID" 2>/dev/null || true
    e2e_wait_end "$E2E_PID" 20
    if cmp -s "$file" "$E2E_WORK/old.ini"; then
        now=old
    elif cmp -s "$file" "$E2E_WORK/new.ini"; then
        now=new
    else
        {
            echo "round $rounds, killed $delay µs after SIGTERM ($E2E_ENDING): settings.ini is"
            od -c "$file" | head -n 20
        } >&2
        e2e_fail "round $rounds: settings.ini is neither the old nor the new file"
    fi
    why=$(e2e_settings_shape "$file") || e2e_fail "round $rounds: settings.ini is incomplete: $why"
    case "$E2E_ENDING $now" in
        "exit 0 new" | "signal 9 old" | "signal 9 new") ;;
        *) e2e_fail "round $rounds: $E2E_ENDING with the $now file" ;;
    esac
    left_over=$(e2e_temporaries "$folder")
    if [[ -n $left_over ]]; then
        temporaries=$((temporaries + 1))
        e2e_log "round $rounds (kill $delay µs after SIGTERM): left behind $left_over"
        rm -f "$folder"/.settings-*
    fi
    outcomes["$E2E_ENDING, $now file"]=$((${outcomes["$E2E_ENDING, $now file"]:-0} + 1))
done
for outcome in "${!outcomes[@]}"; do
    e2e_log "$outcome: ${outcomes[$outcome]} of $rounds rounds"
done
e2e_log "$temporaries of $rounds rounds left a temporary file behind"
e2e_log "pass"
