#!/usr/bin/env bash
# Left alone, a game ends by itself once the band has climbed out of the field, and the results
# are drawn over the last frame: three centred lines of white text with a dark outline. Then
# the field stands still.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_game
e2e_wait_title
e2e_click_to_play
e2e_log "game started, band top at row $E2E_TOP"

e2e_wait_results 15 || e2e_fail "no results within 15 s of the start"
results=$(e2e_save_as "$E2E_SHOT" results)
e2e_log "results are up"

# The lines "Results", "Last : ..." and "Record : ..." with a blank line between each two.
# The field is drawn in flat colours; only the text is anti-aliased, so the rows holding any
# other colour fall into three runs, one per line.
mapfile -t lines < <(e2e_ink_rows "$results" "$E2E_SKY" "$E2E_WHITE" "${E2E_STRIPES[@]}")
((${#lines[@]} == 3)) || e2e_fail "the text is in ${#lines[@]} runs of rows, not 3: ${lines[*]}"
widths=()
for line in "${lines[@]}"; do
    read -r y0 y1 x0 x1 <<<"$line"
    e2e_log "text line at rows $y0..$y1, columns $x0..$x1"
    ((y1 - y0 >= 10 && y1 - y0 <= 30)) || e2e_fail "the line at rows $y0..$y1 has no text's height"
    # Every line is centred across the field.
    ((x0 + x1 >= 399 - 6 && x0 + x1 <= 399 + 6)) || e2e_fail "the line at rows $y0..$y1 is not centred: columns $x0..$x1"
    # White letters in a dark outline.
    box=("$x0" "$y0" "$((x1 + 1))" "$((y1 + 1))")
    white=$(e2e_count "$results" "$E2E_WHITE" "${box[@]}")
    outline=$(e2e_count "$results" "$E2E_OUTLINE" "${box[@]}")
    e2e_log "  $white white and $outline outline pixels"
    ((white >= 30)) || e2e_fail "only $white white pixels in the line at rows $y0..$y1"
    ((outline >= 5)) || e2e_fail "only $outline outline pixels in the line at rows $y0..$y1"
    widths+=($((x1 - x0)))
done
# The heading is the shortest line; the block as a whole sits in the middle of the field.
((widths[0] < widths[1] && widths[0] < widths[2])) || e2e_fail "the heading is not the shortest line: ${widths[*]}"
read -r top _ <<<"${lines[0]}"
read -r _ bottom _ <<<"${lines[2]}"
((top + bottom >= 299 - 24 && top + bottom <= 299 + 24)) || e2e_fail "the results block (rows $top..$bottom) is not centred"

# The outline hugs the letters: many white pixels border on it.
touching=$(e2e_probe bordering "$results" "$E2E_WHITE" "$E2E_OUTLINE")
e2e_log "$touching white pixels border on the outline"
((touching >= 20)) || e2e_fail "only $touching white pixels border on the outline colour"

# The field stands still now: after the game has handled a round of input and painted the
# field anew, it is exactly the same picture.
e2e_barrier
e2e_wait_same "$results" 5 || e2e_fail "the field went on changing after the results"
e2e_pid_running "$E2E_GAME_PID" || e2e_fail "the game has gone"
e2e_keep "$results" results
e2e_log "pass"
