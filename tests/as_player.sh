#!/bin/sh
# as_player.sh PROGRAM [ARGUMENT]...: runs a test program as an unprivileged user, with a
# scratch TMPDIR of its own that must be empty again when the program ends: a test leaves
# nothing behind. Run by root (as CI runs the suite), it copies the program into a fresh
# scratch folder that user can reach, wherever the clone lies (a home folder of mode 0700
# included), and runs the copy as user and group 65534 with a scratch HOME too. Run by anyone
# else, it runs the program as it is. The exit status is the program's, or 1 when the program
# passed but left something in TMPDIR.
set -eu
program=$1
shift
scratch=$(mktemp -d /tmp/lumabels-as-player.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
chmod 755 "$scratch"
mkdir -m 700 "$scratch/home" "$scratch/tmp"
status=0
if [ "$(id -u)" -ne 0 ]; then
    env TMPDIR="$scratch/tmp" "$program" "$@" || status=$?
else
    if ! command -v setpriv >/dev/null 2>&1; then
        echo "as_player.sh: setpriv is not installed" >&2
        exit 1
    fi
    chown 65534:65534 "$scratch/home" "$scratch/tmp"
    cp "$program" "$scratch/program"
    chmod 755 "$scratch/program"
    # From a folder that user can enter too: a death test starts the program again from there.
    cd "$scratch"
    setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$scratch/home" TMPDIR="$scratch/tmp" "$scratch/program" "$@" || status=$?
fi
left=$(ls -A "$scratch/tmp")
if [ -n "$left" ]; then
    echo "as_player.sh: the tests left this behind in TMPDIR:" >&2
    ls -lA "$scratch/tmp" >&2
    [ "$status" -ne 0 ] || status=1
fi
exit "$status"
