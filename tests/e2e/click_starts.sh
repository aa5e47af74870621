#!/usr/bin/env bash
# A left click on the title starts a game: the six-stripe band lies along the bottom of the
# field, the character on it, and climbs 7 px a tick.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_game
e2e_wait_title
e2e_click 200 150

# In its first ten ticks nothing else in the field is as wide as the band: every frame with a
# red stripe across the field must show the band at the start row or whole ticks above it, its
# stripes in order and the character on it. Watch it for a few ticks.
seen=()
watch_start() {
    local top why
    e2e_shot poll
    for top in $(e2e_band_tops "$E2E_SHOT"); do
        ((top >= E2E_BAND_START - 10 * E2E_BAND_CLIMB)) || continue
        why=$(e2e_band_check "$E2E_SHOT" "$top") || e2e_fail "a frame shows a band at row $top: $why"
        if [[ " ${seen[*]} " != *" $top "* ]]; then
            seen+=("$top")
            if ((${#seen[@]} == 1)); then
                start=$(e2e_save_as "$E2E_SHOT" start)
            fi
        fi
    done
    ((${#seen[@]} >= 3))
}
e2e_wait_until 10 watch_start ||
    e2e_fail "saw the band at ${#seen[@]} positions (${seen[*]}) in its first ten ticks, not 3"
e2e_log "band tops seen: ${seen[*]}"
for ((i = 1; i < ${#seen[@]}; i++)); do
    ((seen[i] < seen[i - 1])) || e2e_fail "the band went down: ${seen[*]}"
done
first=${seen[0]}
(($(e2e_count "$start" "$E2E_TITLE") == 0)) || e2e_fail "the title is still drawn"
# The band spans the field from side to side: its red stripe covers all but the character.
(($(e2e_count "$start" "${E2E_STRIPES[0]}" 0 "$first" 400 "$((first + 16))") >= 16 * 378)) ||
    e2e_fail "the red stripe does not span the field"

# A little later the field has more to show: keep that as the picture of a game.
e2e_wait_ticks 8 10 || e2e_fail "the game stopped"
e2e_keep "$E2E_SHOT" play
e2e_pid_running "$E2E_GAME_PID" || e2e_fail "the game has gone"
e2e_log "pass"
