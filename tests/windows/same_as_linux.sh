#!/usr/bin/env bash
# The Windows edition draws the same pixels as the Linux edition where no font enters: the
# character on her band at the start of a game, from the same art file, and a cloud standing
# alone on the sky, cut from a shot of each edition, are the same pixels in both.
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

# crop NAME WIDTH HEIGHT X Y: a piece of the latest shot; CROP is its path without extension.
crop() {
    CROP=$E2E_WORK/$1
    convert "ppm:$E2E_SHOT.ppm" -crop "$2x$3+$4+$5" +repage -depth 8 "ppm:$CROP.ppm"
}

# steady_character EDITION, a poll condition: two frames in a row (the band has moved) show
# her the same, so her eyes are open (closed eyes come one frame in twelve, at random). Her
# picture's cell stands on the band's middle, at the field's middle. CROP is the last picture.
steady_character() {
    local previous=${CROP:-} previous_top=${TOP:-}
    e2e_poll_fresh_band || return 1
    TOP=$E2E_TOP
    crop "$1-character-$E2E_FRESH_SHOTS" "$E2E_CHARACTER_W" "$E2E_CHARACTER_H" \
        $((E2E_FIELD_W / 2 - E2E_CHARACTER_LEFT)) $((E2E_TOP - E2E_CHARACTER_ABOVE))
    [[ -n $previous && $TOP != "$previous_top" ]] && e2e_same_shot "$previous" "$CROP"
}

# sky_around LEFT TOP: the 1-pixel ring around the 80 x 32 box at LEFT, TOP is all sky, so
# nothing else (another cloud, a lumabel) reaches into the box.
sky_around() {
    local left=$1 top=$2
    ((left >= 1 && left + 81 <= E2E_FIELD_W && top >= 1 && top + 33 <= E2E_FIELD_H)) &&
        e2e_only_colours "$E2E_SHOT" $((left - 1)) $((top - 1)) $((left + 81)) "$top" "$E2E_SKY" &&
        e2e_only_colours "$E2E_SHOT" $((left - 1)) $((top + 32)) $((left + 81)) $((top + 33)) "$E2E_SKY" &&
        e2e_only_colours "$E2E_SHOT" $((left - 1)) "$top" "$left" $((top + 32)) "$E2E_SKY" &&
        e2e_only_colours "$E2E_SHOT" $((left + 80)) "$top" $((left + 81)) $((top + 32)) "$E2E_SKY"
}

# lone_cloud EDITION, a poll condition: a fresh shot shows a whole cloud with nothing but sky
# around its 80 x 32 box; CROP is that box. When none does, F2 deals new clouds for the next try.
lone_cloud() {
    local cx top
    e2e_shot poll
    while read -r _ _ _ cx top _; do
        if sky_around $((cx - 39)) "$top"; then
            crop "$1-cloud" 80 32 $((cx - 39)) "$top"
            return 0
        fi
    done < <(e2e_find_lone_clouds "$E2E_SHOT" | sort -u -k4,5)
    e2e_key F2
    e2e_wait_fresh_band 10 || e2e_fail "F2 did not start a new game in the $1 edition"
    return 1
}

# One lumabel (the band), four clouds, a tick a second: the clouds stand still and are seldom
# covered.
few_bands=$'[Settings]\nPlayOptions=1,4,1000,Results,1\nSystemOptions=1,0,1,0\nOthers=0,0,10,10\n'

# pictures EDITION: a game started from few_bands, and the pictures of her and of a cloud, in
# CHARACTER and CLOUD.
pictures() {
    printf '%s' "$few_bands" >"$(dirname "$E2E_GAME")/settings.ini"
    e2e_start_game "$1"
    e2e_wait_title
    e2e_click_to_play "the $1 edition"
    E2E_FRESH_SHOTS=0 CROP= TOP=
    e2e_wait_until "$WIN_PATIENCE" steady_character "$1" || e2e_fail "no steady picture of her from the $1 edition"
    CHARACTER=$CROP
    e2e_focus
    e2e_wait_until 60 lone_cloud "$1" || e2e_fail "no cloud alone on the sky from the $1 edition"
    CLOUD=$CROP
    e2e_exit_by_menu "$E2E_PID" "the $1 edition"
}

# The Windows edition first, while its prefix is fresh (a Wine program started after a Qt
# one on the same display was seen to take seconds to show its window).
pictures windows
windows_character=$CHARACTER windows_cloud=$CLOUD

# Then the Linux edition, from a copy of its own beside its data, as lib.sh runs it.
mkdir "$E2E_WORK/linux"
cp "$linux_game" "$E2E_WORK/linux/lumabels"
for item in sound help; do
    ln -s "$(dirname "$linux_game")/$item" "$E2E_WORK/linux/$item"
done
E2E_GAME=$E2E_WORK/linux/lumabels
pictures linux

e2e_same_shot "$windows_character" "$CHARACTER" ||
    e2e_fail "the Windows edition draws her otherwise than the Linux edition (see *-character-*.ppm)"
e2e_same_shot "$windows_cloud" "$CLOUD" ||
    e2e_fail "the Windows edition draws a cloud otherwise than the Linux edition (see *-cloud.ppm)"
e2e_log "the character on her band and a cloud match the Linux edition's pixels"
