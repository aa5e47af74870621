#!/usr/bin/env bash
# The game's data and surroundings may be missing or broken; it still starts, plays and exits
# with status 0, and says nothing the player would have to answer:
# - no sound/ beside it (nor in ../share): no sound device is opened at all (SDL's disk driver
#   would make its file), and a cloud blown away (a note due) changes nothing else;
# - seven broken note files (random bytes, empty, a wave cut in half, a bare header, text,
#   random bytes behind a RIFF/WAVE mark, random bytes again): the device opens (every file
#   could be read) but stays silent when a note is due, where the real notes sound;
# - no help page: Help, then OK, shows no window of the game's and the game goes on; what the
#   browser (a stand-in xdg-open on PATH) was handed, if anything, is reported;
# - no sound device (SDL_AUDIODRIVER=nonexistent): silent, plays as usual;
# - no XDG_RUNTIME_DIR: the single-instance lock goes to a folder of the user's own in $TMPDIR,
#   with the user id in its name, and a second start is still refused with status 1;
# - the game in a folder whose path has blanks and non-ASCII letters: it finds its notes and
#   help page there (the page's URL names that folder) and writes settings.ini there.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
binary=$E2E_WORK/game/lumabels
data=$(dirname "$E2E_BINARY")
# One lumabel and four clouds, so a cloud clear of everything is soon found, and a slow tick,
# so that even a busy machine clicks it before the band comes near.
options=$'[Settings]\nPlayOptions=1,4,400,Results,1\n'

# The browser's stand-in writes down what it was given.
mkdir -p "$E2E_WORK/fakebin"
cat >"$E2E_WORK/fakebin/xdg-open" <<SH
#!/bin/sh
printf '%s\n' "\$@" >"$E2E_WORK/opened.tmp" && mv "$E2E_WORK/opened.tmp" "$E2E_WORK/opened"
SH
chmod 755 "$E2E_WORK/fakebin/xdg-open"

# start TAG FOLDER [ENV ARGUMENT]...: the game in FOLDER (with the prepared options) through a
# wrapper giving it those variables, watched; waits for its title.
start() {
    local tag=$1 folder=$2
    shift 2
    printf '%s' "$options" >"$folder/settings.ini"
    E2E_GAME=$(e2e_wrap_game "wrap-$tag" "$folder/lumabels" "$@" PATH="$E2E_WORK/fakebin:$PATH")
    e2e_start_watched "$tag"
}

# finish TAG: Game > Exit, and status 0.
finish() {
    e2e_exit_by_menu "$E2E_PID" "$1"
}

# play TAG: a game in which a cloud is blown away: a point, and a note due.
play() {
    e2e_click_to_play "$1"
    e2e_blow_a_cloud 20
}

# audio_grown FILE BYTES: the disk driver has written at least BYTES in all.
audio_grown() {
    (($(stat -c %s "$1") >= $2))
}

# audio_sounds FILE: some sample in FILE is not silence.
audio_sounds() {
    ! cmp -s -n "$(stat -c %s "$1")" "$1" /dev/zero
}

# The device takes 16-bit mono samples at the rate the sound code opens it at (read from its
# source, the one place it is set): a second is twice that many bytes.
rate_header=$E2E_LIB_DIR/../../src/qt/sound/DeviceSampleRate.h
rate=$(sed -n 's/^inline constexpr int DeviceSampleRate = \([0-9][0-9]*\);.*/\1/p' "$rate_header")
[[ $rate =~ ^[1-9][0-9]*$ ]] || e2e_fail "no device rate found in $rate_header"
second=$((2 * rate))

# --- the real notes: a blown cloud sounds -----------------------------------------------------
audio=$E2E_WORK/notes.raw
start notes "$E2E_WORK/game" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio"
# The device opens for play, not for the title screen.
[[ ! -e $audio ]] || e2e_fail "notes: the title screen opened the sound device"
play notes
[[ -e $audio ]] || e2e_fail "notes: the sound device was not opened for play"
e2e_wait_until 10 audio_sounds "$audio" || e2e_fail "notes: no sound came after a cloud was blown away"
finish notes
e2e_log "notes: a blown cloud sounded"

