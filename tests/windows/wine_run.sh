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
) 9>"$prefix.lock"

exec wine "$@"
