#!/usr/bin/env bash
# The installed game, run from a prefix it cannot write to (as from /usr by a user): it shows
# the title screen, its window's class is the one the desktop entry names, it finds its notes
# and help page in the prefix's share/lumabels, plays a game to its results, ends with status
# 0 on Game > Exit and saves its settings in $XDG_CONFIG_HOME/lumabels/settings.ini (making
# the folder), leaving the prefix untouched. A second run reads them back from there: the
# record of the first game is kept.
#
# Root writes through any mode bit, so when the test runs as root (as CI does) the game runs
# as the unprivileged user 65534, which owns only its home and runtime folder here.
set -euo pipefail
E2E_NAME=$(basename "$0" .sh)
INST_NAME=$E2E_NAME
INST_OWN_TRAP=1
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/../e2e/lib.sh"

E2E_BUILD_DIR=$INST_BUILD
e2e_require_tools
inst_require xprop
player=()
if (($(id -u) == 0)); then
    inst_require setpriv
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
inst_begin
E2E_WORK=$INST_WORK

finish() {
    local status=$?
    inst_unlock
    (exit "$status")
    e2e_end
}
trap finish EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

inst_stage "$INST_WORK/stage"
prefix=$INST_WORK/stage/usr
game=$prefix/bin/lumabels
chmod -R a-w "$INST_WORK/stage"

# The player's own folders, as e2e_launch names them; nothing else here is theirs.
home=$E2E_WORK/home
settings=$home/.config/lumabels/settings.ini
mkdir -m 700 "$home" "$E2E_WORK/runtime"
if ((${#player[@]} > 0)); then
    chown 65534:65534 "$home" "$E2E_WORK/runtime"
    # The user must reach the prefix and the folders above through the scratch folder.
    chmod 755 "$INST_WORK"
    e2e_log "the game runs as user 65534 from $prefix"
else
    e2e_log "the game runs from the read-only $prefix"
fi

# What the game found in the prefix is seen from outside:
# - the notes: the game opens a sound device only once it has read all seven, and SDL's disk
#   driver makes its output file when the device opens;
# - the help page: with no desktop to ask, the game hands it to the xdg-open it finds on
#   PATH, here one that writes down what it was given.
mkdir -m 755 "$E2E_WORK/fakebin"
cat >"$E2E_WORK/fakebin/xdg-open" <<'SH'
#!/bin/sh
printf '%s\n' "$@" >"$HOME/help-opened.tmp" && mv "$HOME/help-opened.tmp" "$HOME/help-opened"
SH
chmod 755 "$E2E_WORK/fakebin/xdg-open"
audio=$home/audio.raw
# e2e_launch starts E2E_GAME; through this the installed game starts as the player, with the
# same process id, and with the two observers above.
{
    echo '#!/bin/sh'
    printf 'exec env PATH="%s:$PATH" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="%s" %s "%s" "$@"\n' \
        "$E2E_WORK/fakebin" "$audio" "${player[*]}" "$game"
} >"$E2E_WORK/as-player"
chmod 755 "$E2E_WORK/as-player"
E2E_GAME=$E2E_WORK/as-player

listing() {
    (cd "$INST_WORK/stage" && find . -printf '%p %m %s %T@\n' | LC_ALL=C sort)
}
listing >"$E2E_WORK/prefix-before"

# record_time: the record's time in milliseconds, the second number of Others.
record_time() {
    sed -n 's/^Others=[0-9-]*,\([0-9]*\),.*/\1/p' "$settings" | tr -d '\r'
}

e2e_start_x

# --- first run: a whole game ------------------------------------------------------------------
e2e_start_game first
e2e_wait_title
e2e_log "the title screen is up"
# X11 docks match the window to the desktop entry by its class, named in StartupWMClass.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/$INST_APP_ID.desktop")
window_class=$(xprop -id "$E2E_WIN" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
[[ -n $wm_class && $window_class == "$wm_class" ]] ||
    e2e_fail "the window's class is '$window_class', the desktop entry names '$wm_class'"

# Help > Help (F1) asks first; Enter accepts, and the page goes to the browser.
e2e_focus
e2e_key F1
box=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$E2E_GAME_PID" \
    --name '^Help$' | head -n 1) || true
[[ -n $box ]] || e2e_fail "F1 did not ask about opening the help page"
e2e_focus "$box"
e2e_key Return
e2e_wait_until 10 test -e "$home/help-opened" || e2e_fail "the help page was not handed to xdg-open"
opened=$(head -n 1 "$home/help-opened")
[[ $opened == file://* ]] || e2e_fail "xdg-open was given '$opened', no file URL"
help_page=$(readlink -f "${opened#file://}") || true
[[ $help_page == "$(readlink -f "$prefix/share/lumabels/help/index.html")" ]] ||
    e2e_fail "the game opened '$opened', not the installed help page"
e2e_log "F1 opened the installed help page"
e2e_wait_until 10 e2e_window_gone "$box" || e2e_fail "the Help question did not close"
e2e_wait_title
e2e_click 200 150
e2e_wait_fresh_band 10 || e2e_fail "the click did not start a game"
e2e_log "game started"
# The sound device opens for play, and only when the notes were found.
[[ -e $audio ]] || e2e_fail "the game opened no sound device: it did not find its notes"
e2e_log "the notes were found (the sound device is open)"
e2e_wait_results 20 || e2e_fail "no results within 20 s of the start"
e2e_log "results are up"
e2e_menu_exit
e2e_wait_exit "$E2E_PID" 20
((E2E_EXIT_CODE == 0)) || e2e_fail "Game > Exit ended with status $E2E_EXIT_CODE"
e2e_log "Game > Exit: status 0"

listing >"$E2E_WORK/prefix-after"
if ! cmp -s "$E2E_WORK/prefix-before" "$E2E_WORK/prefix-after"; then
    diff "$E2E_WORK/prefix-before" "$E2E_WORK/prefix-after" >&2 || true
    e2e_fail "the run changed the installed prefix"
fi
if [[ ! -f $settings ]]; then
    found=$(find "$INST_WORK" -name settings.ini 2>/dev/null)
    e2e_fail "no settings in $settings; settings.ini files found: ${found:-none}"
fi
e2e_log "settings saved in \$XDG_CONFIG_HOME/lumabels/settings.ini:"
sed 's/^/  /' "$settings" >&2
grep -q '^\[Settings\]' "$settings" || e2e_fail "the saved file has no [Settings] section"
for key in PlayOptions SystemOptions Others; do
    grep -q "^$key=" "$settings" || e2e_fail "the saved file has no $key"
done
first_record=$(record_time)
[[ $first_record =~ ^[0-9]+$ ]] && ((first_record > 0)) ||
    e2e_fail "the game played left no record time in Others ('$first_record')"

# --- second run: the settings are read back from there --------------------------------------
e2e_start_game second
e2e_wait_title
e2e_menu_exit
e2e_wait_exit "$E2E_PID" 20
((E2E_EXIT_CODE == 0)) || e2e_fail "the second Game > Exit ended with status $E2E_EXIT_CODE"
[[ $(record_time) == "$first_record" ]] ||
    e2e_fail "the second run did not keep the record ${first_record} ms; the file has '$(record_time)'"
e2e_log "the second run read the record back and kept it"
listing >"$E2E_WORK/prefix-after"
cmp -s "$E2E_WORK/prefix-before" "$E2E_WORK/prefix-after" ||
    e2e_fail "the second run changed the installed prefix"
e2e_log "pass"
