# shellcheck shell=bash
# The Windows edition under Wine, driven by the Linux edition's harness. Sourced after
# tests/e2e/lib.sh (and desktop.sh, sound.sh as needed) by the tests in this folder, which call
# win_begin instead of e2e_begin. Everything else of lib.sh works unchanged: the game is
# started through a wrapper, game/lumabels, that execs Wine on game/lumabels.exe in the same
# process, so its process id, its window and its exit status are the game's own.

# How long a test waits for something the game is sure to do before it gives up. A deadline, not
# a pause: the wait ends the moment the thing happens. Wine on a loaded machine has taken well
# over ten seconds to close a box or show a window, so only a game that never does it fails.
WIN_PATIENCE=60

# win_begin PATH_TO_LUMABELS_EXE: e2e_begin, then a Wine prefix of the test's own (so the
# named mutex of one test never meets another's) set up once before the game starts.
win_begin() {
    local tool
    for tool in wine wineboot wineserver; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "[$E2E_NAME] skipped: $tool is not installed" >&2
            exit "$E2E_SKIP"
        }
    done
    e2e_begin "$1"
    trap win_end EXIT
    mv "$E2E_WORK/game/lumabels" "$E2E_WORK/game/lumabels.exe"
    {
        echo '#!/usr/bin/env bash'
        printf 'exec wine %q\n' "$E2E_WORK/game/lumabels.exe"
    } >"$E2E_GAME"
    chmod 755 "$E2E_GAME"
    export WINEPREFIX=$E2E_WORK/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # The first start of a prefix takes seconds; done here, no wait for a window has to allow
    # for it. (The server is left to end by itself when idle: tests wait for that with
    # wineserver -w.)
    wineboot -i >"$E2E_WORK/wineboot.log" 2>&1 || e2e_fail "wineboot could not set up $WINEPREFIX"
    e2e_log "Wine prefix $WINEPREFIX ready"
}

# Stops the prefix's Wine server, and with it every Wine process this test started, then
# the rest as e2e_end does.
win_end() {
    local status=$?
    if [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    # e2e_end reads the test's status from $?; set -e must not end the trap on the way.
    if ((status == 0)); then
        e2e_end
    else
        (exit "$status") || e2e_end
    fi
}

# win_active_window -> the id of the window the window manager says is active, in decimal.
win_active_window() {
    printf '%d\n' "$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //; s/,.*//')"
}

# win_is_active WIN: the window manager has made WIN the active window.
win_is_active() {
    [[ $(win_active_window) == "$1" ]]
}

# win_viewable WIN: the window is mapped and on screen.
win_viewable() {
    ! e2e_window_gone "$1"
}
