#!/usr/bin/env bash
# The installed program answers --help and --version on standard output with status 0, with
# no display at all (as from a console, or a package's build), refuses an argument neither it
# nor Qt takes with status 2, naming it, as its manual page says, and asked to play with no display says so in one
# line and ends with status 3.
set -euo pipefail
source "$(dirname "$0")/common.sh"
inst_require timeout
inst_begin

inst_stage "$INST_WORK/stage"
game=$INST_WORK/stage/usr/bin/lumabels
mkdir -m 700 "$INST_WORK/home" "$INST_WORK/runtime"

# run TAG ARG...: runs the installed program in an environment with no window system; its
# output goes to TAG.out and TAG.err, its status to STATUS.
run() {
    local tag=$1
    shift
    set +e
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$INST_WORK/home" \
        XDG_RUNTIME_DIR="$INST_WORK/runtime" XDG_CONFIG_HOME="$INST_WORK/home/.config" \
        timeout -k 5 20 "$game" "$@" >"$INST_WORK/$tag.out" 2>"$INST_WORK/$tag.err"
    STATUS=$?
    set -e
    ((STATUS != 124 && STATUS != 137)) || inst_fail "lumabels $* did not end within 20 s"
}

show() {
    sed 's/^/  out: /' "$INST_WORK/$1.out" >&2
    sed 's/^/  err: /' "$INST_WORK/$1.err" >&2
}

failures=()

run version --version
show version
if ((STATUS != 0)); then
    failures+=("--version ended with status $STATUS")
elif ! printf 'lumabels %s\n' "$INST_VERSION" | cmp -s - "$INST_WORK/version.out"; then
    failures+=("--version did not print the one line 'lumabels $INST_VERSION' on standard output")
else
    inst_log "--version: status 0, prints $INST_VERSION"
fi

run help --help
show help
if ((STATUS != 0)); then
    failures+=("--help ended with status $STATUS")
elif ! grep -q -- '--version' "$INST_WORK/help.out"; then
    failures+=("--help printed no usage on standard output")
else
    inst_log "--help: status 0, prints the usage"
fi

# What Qt does not take is refused, named, once the application object has taken its own
# options: the platform without a display here, a style, and one of Qt's lacking its value.
run misuse -platform offscreen -style fusion --no-such-option -reverse
show misuse
if ((STATUS != 2)); then
    failures+=("an unknown option ended with status $STATUS, not 2")
elif ! head -n 1 "$INST_WORK/misuse.err" | grep -qx -- 'lumabels: unknown argument: --no-such-option'; then
    failures+=("an unknown option was not named on the first line of standard error")
else
    inst_log "an unknown option: named, status 2"
fi
run novalue -platform offscreen -style
((STATUS == 2)) && grep -qx -- 'lumabels: unknown argument: -style' "$INST_WORK/novalue.err" ||
    failures+=("-style without its value ended with status $STATUS, not 2 naming it")

# No display at all: one plain line naming what is missing, and a status that is neither 0 nor
# the 1 of "already running"; no abort, no core dump.
run nodisplay
show nodisplay
if ((STATUS != 3)); then
    failures+=("with no display the game ended with status $STATUS, not 3")
elif [[ $(wc -l <"$INST_WORK/nodisplay.err") -ne 1 ]] ||
    ! grep -q 'no X display (DISPLAY is not set) and no Wayland display' "$INST_WORK/nodisplay.err"; then
    failures+=("with no display the game did not print the one line naming the missing display")
else
    inst_log "no display: one line, status 3"
fi

# Qt's own options are not "unknown": without a display they meet the same plain line.
run qtoption -platform xcb -style fusion
((STATUS == 3)) || failures+=("-platform xcb -style fusion without a display ended with $STATUS, not 3")

# Answering a question about the program is no reason to write anything.
written=$(find "$INST_WORK/home" "$INST_WORK/stage" -name settings.ini)
[[ -z $written ]] || failures+=("the command line runs wrote $written")

if ((${#failures[@]} > 0)); then
    for failure in "${failures[@]}"; do
        printf '[%s] FAIL: %s\n' "$INST_NAME" "$failure" >&2
    done
    exit 1
fi
inst_log "pass"
