#!/bin/sh
# wine_run.sh PREFIX PROGRAM [ARGUMENT]...: runs a cross-built Windows program under Wine, in the
# Wine prefix PREFIX (one per build tree, made on first use), and exits with its status. The
# build uses it as its CMAKE_CROSSCOMPILING_EMULATOR: for the tests, and for the note generator
# the build runs. It needs no display, and works as root (as CI runs) as well as as anyone.
set -eu
prefix=$1
shift

export WINEPREFIX="$prefix"
# No debug channels, and no offer to download Mono or Gecko, which nothing here uses.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The prefix is made once, by whichever run comes first; the others wait for it.
mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [ ! -f "$prefix/.made" ]; then
        rm -rf "$prefix"
        wineboot -i >/dev/null 2>&1
        # wineboot returns before the prefix's services are done with it.
        wineserver -w
        touch "$prefix/.made"
    fi
    # The unit tests open dialogs: Wine's null display driver gives their windows a desktop with
    # no X server behind it, and shows nothing even when there is one. (Checked apart from
    # .made, so a prefix made before this line learns it too.)
    if [ ! -f "$prefix/.null-display" ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.null-display"
    fi
) 9>"$prefix.lock"

exec wine "$@"
