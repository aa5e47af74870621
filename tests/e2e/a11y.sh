# shellcheck shell=bash
# Reading the game through the accessibility bus (AT-SPI), as a screen reader does. Sourced
# after lib.sh. The test runs in a D-Bus session of its own (a11y_session), where the
# accessibility bus starts on demand, and the game is told to speak on it.

# Re-runs the calling script in a private D-Bus session, once; skips without the tools.
a11y_session() {
    local tool
    for tool in dbus-run-session /usr/bin/python3; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "[$E2E_NAME] skipped: $tool is not installed" >&2
            exit "$E2E_SKIP"
        }
    done
    if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        [[ ! -x /usr/libexec/at-spi-bus-launcher ]]; then
        echo "[$E2E_NAME] skipped: the accessibility bus or pyatspi is not installed" >&2
        exit "$E2E_SKIP"
    fi
    if [[ -z ${A11Y_IN_SESSION:-} ]]; then
        # The accessibility bus puts its socket in XDG_RUNTIME_DIR: tests running side by side
        # must not meet there.
        local runtime status=0
        runtime=$(mktemp -d "${TMPDIR:-/tmp}/lumabels-a11y-$E2E_NAME.XXXXXX")
        chmod 700 "$runtime"
        A11Y_IN_SESSION=1 XDG_RUNTIME_DIR=$runtime dbus-run-session -- bash "$0" "$@" || status=$?
        rm -rf "$runtime"
        exit "$status"
    fi
}

# a11y_launch TAG VAR=VALUE...: starts the game as e2e_launch does, with the session bus, the
# accessibility bridge switched on and the given locale variables.
a11y_launch() {
    local tag=$1
    shift
    # The translations sit beside the executable, as in the build tree.
    [[ -e $E2E_WORK/game/translations ]] ||
        ln -s "$(dirname "$E2E_BINARY")/translations" "$E2E_WORK/game/translations"
    # The test's own session bus, where the accessibility bus is found.
    e2e_launch "$tag" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
}

# a11y_dump FILE: the game's accessibility tree, one "role<TAB>name" line an object.
a11y_dump() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_tree.py" "$E2E_GAME_PID" >"$1" 2>>"$E2E_WORK/a11y-dump.err"
}

# Poll condition: the tree holds an object of ROLE whose name matches the extended regular
# expression NAME (anchored at both ends).
a11y_has() {
    local role=$1 name=$2
    a11y_dump "$E2E_WORK/tree.txt" || return 1
    grep -qE "^$role"$'\t'"$name\$" "$E2E_WORK/tree.txt"
}

# a11y_expect ROLE NAME WHAT: waits a while for such an object, and fails naming WHAT.
a11y_expect() {
    if ! e2e_wait_until 10 a11y_has "$1" "$2"; then
        cp "$E2E_WORK/tree.txt" "$E2E_WORK/tree-failed.txt" 2>/dev/null || true
        e2e_fail "no $1 named \"$2\" ($3); the tree is in $E2E_WORK/tree-failed.txt"
    fi
}