# --- seven broken note files ------------------------------------------------------------------
broken=$E2E_WORK/broken-notes
mkdir "$broken"
head -c 4096 /dev/urandom >"$broken/note1.wav"
: >"$broken/note2.wav"
head -c "$(($(stat -c %s "$data/sound/note3.wav") / 2))" "$data/sound/note3.wav" >"$broken/note3.wav"
head -c 44 "$data/sound/note4.wav" >"$broken/note4.wav"
echo "not a wave" >"$broken/note5.wav"
{ printf 'RIFF\377\377\377\177WAVE'; head -c 4096 /dev/urandom; } >"$broken/note6.wav"
head -c 65536 /dev/urandom >"$broken/note7.wav"
rm "$E2E_WORK/game/sound"
ln -s "$broken" "$E2E_WORK/game/sound"
audio=$E2E_WORK/broken.raw
start broken "$E2E_WORK/game" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio"
play broken
[[ -e $audio ]] || e2e_fail "broken notes: the sound device was not opened for play"
# The note was started when the click was handled, two ticks ago; a second more of output is
# far longer than any note.
goal=$(($(stat -c %s "$audio") + second))
e2e_wait_until 10 audio_grown "$audio" "$goal" || e2e_fail "broken notes: the sound device stopped writing"
! audio_sounds "$audio" || e2e_fail "broken notes: something sounded"
e2e_wait_ticks 2 10 || e2e_fail "broken notes: the game stopped"
finish broken
e2e_log "broken notes: the device opened, a blown cloud stayed silent, the game went on"

# --- no sound/ at all -------------------------------------------------------------------------
rm "$E2E_WORK/game/sound"
audio=$E2E_WORK/none.raw
start no-sound "$E2E_WORK/game" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio"
play no-sound
e2e_wait_ticks 2 10 || e2e_fail "no sound/: the game stopped"
[[ ! -e $audio ]] || e2e_fail "no sound/: a sound device was opened"
finish no-sound
e2e_log "no sound/: no device opened, the game played as usual"
ln -s "$data/sound" "$E2E_WORK/game/sound"

# --- no sound device --------------------------------------------------------------------------
start no-device "$E2E_WORK/game" SDL_AUDIODRIVER=nonexistent
play no-device
e2e_wait_ticks 2 10 || e2e_fail "no device: the game stopped"
finish no-device
e2e_log "no sound device: the game played as usual"

# --- no help page -----------------------------------------------------------------------------
# help_asked: the Help question is answered with OK and gone.
help_asked() {
    local box
    e2e_focus
    e2e_key F1
    box=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$E2E_PID" \
        --name '^Help$' | head -n 1) || true
    [[ -n $box ]] || e2e_fail "F1 did not ask about opening the help page"
    e2e_focus "$box"
    e2e_key Return
    e2e_wait_until 10 e2e_window_gone "$box" || e2e_fail "the Help question did not close"
    e2e_focus
}
rm "$E2E_WORK/game/help"
start no-help "$E2E_WORK/game"
windows=$(xdotool search --onlyvisible --pid "$E2E_PID" --name '' | sort)
rm -f "$E2E_WORK/opened"
help_asked
e2e_barrier
e2e_wait_title
[[ $(xdotool search --onlyvisible --pid "$E2E_PID" --name '' | sort) == "$windows" ]] ||
    e2e_fail "no help page: the game's windows changed"
