#!/usr/bin/env bash
# Note files made to hurt never hold the game up: with a FIFO in place of a note (nobody ever
# writes to it), with a link to /dev/zero, with seven notes of 1 MiB each at 100 samples a
# second (hours of sound, refused before conversion) and with seven of 1.2 MB (past the size
# limit), the window comes up, the game plays, and it ends with status 0 on Game > Exit or on
# SIGTERM. How long each start took and the process's peak memory are reported next to the
# real notes' (the goals live in bench/SoundBench.cpp, not here).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
W=$E2E_WORK
data=$(dirname "$E2E_BINARY")
game=$W/game
e2e_copy_data "$game"
sound=$game/sound

# A wave image of `bytes` bytes of 16-bit mono samples at `rate` samples a second.
wave() {
    local bytes=$1 rate=$2
    perl -e '
        my ($bytes, $rate) = @ARGV;
        print "RIFF", pack("V", 36 + $bytes), "WAVEfmt ", pack("VvvVVvv", 16, 1, 1, $rate, 2 * $rate, 2, 16);
        print "data", pack("V", $bytes), "\x10\x20" x ($bytes / 2);
    ' "$bytes" "$rate"
}

# start TAG: the game shows its title; started_ms is how long that took, peak_kb its peak
# resident memory then.
start() {
    local t0
    t0=$(e2e_now_ms)
    e2e_start_watched "$1"
    started_ms=$(($(e2e_now_ms) - t0))
    peak_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$E2E_PID/status")
    e2e_log "$1: the title was up $started_ms ms after the start, peak memory $((peak_kb / 1024)) MiB"
}

# play_and_exit TAG: a game, then Game > Exit with status 0.
play_and_exit() {
    e2e_click_to_play "$1"
    e2e_exit_by_menu "$E2E_PID" "$1"
}

E2E_GAME=$(e2e_wrap_game wrap "$game/lumabels")

start real
real_ms=$started_ms
real_kb=$peak_kb
play_and_exit real

# A FIFO nobody writes to.
rm "$sound/note3.wav"
mkfifo "$sound/note3.wav"
start fifo
play_and_exit fifo
start fifo-term
kill -TERM "$E2E_PID"
e2e_wait_end "$E2E_PID" 20
[[ $E2E_ENDING == "exit 0" ]] || e2e_fail "fifo: SIGTERM ended it with $E2E_ENDING"
e2e_log "fifo: SIGTERM closed the game with status 0"
rm "$sound/note3.wav"

# A device that never ends.
ln -s /dev/zero "$sound/note3.wav"
start device
play_and_exit device
rm "$sound/note3.wav"

# Hours of sound in small files, then files past the size limit.
for set in "1048532 low-rate" "1200000 over-limit"; do
    read -r bytes tag <<<"$set"
    for note in 1 2 3 4 5 6 7; do
        wave "$bytes" 100 >"$sound/note$note.wav"
    done
    start "$tag"
    play_and_exit "$tag"
    e2e_log "$tag: $((started_ms - real_ms)) ms and $(((peak_kb - real_kb) / 1024)) MiB more than with the real notes"
done
e2e_log "pass"
