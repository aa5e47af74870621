#!/usr/bin/env bash
# The single-instance lock tells "another copy runs" (status 1, not a word) from every other
# failure to take it (status 1 and one line on stderr naming the lock's path and the reason):
# - $XDG_RUNTIME_DIR gone (stale), or not writable;
# - a lock file the player cannot open, left there by a run as root (sudo -E);
# - the temp folder not writable, with no $XDG_RUNTIME_DIR;
# - a link in place of the lock, which leads nowhere: nothing is made where it leads;
# - a relative $XDG_RUNTIME_DIR is ignored: two copies started from two folders where it names
#   two different folders still find each other;
# - with a second user as the attacker (root only): a lock file under the old shared name does
#   not stop the player; a folder of the attacker's, or a link, where the player's private lock
#   folder goes is refused with a word.
# As root the game runs as the unprivileged user 65534.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_as_player_or_skip
W=$E2E_WORK
game=$W/game/lumabels
uid=$E2E_PLAYER_UID
player_id=$uid:$uid
if ((${#E2E_PLAYER[@]} == 0)); then player_id=$(id -u):$(id -g); fi

# refused TAG TEXT...: the game started through E2E_GAME ends with status 1 before it shows a
# window, and says one line on stderr holding each TEXT.
refused() {
    local tag=$1
    shift
    e2e_launch_watched "$tag"
    e2e_wait_end "$E2E_PID" 20
    [[ $E2E_ENDING == "exit 1" ]] || e2e_fail "$tag: ended with $E2E_ENDING, not exit 1"
    e2e_said_once "$tag" "$@"
}

# runs TAG: the game started through E2E_GAME shows its window; sets E2E_PID.
runs() {
    e2e_start_watched "$1"
}

# ends TAG: Game > Exit, and status 0.
ends() {
    e2e_exit_by_menu "$E2E_PID" "$1"
}

wrap() {
    local tag=$1
    shift
    E2E_GAME=$(e2e_wrap_game "wrap-$tag" "$game" "$@")
}

# --- a stale or unwritable XDG_RUNTIME_DIR -----------------------------------------------------
wrap stale XDG_RUNTIME_DIR="$W/gone"
refused stale "$W/gone/Lumabels.lock" "No such file or directory"
mkdir -m 500 "$W/runtime-read-only"
chown "$player_id" "$W/runtime-read-only"
wrap unwritable XDG_RUNTIME_DIR="$W/runtime-read-only"
refused unwritable "$W/runtime-read-only/Lumabels.lock" "Permission denied"
chmod 700 "$W/runtime-read-only"

# --- a lock the player cannot open ------------------------------------------------------------
# As root: root's own lock, left in the player's runtime folder. Otherwise: the player's own
# lock, made read-only.
lock=$W/runtime/Lumabels.lock
touch "$lock"
chmod 600 "$lock"
if ((${#E2E_PLAYER[@]} == 0)); then chmod 400 "$lock"; fi
wrap root-lock
refused root-lock "$lock" "Permission denied"
rm -f "$lock"

# --- no XDG_RUNTIME_DIR, and a temp folder the player cannot write ----------------------------
mkdir -m 555 "$W/tmp-read-only"
wrap tmp-read-only -u XDG_RUNTIME_DIR TMPDIR="$W/tmp-read-only"
refused tmp-read-only "$W/tmp-read-only/Lumabels-$uid" "Permission denied"
chmod 755 "$W/tmp-read-only"

# --- a link in place of the lock --------------------------------------------------------------
ln -s "$W/made-by-the-lock" "$lock"
wrap dangling
refused dangling "$lock" "symbolic link"
[[ ! -e $W/made-by-the-lock ]] || e2e_fail "dangling: a file was made where the link leads"
rm "$lock"

# --- a relative XDG_RUNTIME_DIR ---------------------------------------------------------------
# In each of two folders "run" is a folder, so the relative value names two different ones.
mkdir -m 1777 "$W/tmp"
for place in one two; do
    mkdir -p "$W/$place/run"
    chown -R "$player_id" "$W/$place"
    {
        echo '#!/usr/bin/env bash'
        printf 'cd %q || exit 97\n' "$W/$place"
        printf 'exec env XDG_RUNTIME_DIR=run TMPDIR=%q' "$W/tmp"
        printf ' %q' "${E2E_PLAYER[@]}" "$game"
        printf '\n'
    } >"$W/wrap-relative-$place"
    chmod 755 "$W/wrap-relative-$place"
done
E2E_GAME=$W/wrap-relative-one
runs relative-first
first=$E2E_PID
E2E_GAME=$W/wrap-relative-two
e2e_launch_watched relative-second
e2e_wait_end "$E2E_PID" 20
[[ $E2E_ENDING == "exit 1" ]] || e2e_fail "relative: the second copy ended with $E2E_ENDING, not exit 1"
[[ ! -s $W/relative-second.err ]] || e2e_fail "relative: the second copy said: $(<"$W/relative-second.err")"
[[ -e $W/tmp/Lumabels-$uid/Lumabels.lock ]] || e2e_fail "relative: the lock is not in the private temp folder"
[[ -z $(find "$W/one/run" "$W/two/run" -name '*.lock') ]] || e2e_fail "relative: a lock was made in ./run"
E2E_PID=$first
ends relative-first
e2e_log "relative XDG_RUNTIME_DIR: ignored; the second copy ended with 1, silently"

# --- another user attacks the shared temp folder ----------------------------------------------
if e2e_attacker; then
    shared=$W/shared-tmp
    mkdir -m 1777 "$shared"
    # Under the name the lock once had there: it no longer matters.
    "${E2E_ATTACKER[@]}" sh -c "umask 077 && : >'$shared/Lumabels-$uid.lock'"
    wrap old-name -u XDG_RUNTIME_DIR TMPDIR="$shared"
    runs old-name
    ends old-name
    e2e_log "an attacker's file under the old shared lock name: the game ran"
    rm -rf "${shared:?}/Lumabels-$uid"

    "${E2E_ATTACKER[@]}" mkdir -m 777 "$shared/Lumabels-$uid"
    wrap their-folder -u XDG_RUNTIME_DIR TMPDIR="$shared"
    refused their-folder "$shared/Lumabels-$uid" "another user"
    rm -rf "${shared:?}/Lumabels-$uid"

    mkdir -m 777 "$W/attackers"
    "${E2E_ATTACKER[@]}" ln -s "$W/attackers" "$shared/Lumabels-$uid"
    wrap their-link -u XDG_RUNTIME_DIR TMPDIR="$shared"
    refused their-link "$shared/Lumabels-$uid" "symbolic link"
    [[ -z $(ls -A "$W/attackers") ]] || e2e_fail "their-link: something was made in the attacker's folder"
fi
e2e_log "pass"
