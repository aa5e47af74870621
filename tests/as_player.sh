#!/bin/sh
# as_player.sh PROGRAM [ARGUMENT]...: runs a test program as an unprivileged user. Run by root
# (as CI runs the suite), it copies the program into a fresh scratch folder that user can
# reach, wherever the clone lies (a home folder of mode 0700 included), and runs the copy as
# user and group 65534 with a scratch HOME and TMPDIR of its own. Run by anyone else, it runs
# the program as it is. The exit status is the program's.
set -eu
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$program" "$@"
fi
if ! command -v setpriv >/dev/null 2>&1; then
    echo "as_player.sh: setpriv is not installed" >&2
    exit 1
fi
scratch=$(mktemp -d /tmp/lumabels-as-player.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
chmod 755 "$scratch"
mkdir -m 700 "$scratch/home" "$scratch/tmp"
chown 65534:65534 "$scratch/home" "$scratch/tmp"
cp "$program" "$scratch/program"
chmod 755 "$scratch/program"
status=0
# From a folder that user can enter too: a death test starts the program again from there.
cd "$scratch"
setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME="$scratch/home" TMPDIR="$scratch/tmp" "$scratch/program" "$@" || status=$?
exit "$status"
