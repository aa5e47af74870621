#!/usr/bin/env bash
# Where settings.ini cannot be written, the game still starts, plays and exits with status 0,
# and leaves what it must not touch as it was:
# - the game's folder read-only and no settings.ini there: the settings go to
#   $XDG_CONFIG_HOME/lumabels/settings.ini (the folder made), nothing appears beside the game;
# - a read-only settings.ini in a writable folder: the file stays byte for byte as it was, and
#   no temporary file is left beside it; its values are read, and saved in $XDG_CONFIG_HOME;
# - settings.ini a directory (the player's, writable): it is left alone, contents and all, and
#   nothing crashes; the settings are saved in $XDG_CONFIG_HOME.
# And whatever is in settings.ini, the game reads what it can and saves without losing the rest:
# a UTF-8 byte-order mark, CRLF and CR-only line ends, 600 kB in a value, binary garbage
# around the section; each time the file's values show on the screen (the window's place, a
# quick game) and in what is saved.
# Root writes through any mode bit, so as root the game runs as the unprivileged user 65534.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_as_player_or_skip
game_dir=$E2E_WORK/game
file=$game_dir/settings.ini
config=$E2E_WORK/home/.config/lumabels/settings.ini
E2E_GAME=$(e2e_wrap_game player "$game_dir/lumabels")
# The player owns the game's folder (it is their portable copy) unless a case takes it away.
own() {
    if ((${#E2E_PLAYER[@]} > 0)); then chown "$1" "$game_dir"; fi
    chmod "$2" "$game_dir"
}
own 65534:65534 755
e2e_log "the game runs as uid $E2E_PLAYER_UID"

listing() {
    (cd "$game_dir" && find . -printf '%p %y %m %s\n' | LC_ALL=C sort)
}

# play TAG: start, a game, Exit; fails unless it ends with status 0. Sets left, top: where the
# window came up.
play() {
    local tag=$1
    e2e_start_watched "$tag"
    read -r left top < <(e2e_window_pos "$E2E_WIN")
    e2e_click_to_play "$tag"
    e2e_wait_ticks 3 10 || e2e_fail "$tag: the game did not go on"
    e2e_exit_by_menu "$E2E_PID" "$tag"
    e2e_log "$tag: started at $left,$top, played, exit 0"
}

# --- the game's folder read-only, no settings.ini ---------------------------------------------
own 0:0 555
listing >"$E2E_WORK/before"
play read-only-folder
listing >"$E2E_WORK/after"
cmp -s "$E2E_WORK/before" "$E2E_WORK/after" || {
    diff "$E2E_WORK/before" "$E2E_WORK/after" >&2 || true
    e2e_fail "read-only folder: the game's folder changed"
}
why=$(e2e_settings_shape "$config") || e2e_fail "read-only folder: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
[[ $(e2e_settings_key "$config" Others) == "0,0,$left,$top" ]] ||
    e2e_fail "read-only folder: Others=$(e2e_settings_key "$config" Others), not 0,0,$left,$top"
e2e_log "read-only folder: saved in \$XDG_CONFIG_HOME/lumabels/settings.ini, the game's folder untouched"
rm -rf "$E2E_WORK/home/.config/lumabels"
own 65534:65534 755

# --- a read-only settings.ini -----------------------------------------------------------------
# Its own values differ from the defaults at every point, so it shows whether it was read.
readonly_bytes=$'[Settings]\nPlayOptions=3,1,50,Mine,0\nSystemOptions=1,0,1,0\nOthers=5,6000,77,66\n'
printf '%s' "$readonly_bytes" >"$file"
# The player's own file, which they made read-only.
if ((${#E2E_PLAYER[@]} > 0)); then chown 65534:65534 "$file"; fi
chmod 444 "$file"
listing >"$E2E_WORK/before"
play read-only-file
e2e_expect_file "$file" "$readonly_bytes" "read-only file: settings.ini changed"
listing >"$E2E_WORK/after"
cmp -s "$E2E_WORK/before" "$E2E_WORK/after" || {
    diff "$E2E_WORK/before" "$E2E_WORK/after" >&2 || true
    e2e_fail "read-only file: the game's folder changed (a temporary file left behind?)"
}
[[ $left,$top == 77,66 ]] ||
    e2e_fail "read-only file: its values were not read (the window came up at $left,$top, not at 77,66)"
why=$(e2e_settings_shape "$config") || e2e_fail "read-only file: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
[[ $(e2e_settings_key "$config" PlayOptions) == "3,1,50,Mine,0" ]] ||
    e2e_fail "read-only file: PlayOptions=$(e2e_settings_key "$config" PlayOptions) saved, not the file's"
e2e_log "read-only file: read, left alone, and the settings saved in \$XDG_CONFIG_HOME"
rm -rf "$E2E_WORK/home/.config/lumabels"
chmod 644 "$file"
rm -f "$file"

# --- settings.ini is a directory --------------------------------------------------------------
mkdir "$file"
echo "not a setting" >"$file/note.txt"
printf '[Settings]\nOthers=1,2,3,4\n' >"$file/settings.ini"
# The player's own directory: writable, so the game takes it for its settings file.
if ((${#E2E_PLAYER[@]} > 0)); then chown -R 65534:65534 "$file"; fi
listing >"$E2E_WORK/before"
play directory
listing >"$E2E_WORK/after"
cmp -s "$E2E_WORK/before" "$E2E_WORK/after" || {
    diff "$E2E_WORK/before" "$E2E_WORK/after" >&2 || true
    e2e_fail "directory: the game's folder or the directory named settings.ini changed"
}
[[ $(<"$file/note.txt") == "not a setting" ]] || e2e_fail "directory: a file inside it changed"
why=$(e2e_settings_shape "$config") || e2e_fail "directory: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
e2e_log "directory: left alone; the settings were saved in \$XDG_CONFIG_HOME"
rm -rf "$file" "$E2E_WORK/home/.config/lumabels"

# --- what is in the file ----------------------------------------------------------------------
# Each file asks for one lumabel, no clouds and 20 ms a tick (a game of a second or two, and
# no default), and puts the window at 77,66: the window's place shows the values were read,
# the results come, and the save keeps the options (the defaults would say 9,2,100).
fast='PlayOptions=1,0,20,Results,0'

# play_fast TAG: start, the window at 77,66, a game to its results, Exit with status 0; sets
# others to the Others line saved ("0,T,77,66" with T the game's time).
play_fast() {
    local tag=$1 time
    # The player's own file, as one they wrote would be.
    if ((${#E2E_PLAYER[@]} > 0)); then chown 65534:65534 "$file"; fi
    e2e_start_watched "$tag"
    e2e_window_at "$E2E_WIN" 77 66 ||
        e2e_fail "$tag: the window came up at $(e2e_window_pos "$E2E_WIN"), not at the file's 77,66"
    e2e_click 200 150
    # No look for the band's first ticks: at 20 ms a tick they are over before a busy machine
    # takes its first shot. Only a game started by the click can end in results.
    e2e_wait_results 15 || e2e_fail "$tag: no results within 15 s of the click"
    e2e_exit_by_menu "$E2E_PID" "$tag"
    others=$(LC_ALL=C grep -a -o 'Others=0,[0-9]*,77,66' "$file" | head -n 1) ||
        e2e_fail "$tag: no Others=0,<time>,77,66 saved"
    time=${others#Others=0,}
    time=${time%%,*}
    ((time > 0)) || e2e_fail "$tag: the game's time $time was not saved as the record"
    [[ -z $(e2e_temporaries "$game_dir") ]] || e2e_fail "$tag: left $(e2e_temporaries "$game_dir")"
    e2e_log "$tag: the file's place and options were read, a game played to its results, exit 0"
}

# expect_saved TAG BYTES: the saved file must be BYTES, with T standing for the game's time.
expect_saved() {
    e2e_expect_file "$file" "${2//Others=0,T,/${others%,77,66},}" "$1: the saved file is not as expected"
}

# A UTF-8 byte-order mark before the section: read, and kept.
bom=$'\xef\xbb\xbf'
printf '%s' "${bom}[Settings]"$'\n'"$fast"$'\nOthers=0,0,77,66\n' >"$file"
play_fast bom
expect_saved bom "${bom}[Settings]"$'\n'"$fast"$'\nOthers=0,T,77,66\nSystemOptions=1,0,1,0\n'

# CRLF and CR-only line ends: read, and kept.
printf '%s' $'[Settings]\r\n'"$fast"$'\r\nOthers=0,0,77,66\r\n' >"$file"
play_fast crlf
expect_saved crlf $'[Settings]\r\n'"$fast"$'\r\nOthers=0,T,77,66\r\nSystemOptions=1,0,1,0\r\n'
printf '%s' $'[Settings]\r'"$fast"$'\rOthers=0,0,77,66\r' >"$file"
play_fast cr
expect_saved cr $'[Settings]\r'"$fast"$'\rOthers=0,T,77,66\rSystemOptions=1,0,1,0\r'

# Just under the 1 MiB read limit: 600 kB of heading inside PlayOptions, and 400 kB of an
# unknown key before Others. (A larger file is left alone: see settings_place.)
run_of() { head -c "$2" /dev/zero | tr '\0' "$1"; }
{
    printf '[Settings]\nPlayOptions=1,0,20,'
    run_of H 600000
    printf ',0\nFiller='
    run_of x 400000
    printf '\nOthers=0,0,77,66\n'
} >"$file"
filler_line=$(grep -a '^Filler=' "$file")
play_fast large
((${#filler_line} == 400007)) || e2e_fail "large: the test's Filler line is ${#filler_line} bytes"
[[ $(grep -a '^Filler=' "$file") == "$filler_line" ]] || e2e_fail "large: the unknown key's 400 kB were not kept"
play_saved=$(e2e_settings_key "$file" PlayOptions)
[[ $play_saved =~ ^1,0,20,H+,[01]$ ]] || e2e_fail "large: PlayOptions saved as '${play_saved:0:80}...'"
((${#play_saved} < 65536)) || e2e_fail "large: the heading was saved ${#play_saved} bytes long"
why=$(e2e_settings_shape "$file") || e2e_fail "large: $why"
e2e_log "large: the unknown key kept whole, the heading cut to $((${#play_saved} - 9)) characters"

# Binary garbage (random bytes, NULs and all) before and after a good section.
head -c 32768 /dev/urandom >"$E2E_WORK/garbage1"
head -c 32768 /dev/urandom >"$E2E_WORK/garbage2"
{
    printf '; garbage follows\n'
    cat "$E2E_WORK/garbage1"
    printf '\n[Settings]\n%s\nOthers=0,0,77,66\n[Junk]\n' "$fast"
    cat "$E2E_WORK/garbage2"
} >"$file"
play_fast garbage
{
    printf '; garbage follows\n'
    cat "$E2E_WORK/garbage1"
    printf '\n[Settings]\n%s\n%s\nSystemOptions=1,0,1,0\n[Junk]\n' "$fast" "$others"
    cat "$E2E_WORK/garbage2"
} >"$E2E_WORK/garbage-expected"
cmp -s "$file" "$E2E_WORK/garbage-expected" ||
    e2e_fail "garbage: the saved file is not the garbage with the section's keys saved (see garbage-expected)"
e2e_log "garbage: the section among the garbage was read, and the garbage kept byte for byte"
e2e_log "pass"
