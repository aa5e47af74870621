#!/usr/bin/env bash
# The game started with its standard error closed (`2>&-`), then with its standard output and
# error closed (`>&- 2>&-`), and a save that
# fails at exit (neither the game's folder nor $XDG_CONFIG_HOME can be written): the line about
# it must go nowhere. Without a standard error of its own, the next file the game opens would
# take descriptor 2 (the lock file, the connection to the X server) and the line would be
# written into it. Game > Exit ends the game with 0, and the lock file is left empty.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_as_player_or_skip
# Nowhere the player may write the settings.
chmod 555 "$E2E_WORK/game"
mkdir -m 555 "$E2E_WORK/no-config"
lock=$E2E_WORK/runtime/Lumabels.lock

# closed_wrapper TAG REDIRECTIONS: a wrapper that starts the game as the player, the
# standard streams given by REDIRECTIONS.
closed_wrapper() {
    {
        echo '#!/usr/bin/env bash'
        printf 'exec env XDG_CONFIG_HOME=%q' "$E2E_WORK/no-config"
        printf ' %q' "${E2E_PLAYER[@]}" "$E2E_WORK/game/lumabels"
        printf ' %s\n' "$2"
    } >"$E2E_WORK/$1"
    chmod 755 "$E2E_WORK/$1"
    echo "$E2E_WORK/$1"
}

# The same start with its streams open: the save fails, and says so.
E2E_GAME=$(closed_wrapper open '')
e2e_start_game open
e2e_wait_title
e2e_exit_by_menu "$E2E_PID" "with its streams open"
grep -q 'not saved' "$E2E_WORK/open.err" ||
    e2e_fail "the save did not fail as planned: $(cat "$E2E_WORK/open.err")"
e2e_log "with its streams open, the failed save says so on stderr"

# Standard error alone closed, the lock file would be descriptor 2; both, the X connection.
for closed in '2>&-' '>&- 2>&-'; do
    E2E_GAME=$(closed_wrapper closed "$closed")
    e2e_start_game closed
    e2e_wait_title
    [[ -e $lock ]] || e2e_fail "no lock file at $lock"
    e2e_exit_by_menu "$E2E_PID" "started with $closed"
    [[ ! -s $lock ]] || e2e_fail "started with $closed: the lock file was written to: $(od -c "$lock" | head -n 3)"
    e2e_log "started with $closed: exit 0, the lock file empty"
done
e2e_log "pass"
