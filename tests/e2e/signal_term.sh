#!/usr/bin/env bash
# A polite signal closes the game as Game > Exit does: SIGTERM during play, SIGINT with the
# Options dialog open over a game, SIGHUP with the Tips box open over a game; each time the
# process exits by itself with status 0 and settings.ini holds the options read and the place
# the window had just been moved to.
#
# A second signal while the first close is under way ends the process at once, with status
# 128 + the signal and without saving: a library preloaded into the game holds it inside the
# save (in the flush of the temporary file) for as long as the test likes, so the second
# SIGTERM surely meets a close in progress, and a game that ignored it would stay stuck there.
# Then two signals in a row, with no hold and gaps from nothing to longer than a whole close:
# however each run ends (saved and status 0, or stopped with 143), settings.ini is a whole file,
# the old one or the new one.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)
binary=$E2E_GAME
# A tick a second: no game can end by itself while the test looks at it.
prepared=$'[Settings]\nPlayOptions=9,2,1000,Results,1\nSystemOptions=1,0,1,0\nOthers=0,0,10,10\n'

# start_playing TAG: a run from the prepared file, in play, its window moved to a place of its
# own (so that a save shows in the file); sets left and top.
start_playing() {
    local tag=$1
    printf '%s' "$prepared" >"$file"
    e2e_launch_watched "$tag"
    e2e_find_watched_window "$E2E_PID"
    e2e_wait_title
    e2e_click 200 150
    e2e_wait_fresh_band 10 || e2e_fail "$tag: the click did not start a game"
    left=$((40 + RANDOM % 100)) top=$((30 + RANDOM % 100))
    xdotool windowmove "$E2E_WIN" "$left" "$top"
    e2e_wait_until 10 e2e_window_at "$E2E_WIN" "$left" "$top" || e2e_fail "$tag: the window did not move"
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

# --- a second signal during the close: the process ends at once -------------------------------
if held=$(e2e_hold_game held "$binary"); then
    E2E_GAME=$held
    start_playing second
    E2E_GAME=$binary
    kill -TERM "$E2E_PID"
    e2e_wait_until 20 test -e "$E2E_WORK/held.hold/held" ||
        e2e_fail "the first SIGTERM did not bring the game to saving its settings"
    temporary=$(<"$E2E_WORK/held.hold/held")
    e2e_log "the close is held inside the save, at the flush of ${temporary##*/}"
    e2e_expect_file "$file" "$prepared" "settings.ini changed before the save was done"
    kill -TERM "$E2E_PID"
    e2e_wait_end "$E2E_PID" 20
    [[ $E2E_ENDING == "exit 143" ]] ||
        e2e_fail "a second SIGTERM during the close ended the game with $E2E_ENDING, not exit 143"
    e2e_expect_file "$file" "$prepared" "the save cut short by the second signal changed settings.ini"
    e2e_log "the second SIGTERM ended the game at once with status 143; settings.ini is the old file"
    left_over=$(e2e_temporaries "${file%/*}")
    if [[ -n $left_over ]]; then
        e2e_log "the save cut short left its temporary file behind: $left_over"
        rm -f "${file%/*}"/.settings-*
    fi
else
    e2e_log "no C compiler: the held close is not tried"
fi

# --- two signals in a row, no hold ------------------------------------------------------------
# The gap between them grows from nothing to longer than a whole close, so the second one meets
# the close before, during and after the save; none of that may leave a damaged file.
# A close waits for the tick under way to end, so these runs tick every 100 ms.
prepared=${prepared/,1000,/,100,}
old=$E2E_WORK/old.ini
new=$E2E_WORK/new.ini
printf '%s' "$prepared" >"$old"
declare -A endings=()
for gap in 0 0.01 0.03 0.06 0.1 0.15 0.2 0.3; do
    start_playing "gap$gap"
    saved "$left" "$top"
    printf '%s' "$saved_file" >"$new"
    kill -TERM "$E2E_PID"
    e2e_pause "$gap"
    kill -TERM "$E2E_PID" 2>/dev/null || true
    e2e_wait_end "$E2E_PID" 20
    if cmp -s "$file" "$new"; then
        now=new
    elif cmp -s "$file" "$old"; then
        now=old
    else
        e2e_expect_file "$file" "$saved_file" "gap $gap s: settings.ini is neither the old nor the new file"
    fi
    case "$E2E_ENDING $now" in
        # The second signal came after the save: the close went on to its end. Once the game
        # has given its signals back, at the very end, the second one may kill it.
        "exit 0 new" | "signal 15 new") ;;
        # The second signal cut the close short, before or after the rename.
        "exit 143 old" | "exit 143 new") ;;
        *) e2e_fail "gap $gap s: the game ended with $E2E_ENDING and the $now settings file" ;;
    esac
    left_over=$(e2e_temporaries "${file%/*}")
    if [[ -n $left_over ]]; then
        e2e_log "gap $gap s: the save cut short left $left_over"
        rm -f "${file%/*}"/.settings-*
    fi
    e2e_log "gap $gap s: $E2E_ENDING, settings.ini is the $now file"
    endings["$E2E_ENDING, $now file"]=$((${endings["$E2E_ENDING, $now file"]:-0} + 1))
done
for ending in "${!endings[@]}"; do
    e2e_log "two SIGTERMs in a row: $ending ${endings[$ending]} times"
done
e2e_log "pass"
