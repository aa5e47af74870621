#!/usr/bin/env bash
# A left click on the title starts a game: the six-stripe band lies along the bottom of the
# field, the character on it, and climbs 7 px a tick.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
# A slow tick, so that even a busy machine takes several shots in the first ten ticks.
interval=400
printf '[Settings]\nPlayOptions=9,2,%d,Results,0\n' "$interval" >"$(e2e_settings)"

e2e_start_game
e2e_wait_title
clicked=$(e2e_now_ms)
e2e_click 200 150

# In its first ten ticks nothing else in the field is as wide as the band: every frame with a
# red stripe across the field must show the band at the start row or whole ticks above it, its
# stripes in order and the character on it. The game steps at most once an interval (the first
# step may come at once), so every shot finished within nine and a half intervals of the click
# is of the first ten ticks; later shots are not judged.
window=$((9 * interval + interval / 2))
seen=()
frames=0
band_frames=0
while ((${#seen[@]} < 3)); do
    e2e_shot poll
    (($(e2e_now_ms) - clicked <= window)) || break
    frames=$((frames + 1))
    tops=$(e2e_band_tops "$E2E_SHOT")
    [[ -z $tops ]] || band_frames=$((band_frames + 1))
    for top in $tops; do
        why=$(e2e_band_check "$E2E_SHOT" "$top") ||
            e2e_fail "a frame of the first ten ticks shows a band at row $top: $why"
        if [[ " ${seen[*]} " != *" $top "* ]]; then
            seen+=("$top")
            if ((${#seen[@]} == 1)); then
                start=$(e2e_save_as "$E2E_SHOT" start)
            fi
        fi
    done
done
if ((${#seen[@]} < 3)); then
    what="$frames shots in the first ten ticks ($window ms at $interval ms a tick)"
    ((band_frames > 0 || frames < 3)) || e2e_fail "the click did not start a game: no band in $what"
    ((band_frames >= 3)) ||
        e2e_fail "too few frames sampled: $band_frames of $what showed the band, at least 3 are needed"
    e2e_fail "$band_frames of $what showed the band, at only ${#seen[@]} positions (${seen[*]}), not 3"
fi
e2e_log "band tops seen: ${seen[*]} ($frames shots)"
for ((i = 1; i < ${#seen[@]}; i++)); do
    ((seen[i] < seen[i - 1])) || e2e_fail "the band went down: ${seen[*]}"
done
first=${seen[0]}
(($(e2e_count "$start" "$E2E_TITLE") == 0)) || e2e_fail "the title is still drawn"
# The band spans the field from side to side: its red stripe covers all but the character.
(($(e2e_count "$start" "${E2E_STRIPES[0]}" 0 "$first" 400 "$((first + 16))") >= 16 * 378)) ||
    e2e_fail "the red stripe does not span the field"

# A little later the field has more to show: keep that as the picture of a game.
e2e_wait_ticks 8 30 || e2e_fail "the game stopped: $(e2e_ticks_report)"
e2e_keep "$E2E_SHOT" play
e2e_pid_running "$E2E_GAME_PID" || e2e_fail "the game has gone"
e2e_log "pass"
