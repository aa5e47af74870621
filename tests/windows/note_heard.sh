#!/usr/bin/env bash
# A note of the Windows edition, played from memory through Wine, reaches the sound server:
# Shift with the pointer on a cloud clicks it, and the note is heard on the null sink's monitor.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/desktop.sh"
source "$(dirname "$0")/../e2e/sound.sh"
source "$(dirname "$0")/wine.sh"

win_begin "$1"
e2e_start_wm
e2e_start_sound_server
# Slow ticks: the clouds stand still long enough to be clicked where a shot found them.
printf '%s' "$E2E_SLOW_PLAY" >"$(e2e_settings)"
# The sound server's addresses, without the SDL setting the Linux edition takes first.
e2e_launch game "${E2E_SOUND_CLIENT[@]:2}"
e2e_find_window "$E2E_PID"
e2e_wait_title
e2e_click_to_play "the Windows edition"

recording=$E2E_WORK/notes.raw
e2e_record "$recording"
# Poll condition: a fresh shot shows a whole cloud alone on the sky; CLOUD is "A B Y ...".
lone_cloud() {
    e2e_shot clouds
    CLOUD=$(e2e_find_lone_clouds "$E2E_SHOT" | head -n 1)
    [[ -n $CLOUD ]]
}
e2e_wait_until "$WIN_PATIENCE" lone_cloud || e2e_fail "no cloud stood alone to be clicked"
read -r a b y _ <<<"$CLOUD"
e2e_move "$(((a + b) / 2))" "$y"
e2e_focus
e2e_key shift
e2e_wait_until "$WIN_PATIENCE" e2e_heard "$recording" || e2e_fail "no note was heard (loudest sample $(e2e_loudest "$recording"))"
e2e_log "heard a note, loudest sample $(e2e_loudest "$recording")"