play no-help
finish no-help
# Whether the browser is started cannot be awaited; a few seconds tell.
if e2e_wait_until 3 test -e "$E2E_WORK/opened"; then
    opened=$(head -n 1 "$E2E_WORK/opened")
    page=${opened#file://}
    e2e_log "no help page: the browser was handed $opened, which $([[ -e $page ]] && echo exists || echo "does not exist")"
else
    e2e_log "no help page: the browser was not started"
fi
e2e_log "no help page: no window, the game went on and ended with status 0"
ln -s "$data/help" "$E2E_WORK/game/help"

# --- no XDG_RUNTIME_DIR -----------------------------------------------------------------------
mkdir -m 700 "$E2E_WORK/tmp"
lock=$E2E_WORK/tmp/Lumabels-$(id -u)/Lumabels.lock
rm -f "$E2E_WORK/runtime/"*.lock
start no-runtime "$E2E_WORK/game" -u XDG_RUNTIME_DIR TMPDIR="$E2E_WORK/tmp"
first=$E2E_PID
[[ -e $lock ]] || e2e_fail "no XDG_RUNTIME_DIR: no lock at \$TMPDIR/Lumabels-UID/Lumabels.lock; \$TMPDIR holds: $(ls -A "$E2E_WORK/tmp")"
[[ -z $(find "$E2E_WORK/runtime" -name '*.lock') ]] || e2e_fail "no XDG_RUNTIME_DIR: the usual runtime folder was used"
e2e_launch_watched no-runtime-second
e2e_wait_end "$E2E_PID" 20
[[ $E2E_ENDING == "exit 1" ]] || e2e_fail "no XDG_RUNTIME_DIR: a second start ended with $E2E_ENDING, not exit 1"
E2E_PID=$first
e2e_pid_running "$first" || e2e_fail "no XDG_RUNTIME_DIR: the first copy has gone"
play no-runtime
finish no-runtime
e2e_log "no XDG_RUNTIME_DIR: the lock was ${lock#"$E2E_WORK/tmp/"} in \$TMPDIR, a second start was refused"

# --- a folder with blanks and non-ASCII letters -----------------------------------------------
odd="$E2E_WORK/Mes jeux/Lumabéls ☂"
mkdir -p "$odd"
ln "$binary" "$odd/lumabels" 2>/dev/null || cp "$binary" "$odd/lumabels"
ln -s "$data/sound" "$odd/sound"
ln -s "$data/help" "$odd/help"
audio=$E2E_WORK/odd.raw
start odd "$odd" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio"
rm -f "$E2E_WORK/opened"
help_asked
e2e_wait_until 10 test -e "$E2E_WORK/opened" || e2e_fail "odd folder: the help page was not handed to the browser"
opened=$(head -n 1 "$E2E_WORK/opened")
# The URL's path, percent-escapes decoded.
page=$(printf '%s' "${opened#file://}" | perl -pe 's/%([0-9A-Fa-f]{2})/chr(hex($1))/ge')
[[ $(readlink -f "$page") == "$(readlink -f "$odd/help/index.html")" ]] ||
    e2e_fail "odd folder: the browser was handed $opened, not the help page in $odd"
read -r left top < <(e2e_window_pos "$E2E_WIN")
play odd
# The device opens for play only when the notes were found.
[[ -e $audio ]] || e2e_fail "odd folder: the notes were not found"
finish odd
[[ $(e2e_settings_key "$odd/settings.ini" PlayOptions) == "1,4,400,Results,1" ]] ||
    e2e_fail "odd folder: settings.ini there was not read and saved"
why=$(e2e_settings_shape "$odd/settings.ini") || e2e_fail "odd folder: settings.ini: $why"
[[ $(e2e_settings_key "$odd/settings.ini" Others) == 0,0,$left,$top ]] ||
    e2e_fail "odd folder: Others=$(e2e_settings_key "$odd/settings.ini" Others), not 0,0,$left,$top"
[[ -z $(e2e_temporaries "$odd") ]] || e2e_fail "odd folder: left $(e2e_temporaries "$odd")"
e2e_log "odd folder: notes and help found in '$odd', the help URL $opened, settings.ini written there"
e2e_log "pass"
