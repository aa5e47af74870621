#!/usr/bin/env bash
# Where settings.ini lives, case by case, and files that cannot be turned against the player.
# Each case starts the real game, checks where its window came up (the prepared files put it at
# 77,66; the defaults do not), ends it with Game > Exit and looks at the files:
# - an installed game (data in ../share/lumabels) run by the test's own user, root included,
#   saves in $XDG_CONFIG_HOME and never beside the executable, even where it could write;
# - a read-only portable copy: its settings.ini is read, the save goes to $XDG_CONFIG_HOME,
#   the copy stays as it was; the same for root, which is held to the mode bits; a writable
#   settings.ini in a read-only folder the same; a folder named settings.ini is left alone;
# - HOME unset: the home folder comes from the password database (one line on stderr when that
#   cannot be written); $XDG_CONFIG_HOME read-only: one line on stderr naming the file;
# - an executable path longer than the kernel's limit: nothing relative to the current folder;
# - the player's own link is followed, and leftovers of a save are cleared in the settings
#   file's own folder only; a dangling link is left as it is; UTF-16 text stays byte for byte;
# - 100 MB of settings.ini under a 800 MiB address-space limit: the window comes up with the
#   defaults, the file is left byte for byte, one line on stderr says why;
# - with a second user as the attacker (root only): a link planted in a shared portable folder
#   never makes the player's own file gain the game's lines; a shared file of the attacker's
#   keeps its owner; root leaves a player's private settings.ini as it was.
# As root the game runs as the unprivileged user 65534 unless a case says otherwise.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_as_player_or_skip
command -v prlimit >/dev/null 2>&1 || {
    echo "[$E2E_NAME] skipped: prlimit is not installed" >&2
    exit "$E2E_SKIP"
}
W=$E2E_WORK
data=$(dirname "$E2E_BINARY")
config=$W/home/.config/lumabels/settings.ini
prepared=$'[Settings]\nPlayOptions=3,1,50,Mine,0\nSystemOptions=1,0,1,0\nOthers=5,6000,77,66\n'
player_id=$E2E_PLAYER_UID:$E2E_PLAYER_UID
if ((${#E2E_PLAYER[@]} == 0)); then player_id=$(id -u):$(id -g); fi
player=("${E2E_PLAYER[@]}")

# copy FOLDER: a portable copy of the game in FOLDER, owned by the test's own user.
copy() {
    mkdir -p "$1"
    cp "$E2E_BINARY" "$1/lumabels"
    cp -R "$data/sound" "$data/help" "$1/"
    chmod -R a+rX "$1"
}

# listing FOLDER: every entry with its type, owner, mode and size.
listing() {
    (cd "$1" && find . -printf '%p %y %u %m %s\n' | LC_ALL=C sort)
}

# play TAG WRAPPER: starts the game through WRAPPER, waits for its title, notes where the
# window came up (left, top), ends it with Game > Exit and fails unless it exits with 0.
play() {
    local tag=$1
    E2E_GAME=$2
    e2e_start_watched "$tag"
    read -r left top < <(e2e_window_pos "$E2E_WIN")
    e2e_exit_by_menu "$E2E_PID" "$tag"
}

# as_player TAG BINARY [ENV ARGUMENT]...: a wrapper that runs BINARY as the player.
as_player() {
    local tag=$1 binary=$2
    shift 2
    E2E_PLAYER=("${player[@]}")
    e2e_wrap_game "wrap-$tag" "$binary" "$@"
}

# as_self TAG BINARY [ENV ARGUMENT]...: a wrapper that runs BINARY as the test's own user,
# with a home of that user's own: the game keeps nothing in a home that is another user's.
# $XDG_CONFIG_HOME still names the player's folder, as the cases below expect.
as_self() {
    local tag=$1 binary=$2
    shift 2
    E2E_PLAYER=()
    e2e_wrap_game "wrap-$tag" "$binary" XDG_RUNTIME_DIR="$W/runtime-self" HOME="$W/home-self" "$@"
}

# at_file_place TAG: the window came up where the prepared file puts it.
at_file_place() {
    [[ $left,$top == 77,66 ]] || e2e_fail "$1: the window came up at $left,$top, not at the file's 77,66"
}

# saved_with_file_values TAG: the user's file holds the prepared options and record.
saved_with_file_values() {
    local why
    why=$(e2e_settings_shape "$config") || e2e_fail "$1: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
    [[ $(e2e_settings_key "$config" PlayOptions) == "3,1,50,Mine,0" ]] ||
        e2e_fail "$1: PlayOptions=$(e2e_settings_key "$config" PlayOptions) saved, not the file's"
    [[ $(e2e_settings_key "$config" Others) == "5,6000,77,66" ]] ||
        e2e_fail "$1: Others=$(e2e_settings_key "$config" Others) saved, not the file's"
}

# quiet TAG: the game wrote nothing to stderr.
quiet() {
    [[ ! -s $W/$1.err ]] || e2e_fail "$1: the game wrote to stderr: $(head -c 500 "$W/$1.err")"
}

unchanged() {
    cmp -s "$1" "$2" || {
        diff "$1" "$2" >&2 || true
        e2e_fail "$3"
    }
}

# Root's saves make folders of root's in the player's home: each case starts without them.
fresh_config() {
    rm -rf "$W/home/.config"
}
mkdir -m 700 "$W/runtime-self" "$W/home-self"

# --- an installed game, run by the test's own user (root included) ---------------------------
prefix=$W/installed/usr
copy "$prefix/share/lumabels"
rm "$prefix/share/lumabels/lumabels"
mkdir -p "$prefix/bin"
cp "$E2E_BINARY" "$prefix/bin/lumabels"
listing "$prefix" >"$W/before"
play installed "$(as_self installed "$prefix/bin/lumabels")"
listing "$prefix" >"$W/after"
unchanged "$W/before" "$W/after" "installed: the installation changed (settings.ini beside the executable?)"
why=$(e2e_settings_shape "$config") || e2e_fail "installed: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
quiet installed
e2e_log "installed, run as uid $(id -u): saved in \$XDG_CONFIG_HOME, nothing beside the executable"
fresh_config

# --- a read-only portable copy with prepared settings -----------------------------------------
ro=$W/read-only
copy "$ro"
printf '%s' "$prepared" >"$ro/settings.ini"
chmod 444 "$ro/settings.ini"
chmod 555 "$ro"
listing "$ro" >"$W/before"
play read-only "$(as_player read-only "$ro/lumabels")"
at_file_place read-only
saved_with_file_values read-only
quiet read-only
e2e_log "read-only copy: its settings.ini was read, the save went to \$XDG_CONFIG_HOME"
fresh_config
if (($(id -u) == 0)); then
    play read-only-root "$(as_self read-only-root "$ro/lumabels")"
    at_file_place read-only-root
    saved_with_file_values read-only-root
    e2e_log "read-only copy, run by root: read, and saved in \$XDG_CONFIG_HOME"
    fresh_config
fi
listing "$ro" >"$W/after"
unchanged "$W/before" "$W/after" "read-only copy: the copy changed"
e2e_expect_file "$ro/settings.ini" "$prepared" "read-only copy: settings.ini changed"

# --- a writable settings.ini in a read-only folder --------------------------------------------
rof=$W/read-only-folder
copy "$rof"
printf '%s' "$prepared" >"$rof/settings.ini"
chown "$player_id" "$rof/settings.ini"
chmod 644 "$rof/settings.ini"
chmod 555 "$rof"
listing "$rof" >"$W/before"
play writable-file "$(as_player writable-file "$rof/lumabels")"
listing "$rof" >"$W/after"
unchanged "$W/before" "$W/after" "writable file in a read-only folder: the folder changed"
at_file_place writable-file
saved_with_file_values writable-file
quiet writable-file
e2e_log "writable file in a read-only folder: read, and saved in \$XDG_CONFIG_HOME"
fresh_config

# --- a folder named settings.ini --------------------------------------------------------------
mine=$W/mine
copy "$mine"
mkdir "$mine/settings.ini"
printf '%s' "$prepared" >"$mine/settings.ini/settings.ini"
chown -R "$player_id" "$mine"
listing "$mine" >"$W/before"
play folder "$(as_player folder "$mine/lumabels")"
listing "$mine" >"$W/after"
unchanged "$W/before" "$W/after" "a folder named settings.ini: the copy changed"
why=$(e2e_settings_shape "$config") || e2e_fail "folder: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
e2e_log "a folder named settings.ini: left alone, saved in \$XDG_CONFIG_HOME"
fresh_config
rm -rf "$mine/settings.ini"

# --- HOME and XDG_CONFIG_HOME unset: the password database ------------------------------------
if ((${#player[@]} > 0)); then
    # User 65534's home in the password database does not exist, so the save says so.
    home=$(getent passwd 65534 | cut -d: -f6)
    root_file_before=$([[ -e /.config/lumabels/settings.ini ]] && echo there || echo none)
    play no-home "$(as_player no-home "$ro/lumabels" -u HOME -u XDG_CONFIG_HOME)"
    at_file_place no-home
    e2e_said_once no-home "$home/.config/lumabels/settings.ini"
    [[ $([[ -e /.config/lumabels/settings.ini ]] && echo there || echo none) == "$root_file_before" ]] ||
        e2e_fail "no-home: /.config/lumabels/settings.ini was written"
    e2e_log "HOME unset: the password database's home ($home) was used"
else
    e2e_log "skipped HOME unset: run as $(id -un), the game would write to the real home folder"
fi

# --- $XDG_CONFIG_HOME read-only: one line at exit ---------------------------------------------
mkdir -m 555 "$W/read-only-config"
play read-only-config "$(as_player read-only-config "$ro/lumabels" XDG_CONFIG_HOME="$W/read-only-config")"
e2e_said_once read-only-config "$W/read-only-config/lumabels/settings.ini" "Permission denied"
[[ -z $(ls -A "$W/read-only-config") ]] || e2e_fail "read-only-config: something was made there"

# --- an executable path longer than the kernel's limit ----------------------------------------
segment=$(printf 'd%.0s' {1..200})
deep=$W/deep
mkdir "$deep"
steps=()
(
    cd "$deep"
    for ((i = 0; i < 22; i++)); do
        mkdir "$segment"
        cd "$segment"
    done
    cp "$E2E_BINARY" lumabels
    cp -R "$data/sound" "$data/help" .
    chmod -R a+rX .
)
for ((i = 0; i < 22; i++)); do steps+=("$segment"); done
chown -R "$player_id" "$deep"
{
    echo '#!/usr/bin/env bash'
    printf 'cd %q || exit 97\n' "$deep"
    printf 'for step in $(seq 22); do cd %q || exit 97; done\n' "$segment"
    # env runs ./lumabels as it is; bash would make it absolute, past the limit.
    printf 'exec env'
    printf ' %q' "${player[@]}" ./lumabels
    printf '\n'
} >"$W/wrap-deep"
chmod 755 "$W/wrap-deep"
play deep "$W/wrap-deep"
why=$(e2e_settings_shape "$config") || e2e_fail "deep: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
[[ -z $(find "$deep" -name settings.ini) ]] || e2e_fail "deep: settings.ini was written in the current folder"
e2e_log "a path of $((${#deep} + 22 * 201 + 9)) bytes: saved in \$XDG_CONFIG_HOME, nothing in the current folder"
fresh_config

# --- the player's own link, and leftovers ------------------------------------------------------
own=$W/own
copy "$own"
mkdir "$W/elsewhere"
printf '%s' "$prepared" >"$W/elsewhere/mine.ini"
printf 'not ours' >"$W/elsewhere/.settings-a1B2c3"
printf 'a leftover' >"$own/.settings-x9Y8z7"
ln -s "$W/elsewhere/mine.ini" "$own/settings.ini"
chown -R "$player_id" "$own" "$W/elsewhere"
chown -h "$player_id" "$own/settings.ini"
play own-link "$(as_player own-link "$own/lumabels")"
at_file_place own-link
[[ -L $own/settings.ini ]] || e2e_fail "own-link: the link was replaced"
[[ $(e2e_settings_key "$W/elsewhere/mine.ini" SystemOptions) == "1,0,1,0" ]] ||
    e2e_fail "own-link: the linked file was not saved"
[[ -e $W/elsewhere/.settings-a1B2c3 && $(<"$W/elsewhere/.settings-a1B2c3") == "not ours" ]] ||
    e2e_fail "own-link: a file in the link's target folder was removed"
[[ ! -e $own/.settings-x9Y8z7 ]] || e2e_fail "own-link: the leftover beside settings.ini was kept"
[[ ! -e $config ]] || e2e_fail "own-link: saved in \$XDG_CONFIG_HOME as well"
quiet own-link
e2e_log "own link: followed and saved; the leftover beside it cleared, the target's folder untouched"

# --- a dangling link, and UTF-16 text ----------------------------------------------------------
rm "$own/settings.ini"
ln -s "$W/nowhere/gone.ini" "$own/settings.ini"
chown -h "$player_id" "$own/settings.ini"
play dangling "$(as_player dangling "$own/lumabels")"
[[ -L $own/settings.ini && $(readlink "$own/settings.ini") == "$W/nowhere/gone.ini" ]] ||
    e2e_fail "dangling: the link was replaced"
[[ ! -e $W/nowhere ]] || e2e_fail "dangling: something was made where the link leads"
why=$(e2e_settings_shape "$config") || e2e_fail "dangling: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
e2e_log "dangling link: left as it is, saved in \$XDG_CONFIG_HOME"
fresh_config
rm "$own/settings.ini"

utf16=$W/utf16.ini
{ printf '\xff\xfe'; printf '%s' "$prepared" | iconv -f ASCII -t UTF-16LE; } >"$utf16"
cp "$utf16" "$own/settings.ini"
chown "$player_id" "$own/settings.ini"
play utf16 "$(as_player utf16 "$own/lumabels")"
[[ $left,$top != 77,66 ]] || e2e_fail "utf16: the UTF-16 file's values were used"
unchanged "$utf16" "$own/settings.ini" "utf16: the UTF-16 file changed"
e2e_said_once utf16 "$own/settings.ini" "UTF-16"
e2e_log "UTF-16 text: left byte for byte, the defaults used"
rm "$own/settings.ini"

# --- 100 MB of settings.ini under a memory limit ----------------------------------------------
big=$own/settings.ini
head -c 100000000 < <(yes 'Filler=1') >"$big"
printf '%s' "$prepared" >>"$big"
chown "$player_id" "$big"
sum_before=$(md5sum <"$big")
limited=$W/wrap-limited
{
    echo '#!/usr/bin/env bash'
    printf 'exec prlimit --as=%d' $((800 * 1024 * 1024))
    printf ' %q' "${player[@]}" "$own/lumabels"
    printf '\n'
} >"$limited"
chmod 755 "$limited"
play huge "$limited"
[[ $left,$top != 77,66 ]] || e2e_fail "huge: the values at the end of 100 MB were used"
[[ $(md5sum <"$big") == "$sum_before" ]] || e2e_fail "huge: the 100 MB file changed"
e2e_said_once huge "$big" "larger than 1024 KiB"
e2e_log "100 MB settings.ini under an 800 MiB address-space limit: started, left alone"
rm "$big"

# --- another user attacks ---------------------------------------------------------------------
if e2e_attacker; then
    # A portable copy in a folder everyone may write to, and a link the attacker puts there to
    # the player's own profile.
    shared=$W/shared
    copy "$shared"
    chmod 1777 "$shared"
    printf 'the player'"'"'s profile\n' >"$W/home/.profile"
    chown "$player_id" "$W/home/.profile"
    "${E2E_ATTACKER[@]}" ln -s "$W/home/.profile" "$shared/settings.ini"
    play planted-link "$(as_player planted-link "$shared/lumabels")"
    [[ $(<"$W/home/.profile") == "the player's profile" ]] || e2e_fail "planted-link: the player's profile changed"
    [[ -L $shared/settings.ini ]] || e2e_fail "planted-link: the attacker's link was replaced"
    why=$(e2e_settings_shape "$config") || e2e_fail "planted-link: \$XDG_CONFIG_HOME/lumabels/settings.ini: $why"
    e2e_log "a link planted by uid $E2E_ATTACKER_UID: not followed, the profile untouched"
    fresh_config

    # A settings.ini of the attacker's that anyone may write, in a folder anyone may write to.
    open=$W/open
    copy "$open"
    chmod 777 "$open"
    printf '%s' "$prepared" >"$open/settings.ini"
    chown "$E2E_ATTACKER_UID" "$open/settings.ini"
    chmod 666 "$open/settings.ini"
    play shared-file "$(as_player shared-file "$open/lumabels")"
    at_file_place shared-file
    [[ $(stat -c %u "$open/settings.ini") == "$E2E_ATTACKER_UID" ]] || e2e_fail "shared-file: the file changed owner"
    e2e_expect_file "$open/settings.ini" "$prepared" "shared-file: the attacker's file changed"
    saved_with_file_values shared-file
    e2e_log "another user's shared file: read, left with its owner, saved in \$XDG_CONFIG_HOME"
    fresh_config

    # Root runs a copy in its own folder where the player's private settings.ini lies.
    rootgame=$W/root-game
    copy "$rootgame"
    printf '%s' "$prepared" >"$rootgame/settings.ini"
    chown "$player_id" "$rootgame/settings.ini"
    chmod 600 "$rootgame/settings.ini"
    play root-private "$(as_self root-private "$rootgame/lumabels")"
    [[ $(stat -c '%u %a' "$rootgame/settings.ini") == "${player_id%%:*} 600" ]] ||
        e2e_fail "root-private: the player's file is now $(stat -c '%U %a' "$rootgame/settings.ini")"
    e2e_expect_file "$rootgame/settings.ini" "$prepared" "root-private: the player's file changed"
    e2e_log "root and a player's private file: left as it was"
    fresh_config
fi
# So that the clean-up may remove them, whoever runs the test.
chmod 755 "$ro" "$rof" "$W/read-only-config"
e2e_log "pass"
