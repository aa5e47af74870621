#!/usr/bin/env bash
# The Windows edition draws the same pixels as the Linux edition where no font enters: the
# character on her band at the start of a game, from the same art file, matches the Linux
# edition's own picture of her pixel for pixel, band stripes under her feet included.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/desktop.sh"
source "$(dirname "$0")/wine.sh"

linux_game=${LUMABELS_LINUX_GAME:-}
if [[ ! -x $linux_game ]]; then
    echo "[$E2E_NAME] skipped: no Linux edition to compare with (LUMABELS_LINUX_GAME)" >&2
    exit "$E2E_SKIP"
fi
win_begin "$1"
e2e_start_wm

# CHARACTER holds the path of the latest fresh shot's crop of the character: her 22 x 36 cell,
# centred on the field, 18 rows above the band's top.
crop_character() {
    CHARACTER=$E2E_WORK/character-$1
    convert "ppm:$E2E_SHOT.ppm" -crop "22x36+189+$((E2E_TOP - 18))" +repage -depth 8 \
        "ppm:$CHARACTER.ppm"
}

# steady_character EDITION, a poll condition: two fresh shots in a row show her the same, so
# her eyes are open (closed eyes come one frame in twelve, at random).
steady_character() {
    local previous=${CHARACTER:-}
    e2e_poll_fresh_band || return 1
    crop_character "$1-$E2E_FRESH_SHOTS"
    [[ -n $previous ]] && e2e_same_shot "$previous" "$CHARACTER"
}

# character_matches EDITION CROP, a poll condition: a fresh shot shows her as CROP does.
character_matches() {
    e2e_poll_fresh_band || return 1
    crop_character "$1"
    e2e_same_shot "$CHARACTER" "$2"
}

# The Windows edition first, while its prefix is fresh: pictures of her until two in a row
# agree, so her eyes are open.
windows_game=$E2E_GAME
e2e_start_game windows
e2e_wait_title
e2e_click_to_play "the Windows edition"
E2E_FRESH_SHOTS=0 CHARACTER=
e2e_wait_until 10 steady_character windows ||
    e2e_fail "no steady picture of her from the Windows edition"
windows_character=$CHARACTER
e2e_exit_by_menu "$E2E_PID" "the Windows edition"

# Then the Linux edition, from a copy of its own beside its data, as lib.sh runs it, until a
# fresh frame shows her as the Windows edition did.
mkdir "$E2E_WORK/linux"
cp "$linux_game" "$E2E_WORK/linux/lumabels"
for item in sound help; do
    ln -s "$(dirname "$linux_game")/$item" "$E2E_WORK/linux/$item"
done
E2E_GAME=$E2E_WORK/linux/lumabels
e2e_start_game linux
e2e_wait_title
e2e_click_to_play "the Linux edition"
E2E_FRESH_SHOTS=0
e2e_wait_until 10 character_matches linux "$windows_character" ||
    e2e_fail "the Windows edition draws her otherwise than the Linux edition (see character-*.ppm)"
e2e_log "the character and her band match the Linux edition's pixels"
e2e_exit_by_menu "$E2E_PID" "the Linux edition"
