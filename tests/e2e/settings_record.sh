#!/usr/bin/env bash
# The record kept in settings.ini is the one the results screen shows, and a game that does
# not beat it leaves it as it was in the file. Three runs, each one short game (one lumabel, no
# clouds, 20 ms a tick, so the field behind the results is bare sky):
#   record: Others holds 42 pt. and 65.43 sec.; the record line reads "Record : 42 pt. 65.43
#           sec.", longer than with a record that is this game's own 0 pt. and about 1.4 s;
#   none:   no record and an empty results heading, which reads as "Results";
#   off:    the same record with RestoreRecord and RestorePosition off (and ClearRecord on,
#           which is never written back): the record is not taken, the window stays where it
#           starts, and the record saved is this game's.
# Text cannot be read back, so the lines are compared by where their white letters reach.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
file=$(e2e_settings)

# play TAG: one run: start, a click on the title, the results, Game > Exit. Leaves the results
# in $E2E_WORK/TAG-results and the place the window came up at in $left $top.
play() {
    local tag=$1
    e2e_start_game "$tag"
    e2e_wait_title
    read -r left top < <(e2e_window_pos "$E2E_WIN")
    e2e_click 200 150
    e2e_wait_results 15 || e2e_fail "$tag: no results within 15 s of the start"
    e2e_save_as "$E2E_SHOT" "$tag-results" >/dev/null
    e2e_exit_by_menu "$E2E_PID" "$tag"
}

# text_lines TAG: sets TEXT_LINES to the three lines of the results, "Y0 Y1 X0 X1" each, where
# X0..X1 is the reach of the white letters (their anti-aliased edges and outline left out).
# It runs in this shell, not in a pipe, so that its checks end the test.
text_lines() {
    local shot=$E2E_WORK/$1-results line y0 y1 reach runs
    TEXT_LINES=()
    mapfile -t runs < <(e2e_ink_rows "$shot" "$E2E_SKY" "$E2E_WHITE")
    ((${#runs[@]} == 3)) || e2e_fail "$1: the results text is in ${#runs[@]} runs of rows, not 3: ${runs[*]}"
    for line in "${runs[@]}"; do
        read -r y0 y1 _ <<<"$line"
        reach=$(e2e_probe reach "$shot" "$E2E_WHITE" "$y0" "$y1")
        [[ -n $reach ]] || e2e_fail "$1: no white letters in the line at rows $y0..$y1"
        TEXT_LINES+=("$y0 $y1 $reach")
    done
}

# same_rows TAG OTHER Y0 Y1: true when those rows of the two runs' results are the same pixels.
same_rows() {
    e2e_probe same-rows "$E2E_WORK/$1-results" "$E2E_WORK/$2-results.ppm" "$3" "$4"
}

# check_own_record TAG EXPECTED_PREFIX: checks the file is EXPECTED_PREFIX then the line
# "Others=0,T,L,T" with T this game's play time: whole hundredths of a second, more than a
# second (some 70 ticks of 20 ms) and far less than the record in the file.
check_own_record() {
    local tag=$1 prefix=$2 others time
    others=$(tail -n 1 "$file")
    [[ $others =~ ^Others=0,([0-9]+),$left,$top$ ]] ||
        e2e_fail "$tag: the last line is '$others', not Others=0,<time>,$left,$top"
    time=${BASH_REMATCH[1]}
    ((time >= 1000 && time <= 20000 && time % 10 == 0)) ||
        e2e_fail "$tag: $time ms is no play time of a game at 20 ms a tick"
    e2e_expect_file "$file" "$prefix$others"$'\n' "$tag: the saved file is not as expected"
    e2e_log "$tag: the file keeps this game's $time ms as the record"
}

# --- record: a record in the file ---
printf '[Settings]\nPlayOptions=1,0,20,Results,0\nOthers=42,65430,100,60\n' >"$file"
play record
((left == 100 && top == 60)) || e2e_fail "record: the window came up at $left,$top, not at 100,60"
e2e_expect_file "$file" \
    $'[Settings]\nPlayOptions=1,0,20,Results,0\nOthers=42,65430,100,60\nSystemOptions=1,0,1,0\n' \
    "record: a game of 0 points and some 1.4 s changed the record in the file"
text_lines record
record=("${TEXT_LINES[@]}")

# --- none: no record, and an empty heading ---
printf '[Settings]\nPlayOptions=1,0,20,,0\n' >"$file"
play none
check_own_record none $'[Settings]\nPlayOptions=1,0,20,Results,0\nSystemOptions=1,0,1,0\n'
text_lines none
# shellcheck disable=SC2034 # read through a name reference below
none=("${TEXT_LINES[@]}")

# --- off: the record is in the file, but not to be restored ---
printf '[Settings]\nPlayOptions=1,0,20,Results,0\nSystemOptions=0,1,0,0\nOthers=42,65430,100,60\n' >"$file"
play off
((left != 100 || top != 60)) || e2e_fail "off: the window was moved to the saved place with RestorePosition off"
check_own_record off $'[Settings]\nPlayOptions=1,0,20,Results,0\nSystemOptions=0,0,0,0\n'
text_lines off
# shellcheck disable=SC2034 # read through a name reference below
off=("${TEXT_LINES[@]}")

for tag in record none off; do
    declare -n lines=$tag
    e2e_log "$tag: text lines (rows, white reach) ${lines[*]/%/;}"
done

# The heading and the line of the last game are the same in all three: the same words at the
# same rows (an empty heading reads as "Results").
read -r hy0 hy1 _ <<<"${record[0]}"
for tag in none off; do
    declare -n lines=$tag
    [[ ${lines[0]} == "${record[0]}" ]] || e2e_fail "$tag: the heading is at ${lines[0]}, not at ${record[0]}"
    same_rows "$tag" record "$hy0" "$hy1" ||
        e2e_fail "$tag: the heading is not the same picture as with the heading Results"
    read -r y0 y1 _ <<<"${lines[1]}"
    read -r ry0 ry1 _ <<<"${record[1]}"
    ((y0 == ry0 && y1 == ry1)) || e2e_fail "$tag: the line of the last game is at rows $y0..$y1, not $ry0..$ry1"
done

# The record line against the line of the last game. Where the record is this game's own, the
# two differ only in "Record" for "Last", so the record line is wider by the same few pixels
# whatever the time (the time is written without trailing zeros: "1.5", "1.42"). The record
# from the file, "42 pt. 65.43 sec." against "0 pt. 1.42 sec.", adds at least two characters.
width() { read -r _ _ x0 x1 <<<"$1" && echo $((x1 - x0)); }
extra() {
    declare -n of=$1
    echo $(($(width "${of[2]}") - $(width "${of[1]}")))
}
er=$(extra record) en=$(extra none) eo=$(extra off)
e2e_log "the record line is wider than the last game's by $er px with the record, $en px without, $eo px not restored"
((er >= en + 12)) ||
    e2e_fail "the record line from the file (42 pt. 65.43 sec.) is only $er px wider than the last game's line, against $en px when the record is the last game's"
((eo >= en - 2 && eo <= en + 2)) ||
    e2e_fail "with RestoreRecord off the record line is $eo px wider than the last game's line, not the $en px of a run whose record is the last game's"
e2e_log "pass"
