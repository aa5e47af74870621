# shellcheck shell=bash
# Helpers shared by the end-to-end tests. Each test sources this file and calls
# e2e_begin with the path of the game binary; everything it starts is stopped by PID when
# the script exits, however it exits.
#
# Each test gets its own X server, its own runtime folder (so the single-instance lock of one
# test never meets another's), its own home and its own copy of the game binary (the game keeps
# its settings beside the executable, so a shared binary would let parallel tests share them).
#
# The scripts drive the game; what a screenshot shows is asked of shotprobe (see e2e_probe).

# shellcheck disable=SC2034 # the constants and results below are read by the test scripts

E2E_FIELD_W=400
E2E_FIELD_H=300
# The exit status ctest reports as "skipped": the machine lacks the tools to run the test.
E2E_SKIP=77

# Colours of the play field, "R G B" each: E2E_SKY, E2E_WHITE (the clouds and the results),
# E2E_TITLE, E2E_OUTLINE (around the results' text) and E2E_STRIPES (the six stripes of a
# lumabel, top first); the character's picture, E2E_CHARACTER_W x E2E_CHARACTER_H, its corner
# E2E_CHARACTER_LEFT left of her x and E2E_CHARACTER_ABOVE above her band's top.
# e2e_find_probe asks shotprobe for them: they are the painters' own.

# The band a game starts with: its top row in the field and its climb per tick.
E2E_BAND_START=204
E2E_BAND_CLIMB=7

E2E_NAME=${E2E_NAME:-$(basename "$0" .sh)}
# This folder: the helper programs beside this file.
E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Arguments e2e_launch gives the game.
E2E_GAME_ARGS=()
declare -A E2E_ALIVE=()
E2E_XVFB_PID=
E2E_WORK=

e2e_log() {
    printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%T.%3N)" "$*" >&2
}

e2e_fail() {
    printf '[%s %s] FAIL: %s\n' "$E2E_NAME" "$(date +%T.%3N)" "$*" >&2
    exit 1
}

e2e_now_ms() {
    local t=${EPOCHREALTIME/./}
    echo $((t / 1000))
}

# e2e_wait_until SECONDS COMMAND...: runs COMMAND until it succeeds; fails after SECONDS.
# Only for conditions outside this script's control (a window, a frame, an exit); the
# short pause keeps the poll from taking the CPU from the game on a small machine.
e2e_wait_until() {
    local seconds=$1
    shift
    local deadline=$(($(e2e_now_ms) + seconds * 1000))
    until "$@"; do
        if (($(e2e_now_ms) > deadline)); then
            return 1
        fi
        sleep 0.02
    done
}

# --- set-up and tear-down -------------------------------------------------------------------

e2e_require_tools() {
    local tool
    for tool in Xvfb xdotool xwininfo import convert od awk cmp timeout mkfifo; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "[$E2E_NAME] skipped: $tool is not installed" >&2
            exit "$E2E_SKIP"
        fi
    done
    e2e_find_probe
}

e2e_begin() {
    if (($# < 1)); then
        echo "usage: $0 PATH_TO_GAME_BINARY" >&2
        exit 2
    fi
    E2E_BINARY=$(readlink -f "$1")
    [[ -x $E2E_BINARY ]] || e2e_fail "no game binary at $1"
    E2E_BUILD_DIR=${E2E_BUILD_DIR:-${E2E_BINARY%/*}}
    e2e_require_tools
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/lumabels-e2e-$E2E_NAME.XXXXXX")
    trap e2e_end EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    e2e_start_x
    e2e_prepare_game
}

e2e_start_x() {
    local fifo=$E2E_WORK/displayfd display=
    mkfifo "$fifo"
    # Xvfb writes its display number to the FIFO once it accepts clients: reading the FIFO
    # waits exactly as long as needed, and ends at once if Xvfb dies (end of file).
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$fifo" \
        >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    if ! read -r -t 30 display <"$fifo" || [[ ! $display =~ ^[0-9]+$ ]]; then
        cat "$E2E_WORK/xvfb.log" >&2 || true
        e2e_fail "Xvfb did not start"
    fi
    export DISPLAY=":$display"
    e2e_log "Xvfb (pid $E2E_XVFB_PID) on $DISPLAY, work folder $E2E_WORK"
}

e2e_prepare_game() {
    local from item
    from=$(dirname "$E2E_BINARY")
    mkdir -p "$E2E_WORK/game"
    # A hard link costs nothing; it needs the same file system, else a copy does.
    ln "$E2E_BINARY" "$E2E_WORK/game/lumabels" 2>/dev/null ||
        cp "$E2E_BINARY" "$E2E_WORK/game/lumabels"
    for item in sound help; do
        if [[ -e $from/$item ]]; then
            ln -s "$from/$item" "$E2E_WORK/game/$item"
        fi
    done
    E2E_GAME=$E2E_WORK/game/lumabels
    mkdir -m 700 "$E2E_WORK/runtime" "$E2E_WORK/home"
}

# Stops a process this script started: TERM, a bounded wait, then KILL.
e2e_stop_pid() {
    local pid=$1 i
    kill -TERM "$pid" 2>/dev/null || true
    for ((i = 0; i < 250; i++)); do
        e2e_pid_running "$pid" || break
        sleep 0.02
    done
    if e2e_pid_running "$pid"; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

e2e_end() {
    local status=$? pid
    trap - EXIT
    for pid in "${!E2E_ALIVE[@]}"; do
        e2e_stop_pid "$pid"
    done
    E2E_ALIVE=()
    if [[ -n $E2E_XVFB_PID ]]; then
        e2e_stop_pid "$E2E_XVFB_PID"
    fi
    if [[ -n $E2E_WORK && -d $E2E_WORK ]]; then
        if ((status == 0)); then
            rm -rf "$E2E_WORK"
        else
            echo "[$E2E_NAME] kept the screenshots and the game's output in $E2E_WORK" >&2
        fi
    fi
    exit "$status"
}

# --- the game process -----------------------------------------------------------------------

# True while the process runs; a zombie (exited, not yet reaped) counts as ended.
e2e_pid_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

e2e_pid_ended() {
    ! e2e_pid_running "$1"
}

# e2e_launch TAG: starts the game in the background with its output in TAG.out and TAG.err;
# E2E_PID is its process id. The desktop session the tests run in (Wayland, a session bus, a
# session manager, scaling) is kept away from the game, so it sees only the private server.
# Further arguments, VARIABLE=VALUE, are set last in the game's environment.
e2e_launch() {
    local tag=$1
    shift
    env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER \
        -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u QT_STYLE_OVERRIDE \
        -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
        DISPLAY="$DISPLAY" \
        HOME="$E2E_WORK/home" \
        XDG_RUNTIME_DIR="$E2E_WORK/runtime" \
        XDG_CONFIG_HOME="$E2E_WORK/home/.config" \
        XDG_DATA_HOME="$E2E_WORK/home/.local/share" \
        XDG_CACHE_HOME="$E2E_WORK/home/.cache" \
        LANG=C.UTF-8 \
        QT_QPA_PLATFORM=xcb \
        SDL_AUDIODRIVER=dummy \
        "$@" \
        "$E2E_GAME" "${E2E_GAME_ARGS[@]}" >"$E2E_WORK/$tag.out" 2>"$E2E_WORK/$tag.err" &
    E2E_PID=$!
    E2E_ALIVE[$E2E_PID]=1
    e2e_log "started the game as $tag (pid $E2E_PID)${*:+ with $*}"
}

# e2e_wait_exit PID SECONDS: waits for the process to end and reaps it; E2E_EXIT_CODE is its
# exit status.
e2e_wait_exit() {
    local pid=$1 seconds=$2
    e2e_wait_until "$seconds" e2e_pid_ended "$pid" ||
        e2e_fail "process $pid still runs after $seconds s"
    E2E_EXIT_CODE=0
    wait "$pid" || E2E_EXIT_CODE=$?
    unset "E2E_ALIVE[$pid]"
}

# e2e_geometry WIN -> "X Y W H": the client area, absolute.
e2e_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $NF} /Absolute upper-left Y:/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print x, y, w, h}'
}

# e2e_find_window PID: waits for the game's main window; sets E2E_WIN, E2E_WIN_X/Y/W/H and
# the field's absolute position E2E_FX, E2E_FY (the field is the bottom 300 rows).
e2e_find_window() {
    local pid=$1
    E2E_WIN=$(timeout 30 xdotool search --sync --all --onlyvisible --pid "$pid" \
        --name '^Lumabels$' | head -n 1) || true
    if [[ -z $E2E_WIN ]]; then
        if e2e_pid_running "$pid"; then
            e2e_fail "no window from pid $pid, which still runs"
        fi
        e2e_fail "no window from pid $pid, which has ended"
    fi
    # A window can be on screen a moment before it has its size (Wine under load maps it first):
    # the field's place is read once the window is as wide as the field.
    e2e_wait_until 30 e2e_window_sized || e2e_fail "the window never took the field's width: \
${E2E_WIN_W}x$E2E_WIN_H"
    E2E_FX=$E2E_WIN_X
    E2E_FY=$((E2E_WIN_Y + E2E_WIN_H - E2E_FIELD_H))
    E2E_GAME_PID=$pid
    e2e_log "window $E2E_WIN at $E2E_WIN_X,$E2E_WIN_Y size ${E2E_WIN_W}x$E2E_WIN_H"
}

# Poll condition: E2E_WIN is as wide as the field and tall enough for it; reads its geometry.
e2e_window_sized() {
    read -r E2E_WIN_X E2E_WIN_Y E2E_WIN_W E2E_WIN_H <<<"$(e2e_geometry "$E2E_WIN")"
    [[ $E2E_WIN_W == "$E2E_FIELD_W" ]] && ((E2E_WIN_H >= E2E_FIELD_H))
}

# Starts the game and waits for its window.
e2e_start_game() {
    e2e_launch "${1:-game}"
    e2e_find_window "$E2E_PID"
}

# e2e_start_watched TAG: e2e_launch_watched, then the game's window with the title screen up.
e2e_start_watched() {
    e2e_launch_watched "$1"
    e2e_find_watched_window "$E2E_PID"
    e2e_wait_title
}

# e2e_expect_refused_beside: a start beside the running game is refused with status 1.
e2e_expect_refused_beside() {
    e2e_launch_watched beside
    e2e_wait_end "$E2E_PID" 20
    [[ $E2E_ENDING == "exit 1" ]] || e2e_fail "a start beside the running game ended with $E2E_ENDING, not exit 1"
}

# e2e_exit_by_menu PID WHAT: Game > Exit ends the game PID, watched or a child of this test,
# with status 0.
e2e_exit_by_menu() {
    local how
    e2e_menu_exit
    if [[ -n ${E2E_STATUS_OF[$1]:-} ]]; then
        e2e_wait_end "$1" 20
        how=$E2E_ENDING
    else
        e2e_wait_exit "$1" 20
        how="status $E2E_EXIT_CODE"
    fi
    ((E2E_EXIT_CODE == 0)) || e2e_fail "$2: Game > Exit ended the game with $how"
}

# --- input ----------------------------------------------------------------------------------

# Keys reach the game only while its window has the input focus; with no window manager
# nobody else gives it.
e2e_focus() {
    timeout 10 xdotool windowfocus --sync "${1:-$E2E_WIN}" || e2e_fail "could not focus the window"
}

e2e_key() {
    xdotool key "$@"
}

# e2e_move X Y / e2e_click X Y: field coordinates.
e2e_move() {
    xdotool mousemove "$((E2E_FX + $1))" "$((E2E_FY + $2))"
}

e2e_click() {
    e2e_move "$1" "$2"
    xdotool click 1
}

# e2e_click_to_play [WHAT]: a click on the title screen starts a game.
e2e_click_to_play() {
    e2e_click 200 150
    e2e_wait_fresh_band "${2:-10}" || e2e_fail "${1:+$1: }the click did not start a game"
}

# e2e_move_window X Y [WHAT]: moves the main window and waits until it stands there.
e2e_move_window() {
    xdotool windowmove "$E2E_WIN" "$1" "$2"
    e2e_wait_until 10 e2e_window_at "$E2E_WIN" "$1" "$2" || e2e_fail "${3:+$3: }the window did not move"
}

# e2e_play_at_random_place TAG: with the title screen up, moves the window to a place of its
# own (so that a save shows in the file) and starts a game; E2E_PLACE_X, E2E_PLACE_Y is the
# place.
e2e_play_at_random_place() {
    E2E_PLACE_X=$((40 + RANDOM % 100)) E2E_PLACE_Y=$((30 + RANDOM % 100))
    e2e_move_window "$E2E_PLACE_X" "$E2E_PLACE_Y" "$1"
    # The click reaches the game behind the news of the move, so once it has started a game
    # the game knows where its window is.
    e2e_find_window "$E2E_PID"
    e2e_click_to_play "$1"
}

# A settings file whose game ticks once a second: no game can end by itself while a test looks
# at it.
E2E_SLOW_PLAY=$'[Settings]\nPlayOptions=9,2,1000,Results,1\nSystemOptions=1,0,1,0\nOthers=0,0,10,10\n'

# e2e_start_playing_from CONTENTS FILE TAG: FILE holds CONTENTS, and a watched run started
# from it is in play with its window at a random place of its own (E2E_PLACE_X, E2E_PLACE_Y),
# so that a save shows in the file.
e2e_start_playing_from() {
    printf '%s' "$1" >"$2"
    e2e_start_watched "$3"
    e2e_play_at_random_place "$3"
}

# Opens Help > Tips and closes it again. The X server hands the game its events in order, so
# once the box is up every earlier click and key has been handled. While a modal box is open
# the game stands still; afterwards it goes on as before.
e2e_barrier() {
    local box
    e2e_focus
    e2e_key alt+h
    e2e_key t
    e2e_wait_until 10 e2e_named_window '^Tips' || e2e_fail "Help > Tips did not open"
    box=$E2E_NAMED
    e2e_focus "$box"
    e2e_key Escape
    e2e_wait_until 10 e2e_window_gone "$box" || e2e_fail "the Tips box did not close"
    e2e_focus
}

e2e_window_gone() {
    local state
    state=$(xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ {print $NF}') || true
    [[ $state != IsViewable ]]
}

# --- screenshots ----------------------------------------------------------------------------

# e2e_shot NAME: grabs the field into NAME.ppm in the work folder and sets E2E_SHOT to the path
# without extension. PPM is raw pixels behind a short header: quick to write, and two shots of
# the same field are the same bytes.
e2e_shot() {
    local name=${1:-poll}
    E2E_SHOT=$E2E_WORK/$name
    import -window root -crop "${E2E_FIELD_W}x$E2E_FIELD_H+$E2E_FX+$E2E_FY" +repage \
        -depth 8 "ppm:$E2E_SHOT.ppm"
}

# e2e_keep SHOT NAME: writes SHOT as NAME.png into the work folder, and into
# $LUMABELS_SCREENSHOT_DIR when that is set.
e2e_keep() {
    local shot=$1 name=$2
    convert "$shot.ppm" -strip "png:$E2E_WORK/$name.png"
    if [[ -n ${LUMABELS_SCREENSHOT_DIR:-} ]]; then
        mkdir -p "$LUMABELS_SCREENSHOT_DIR"
        cp "$E2E_WORK/$name.png" "$LUMABELS_SCREENSHOT_DIR/$name.png"
        e2e_log "saved $LUMABELS_SCREENSHOT_DIR/$name.png"
    fi
}

# Copies a shot under a lasting name, so a later poll does not overwrite it.
e2e_save_as() {
    cp "$1.ppm" "$E2E_WORK/$2.ppm"
    echo "$E2E_WORK/$2"
}

e2e_same_shot() {
    cmp -s "$1.ppm" "$2.ppm"
}

# --- what a shot shows ------------------------------------------------------------------------
# The questions go to shotprobe (shot/), built with the tests: ctest names it in
# LUMABELS_SHOTPROBE; run by hand, it is found in the build tree of the game under test.

e2e_find_probe() {
    E2E_PROBE=${LUMABELS_SHOTPROBE:-${E2E_BUILD_DIR:-.}/tests/e2e/shot/shotprobe}
    [[ -x $E2E_PROBE ]] || e2e_fail "no shotprobe at $E2E_PROBE: build the tests first"
    local palette
    palette=$("$E2E_PROBE" palette) || e2e_fail "shotprobe did not give the field's look"
    eval "$palette"
}

# e2e_probe COMMAND SHOT [ARGUMENT]...: asks shotprobe about SHOT (a path without extension).
# Its status is the answer of a yes-or-no command; a failing probe fails the test.
e2e_probe() {
    local command=$1 shot=$2 status=0
    shift 2
    "$E2E_PROBE" "$command" "$shot.ppm" "$@" || status=$?
    ((status < 2)) || e2e_fail "shotprobe $command $shot failed (status $status)"
    return "$status"
}

# e2e_pixel SHOT X Y -> "R G B"
e2e_pixel() {
    e2e_probe pixel "$@"
}

# e2e_count SHOT "R G B" [X0 Y0 X1 Y1]: pixels of that colour in the box (ends exclusive).
e2e_count() {
    e2e_probe count "$@"
}

# e2e_bbox SHOT "R G B": bounding box "X0 Y0 X1 Y1" (inclusive) of that colour, or nothing.
e2e_bbox() {
    e2e_probe bounds "$@"
}

# e2e_ink_rows SHOT "R G B"...: the runs of rows holding a pixel of none of the listed
# colours, one "Y0 Y1 X0 X1" per run (all inclusive). With the flat colours of the field
# listed, what is left is anti-aliased text: each run is a line of it.
e2e_ink_rows() {
    e2e_probe ink-rows "$@"
}

# e2e_only_colours SHOT X0 Y0 X1 Y1 "R G B"...: true when the box (ends exclusive, clipped to
# the field) holds no colour but those listed.
e2e_only_colours() {
    e2e_probe only "$@"
}

# --- the band -------------------------------------------------------------------------------

# e2e_band_tops SHOT: the top rows of every run of rows that are red across at least 370 of the
# 400 columns (the band's red stripe is always one; other lumabels grow that wide only late).
e2e_band_tops() {
    e2e_probe band-tops "$1"
}

# e2e_band_check SHOT TOP: checks the band at TOP, a position it can only have within its first
# 15 ticks: its stripes in order and the character standing on it in the middle. Prints the
# reason when the band is not right.
e2e_band_check() {
    e2e_probe band-check "$1" "$2"
}

# e2e_band_top SHOT: the band's top row when it is right at the start of a game (at most 15
# ticks in), else nothing.
e2e_band_top() {
    e2e_probe band-top "$1" || true
}

# Poll condition: a fresh shot shows a band that has just started. Sets E2E_TOP.
e2e_poll_fresh_band() {
    e2e_shot poll
    E2E_FRESH_SHOTS=$((E2E_FRESH_SHOTS + 1))
    E2E_TOP=$(e2e_band_top "$E2E_SHOT")
    [[ -n $E2E_TOP ]]
}

# Waits for a shot with a freshly started band; E2E_SHOT / E2E_TOP describe it.
e2e_wait_fresh_band() {
    E2E_FRESH_SHOTS=0
    e2e_wait_until "${1:-10}" e2e_poll_fresh_band
}

# Poll condition for e2e_wait_ticks: counts the shots that differ from the one before.
e2e_poll_tick() {
    e2e_shot poll
    E2E_TICKS_SHOTS=$((E2E_TICKS_SHOTS + 1))
    if ! e2e_same_shot "$E2E_SHOT" "$E2E_WORK/tick-previous"; then
        cp "$E2E_SHOT.ppm" "$E2E_WORK/tick-previous.ppm"
        E2E_TICKS_SEEN=$((E2E_TICKS_SEEN + 1))
    fi
    ((E2E_TICKS_SEEN >= E2E_TICKS_GOAL))
}

# e2e_wait_ticks N SECONDS: waits until the field has changed N times, counted from a shot
# taken now. During play every tick moves something and the field is drawn once a tick, so
# that is at least N ticks. A key sent before the call has been handled within two ticks
# (the game reads its input between ticks): N=2 makes sure of that. E2E_SHOT is the last shot.
e2e_wait_ticks() {
    E2E_TICKS_GOAL=$1
    E2E_TICKS_SEEN=0
    E2E_TICKS_SHOTS=0
    E2E_TICKS_SINCE=$(e2e_now_ms)
    e2e_shot poll
    cp "$E2E_SHOT.ppm" "$E2E_WORK/tick-previous.ppm"
    e2e_wait_until "$2" e2e_poll_tick
}

# --- screens --------------------------------------------------------------------------------

# Poll condition: the title screen is up in a fresh shot.
e2e_poll_title() {
    e2e_shot poll
    e2e_is_title "$E2E_SHOT"
}

# The title screen: sky in the four corners, the title's colour in the middle and nowhere else.
e2e_is_title() {
    e2e_probe is-title "$1"
}

e2e_wait_title() {
    e2e_wait_until "${1:-20}" e2e_poll_title || e2e_fail "the title screen did not come up"
}

# Poll condition: the results block is drawn, and the field has stopped changing since the
# previous poll.
e2e_poll_results() {
    local previous=$E2E_WORK/results-previous
    e2e_shot poll
    # Nothing but the results' outline has this colour.
    if (($(e2e_count "$E2E_SHOT" "$E2E_OUTLINE") < 20)); then
        rm -f "$previous.ppm"
        return 1
    fi
    if [[ -e $previous.ppm ]] && e2e_same_shot "$E2E_SHOT" "$previous"; then
        return 0
    fi
    cp "$E2E_SHOT.ppm" "$previous.ppm"
    return 1
}

# Waits for the results screen and for the field to stop changing.
e2e_wait_results() {
    rm -f "$E2E_WORK/results-previous.ppm"
    e2e_wait_until "${1:-15}" e2e_poll_results
}

# Poll condition: a fresh shot equals the shot named in E2E_EXPECTED.
e2e_poll_same() {
    e2e_shot poll
    e2e_same_shot "$E2E_SHOT" "$E2E_EXPECTED"
}

# e2e_wait_same SHOT SECONDS: waits until the field shows exactly SHOT again (after a box over
# it has closed and the field has been painted anew).
e2e_wait_same() {
    E2E_EXPECTED=$1
    e2e_wait_until "${2:-5}" e2e_poll_same
}

# Game > Exit from the keyboard.
e2e_menu_exit() {
    e2e_focus
    e2e_key alt+g
    e2e_key x
}

# --- the settings file and the options dialog -----------------------------------------------

# The game keeps settings.ini beside its executable: here, beside the private link of it.
e2e_settings() {
    echo "$E2E_WORK/game/settings.ini"
}

# e2e_window_pos WIN -> "X Y": the absolute upper-left corner, which with no window manager is
# the window's outer top-left corner.
e2e_window_pos() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $NF} /Absolute upper-left Y:/ {y = $NF} END {print x, y}'
}

# e2e_close_window WIN: asks the window to close the way a window manager's close button
# does, with a WM_DELETE_WINDOW message. No command-line tool at hand sends one, so Python
# talks to libX11 directly; without python3 the test is skipped.
e2e_close_window() {
    command -v python3 >/dev/null 2>&1 || {
        echo "[$E2E_NAME] skipped: python3 is not installed" >&2
        exit "$E2E_SKIP"
    }
    python3 "$E2E_LIB_DIR/close_window.py" "$1" || e2e_fail "could not send WM_DELETE_WINDOW to window $1"
}

# e2e_expect_file PATH EXPECTED_BYTES WHAT: fails, showing both with every byte visible, unless
# the file holds exactly the bytes given.
e2e_expect_file() {
    local path=$1 expected=$2 what=$3
    printf '%s' "$expected" >"$E2E_WORK/expected.bytes"
    if ! cmp -s "$path" "$E2E_WORK/expected.bytes"; then
        {
            echo "expected:"
            od -c "$E2E_WORK/expected.bytes"
            echo "found:"
            if [[ -e $path ]]; then od -c "$path"; else echo "(no file)"; fi
        } >&2
        e2e_fail "$what"
    fi
}

# Opens Game > Options with its shortcut F5 and waits for the dialog, a top-level window of its
# own; E2E_DIALOG is its id. The dialog gets the keyboard focus so that Enter and Escape go to
# it.
e2e_open_options() {
    e2e_focus
    e2e_key F5
    e2e_wait_until 10 e2e_named_window '^Options$' || e2e_fail "F5 did not open the Options dialog"
    E2E_DIALOG=$E2E_NAMED
    e2e_focus "$E2E_DIALOG"
}

# e2e_close_options KEY: closes the open Options dialog with KEY (Return accepts, Escape
# cancels) and waits until it is gone and the main window has the focus again.
e2e_close_options() {
    e2e_key "$1"
    e2e_wait_until 10 e2e_window_gone "$E2E_DIALOG" || e2e_fail "$1 did not close the Options dialog"
    e2e_focus
}

# e2e_window_at WIN X Y: true when the window's outer top-left corner is at X,Y.
e2e_window_at() {
    [[ $(e2e_window_pos "$1") == "$2 $3" ]]
}

# --- faults, signals and long runs ----------------------------------------------------------

# e2e_wrap_game NAME BINARY [ENV ARGUMENT]...: writes a wrapper that starts BINARY through
# env(1) with the arguments given (-u NAME first, then NAME=VALUE) and, when E2E_PLAYER is set,
# as that player; prints its path. Each step execs the next, so the wrapper's process id ends up
# being the game's, and the game still finds its settings and data beside BINARY, not beside this.
e2e_wrap_game() {
    local name=$1 binary=$2 wrapper
    shift 2
    wrapper=$E2E_WORK/$name
    {
        echo '#!/usr/bin/env bash'
        printf 'exec env'
        printf ' %q' "$@" "${E2E_PLAYER[@]}" "$binary"
        printf '\n'
    } >"$wrapper"
    chmod 755 "$wrapper"
    echo "$wrapper"
}

# e2e_as_player: the game must meet file modes the way a user does; root writes through any of
# them, so when the test runs as root the game runs as the unprivileged user 65534, which then
# owns the home and runtime folders (and nothing else). Sets E2E_PLAYER (the command prefix, empty
# when not root) and E2E_PLAYER_UID. Returns 1 when root lacks setpriv.
e2e_as_player() {
    E2E_PLAYER=()
    E2E_PLAYER_UID=$(id -u)
    if ((E2E_PLAYER_UID != 0)); then
        return 0
    fi
    command -v setpriv >/dev/null 2>&1 || return 1
    E2E_PLAYER=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    E2E_PLAYER_UID=65534
    chown 65534:65534 "$E2E_WORK/home" "$E2E_WORK/runtime"
    # The player reaches the game and its data through the work folder.
    chmod 755 "$E2E_WORK"
    e2e_copy_data "$E2E_WORK/game"
}

# e2e_as_player_or_skip: e2e_as_player, or the test is skipped where it cannot be.
e2e_as_player_or_skip() {
    e2e_as_player || {
        echo "[$E2E_NAME] skipped: running as root and setpriv is not installed" >&2
        exit "$E2E_SKIP"
    }
}

# The watcher (watch.pl) that writes down how a game ended; Perl is part of every Debian system.
e2e_watcher_script() {
    echo "$E2E_LIB_DIR/watch.pl"
}

E2E_PLAYER=()
declare -A E2E_WATCHER_OF=()
declare -A E2E_STATUS_OF=()

# e2e_launch_watched TAG: e2e_launch under the watcher; E2E_PID is the game's own process id,
# to send signals to while it runs. End it with e2e_wait_end.
e2e_launch_watched() {
    local tag=$1 game=$E2E_GAME watcher pid_file=$E2E_WORK/$1.pid status_file=$E2E_WORK/$1.status
    command -v perl >/dev/null 2>&1 || {
        echo "[$E2E_NAME] skipped: perl is not installed" >&2
        exit "$E2E_SKIP"
    }
    rm -f "$pid_file" "$status_file"
    # The watcher itself runs as the caller; the player, if any, is in the game's wrapper.
    watcher=$E2E_WORK/watch-$tag
    {
        echo '#!/usr/bin/env bash'
        printf 'exec perl'
        printf ' %q' "$(e2e_watcher_script)" "$pid_file" "$status_file" "$game"
        printf '\n'
    } >"$watcher"
    chmod 755 "$watcher"
    E2E_GAME=$watcher
    e2e_launch "$tag"
    E2E_GAME=$game
    e2e_wait_until 10 test -s "$pid_file" || e2e_fail "the watcher of $tag did not start the game"
    local watcher_pid=$E2E_PID
    E2E_PID=$(<"$pid_file")
    # The clean-up stops the watcher, which stops the game.
    E2E_WATCHER_OF[$E2E_PID]=$watcher_pid
    E2E_STATUS_OF[$E2E_PID]=$status_file
    e2e_log "the game of $tag runs as pid $E2E_PID (watched by $watcher_pid)"
}

# e2e_window_or_end PID STATUS_FILE: the game's main window is up, or the game has ended.
e2e_window_or_end() {
    [[ -s $2 ]] || [[ -n $(xdotool search --all --onlyvisible --pid "$1" --name '^Lumabels$' 2>/dev/null) ]]
}

# e2e_find_watched_window PID: e2e_find_window for a watched game, which fails at once, with
# the game's last words, when the game ends before it shows a window.
e2e_find_watched_window() {
    local pid=$1 status_file=${E2E_STATUS_OF[$1]:-}
    [[ -n $status_file ]] || e2e_fail "process $pid is not watched"
    e2e_wait_until 30 e2e_window_or_end "$pid" "$status_file" || e2e_fail "no window from pid $pid"
    if [[ -s $status_file ]]; then
        head -c 2000 "$E2E_WORK/$(basename "$status_file" .status).err" >&2 || true
        e2e_fail "the game (pid $pid) ended with $(<"$status_file") before it showed a window"
    fi
    e2e_find_window "$pid"
}

# e2e_wait_end PID SECONDS: waits for a watched game to end. E2E_EXIT_CODE is its exit status
# (128 + N after signal N, as the shell would say), E2E_EXIT_SIGNAL the signal that killed it or
# 0 when it exited by itself, and E2E_ENDING a readable "exit N" or "signal N".
e2e_wait_end() {
    local pid=$1 seconds=$2 status_file=${E2E_STATUS_OF[$1]:-}
    [[ -n $status_file ]] || e2e_fail "process $pid is not watched"
    e2e_wait_until "$seconds" test -s "$status_file" || e2e_fail "process $pid still runs after $seconds s"
    E2E_ENDING=$(<"$status_file")
    wait "${E2E_WATCHER_OF[$pid]}" 2>/dev/null || true
    unset "E2E_ALIVE[${E2E_WATCHER_OF[$pid]}]" "E2E_WATCHER_OF[$pid]" "E2E_STATUS_OF[$pid]"
    case $E2E_ENDING in
        "exit "*) E2E_EXIT_SIGNAL=0 E2E_EXIT_CODE=${E2E_ENDING#exit } ;;
        "signal "*) E2E_EXIT_SIGNAL=${E2E_ENDING#signal } E2E_EXIT_CODE=$((128 + ${E2E_ENDING#signal })) ;;
        *) e2e_fail "the watcher of $pid wrote '$E2E_ENDING'" ;;
    esac
}

# e2e_settings_shape FILE: true when FILE is a complete settings file: a [Settings] section
# (after an optional byte-order mark) holding PlayOptions, SystemOptions and Others once each,
# with 5, 4 and 4 entries, whole numbers where numbers belong. Any line ends (LF, CRLF, CR).
# Prints what is wrong otherwise.
e2e_settings_shape() {
    [[ -f $1 ]] || { echo "no file"; return 1; }
    tr '\r' '\n' <"$1" | LC_ALL=C awk '
        function entries(value,    n, i, c, quoted) {
            n = 1; quoted = 0
            for (i = 1; i <= length(value); i++) {
                c = substr(value, i, 1)
                if (c == "\"") quoted = !quoted
                else if (c == "," && !quoted) n++
            }
            return n
        }
        {
            sub(/\r$/, "")
            if (NR == 1) sub(/^\357\273\277/, "")
            if ($0 ~ /^[ \t]*\[/) { inside = ($0 ~ /^[ \t]*\[Settings\][ \t]*$/); if (inside) sections++; next }
            if (!inside || $0 !~ /=/) next
            key = $0; sub(/[ \t]*=.*/, "", key); sub(/^[ \t]+/, "", key)
            value = $0; sub(/^[^=]*=/, "", value)
            seen[key]++; values[key] = value
        }
        END {
            if (sections != 1) { print "the file has " sections + 0 " [Settings] sections"; exit 1 }
            want["PlayOptions"] = 5; want["SystemOptions"] = 4; want["Others"] = 4
            for (key in want) {
                if (seen[key] != 1) { print key " is there " seen[key] + 0 " times"; exit 1 }
                if (entries(values[key]) != want[key]) { print key "=" values[key] " has not " want[key] " entries"; exit 1 }
            }
            n = split(values["PlayOptions"], p, ",")
            if (p[1] !~ /^-?[0-9]+$/ || p[2] !~ /^-?[0-9]+$/ || p[3] !~ /^-?[0-9]+$/ || p[n] !~ /^[01]$/) { print "PlayOptions=" values["PlayOptions"] " holds no numbers"; exit 1 }
            if (values["SystemOptions"] !~ /^[01],[01],[01],[01]$/) { print "SystemOptions=" values["SystemOptions"] " holds no flags"; exit 1 }
            if (values["Others"] !~ /^-?[0-9]+,-?[0-9]+,-?[0-9]+,-?[0-9]+$/) { print "Others=" values["Others"] " holds no numbers"; exit 1 }
        }'
}

# e2e_settings_key FILE KEY: the value of the first line KEY=... in FILE, whatever its line ends.
e2e_settings_key() {
    tr '\r' '\n' <"$1" | LC_ALL=C sed -n "s/^$2=//p" | head -n 1
}

# e2e_temporaries FOLDER: the temporary files a save makes before it puts them in place, one a
# line; a save that was cut short may leave one.
e2e_temporaries() {
    find "$1" -maxdepth 1 -name '.settings-*' -printf '%f %s bytes\n' 2>/dev/null | sort
}

# e2e_rss_kb PID: the resident set of the process in kB.
e2e_rss_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null
}

# e2e_hold_library: builds (once) hold.c, a library that, preloaded into the game, holds it
# inside a save until the test releases it (see hold.c). The test so gets a close that is surely
# under way, for as long as it likes, without guessing at times. Prints the library's path;
# returns 1 without a C compiler.
e2e_hold_library() {
    local library=$E2E_WORK/hold.so
    if [[ ! -e $library ]]; then
        command -v cc >/dev/null 2>&1 || return 1
        cc -shared -fPIC -O1 -o "$library" "$E2E_LIB_DIR/hold.c" -ldl >"$E2E_WORK/hold.log" 2>&1 || {
            cat "$E2E_WORK/hold.log" >&2
            return 1
        }
    fi
    echo "$library"
}

# e2e_hold_game NAME BINARY: a wrapper (see e2e_wrap_game) that runs BINARY with the hold
# library; the hold's files are in $E2E_WORK/NAME.hold. Prints the wrapper's path; returns 1
# when the library cannot be built.
e2e_hold_game() {
    local name=$1 binary=$2 library folder=$E2E_WORK/$1.hold
    library=$(e2e_hold_library) || return 1
    rm -rf "$folder"
    mkdir -p "$folder"
    mkfifo "$folder/release"
    # A game built with AddressSanitizer wants its runtime first among the preloaded
    # libraries; the hold library touches no memory of the game's, so the order does not matter.
    e2e_wrap_game "$name" "$binary" LD_PRELOAD="$library" LUMABELS_TEST_HOLD="$folder" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
}

# e2e_release_hold NAME: lets a held save go on. Opening the FIFO for reading and writing
# never blocks, and counts as the writer the game waits for.
e2e_release_hold() {
    local fd
    exec {fd}<>"$E2E_WORK/$1.hold/release"
    exec {fd}>&-
}

# e2e_pause SECONDS: a pause of that length with no process started, for the varying delays of
# fault injection (never to wait for something that can be awaited).
e2e_pause() {
    local fifo=$E2E_WORK/pause.fifo fd
    [[ -p $fifo ]] || mkfifo "$fifo"
    exec {fd}<>"$fifo"
    read -r -t "$1" -u "$fd" _ || true
    exec {fd}>&-
}

# e2e_find_lone_clouds SHOT: whole clouds standing alone on the sky, one "A B Y CX T BOT" per
# line: row Y is white from column A to B with sky on both sides, column CX white from row T to
# BOT with sky above and below.
e2e_find_lone_clouds() {
    e2e_probe lone-clouds "$1"
}

# e2e_cloud_state SHOT A B Y CX T BOT: "covered" when anything but sky and white has come near
# the cloud, "intact" when its edges are all where they were, else "gone".
e2e_cloud_state() {
    e2e_probe cloud-state "$@"
}

# e2e_clear_cloud SHOT TOP: the first lone cloud ("A B Y CX T BOT") that stays clear of the
# band at TOP for the ten ticks a round may take, and of everything else by a margin; or nothing.
e2e_clear_cloud() {
    local shot=$1 top=$2 a b y cx t bot
    while read -r a b y cx t bot; do
        ((bot < top - 10 * E2E_BAND_CLIMB - 4)) || continue
        e2e_only_colours "$shot" $((a - 24)) $((t - 24)) $((b + 25)) $((bot + 25)) "$E2E_SKY" "$E2E_WHITE" || continue
        echo "$a $b $y $cx $t $bot"
        return
    done < <(e2e_find_lone_clouds "$shot")
}

# e2e_blow_a_cloud [ROUNDS]: during play, clicks a cloud that stands clear of everything that
# moves until one has surely been blown away (a point scored, a note due); F2 starts a new game
# when no cloud is clear. Fails after ROUNDS games (default 15).
e2e_blow_a_cloud() {
    local rounds=${1:-15} round start top pick a b y cx t bot state
    for ((round = 1; round <= rounds; round++)); do
        if ((round > 1)); then
            e2e_focus
            e2e_key F2
            e2e_wait_fresh_band 10 || e2e_fail "F2 did not start a new game"
        fi
        start=$(e2e_save_as "$E2E_SHOT" "cloud-round$round")
        top=$E2E_TOP
        pick=$(e2e_clear_cloud "$start" "$top")
        [[ -n $pick ]] || continue
        read -r a b y cx t bot <<<"$pick"
        e2e_click "$cx" $(((t + bot) / 2))
        e2e_wait_ticks 2 10 || e2e_fail "the game stopped after a click on a cloud"
        state=$(e2e_cloud_state "$E2E_SHOT" "$a" "$b" "$y" "$cx" "$t" "$bot")
        if [[ $state == gone ]]; then
            e2e_log "blew away the cloud at columns $a..$b, rows $t..$bot (game $round)"
            return 0
        fi
    done
    e2e_fail "no cloud could be blown away in $rounds games"
}

# --- other users ----------------------------------------------------------------------------

# e2e_copy_data FOLDER: replaces the links to the build's sound/ and help/ in FOLDER with
# copies, and makes the game there a file of its own, so another user reaches them wherever
# the clone lies (a build tree under a home folder of mode 0700 is out of their reach).
e2e_copy_data() {
    local folder=$1 item from
    from=$(dirname "$E2E_BINARY")
    for item in sound help; do
        if [[ -L $folder/$item ]]; then
            rm "$folder/$item"
            cp -R "$from/$item" "$folder/$item"
            chmod -R a+rX "$folder/$item"
        fi
    done
    if [[ -e $folder/lumabels ]]; then
        cp --remove-destination "$E2E_BINARY" "$folder/lumabels"
        chmod 755 "$folder/lumabels"
    fi
}

# The second user, the one who attacks the player's files: a system account with no home, made
# once per machine. Only root can make it or act as it.
E2E_ATTACKER_NAME=lumabels-attacker

# e2e_attacker: sets E2E_ATTACKER (a command prefix that runs a command as that user) and
# E2E_ATTACKER_UID, making the user if need be; returns 1 (after saying why) when the test does
# not run as root or the user cannot be made.
e2e_attacker() {
    if (($(id -u) != 0)); then
        e2e_log "skipped the cases with an attacking user: only root can act as a second user"
        return 1
    fi
    if ! id -u "$E2E_ATTACKER_NAME" >/dev/null 2>&1; then
        if ! command -v useradd >/dev/null 2>&1; then
            e2e_log "skipped the cases with an attacking user: useradd is not installed"
            return 1
        fi
        # Two tests may make it at once; whichever loses finds it made.
        useradd -r -M -d /nonexistent -s /usr/sbin/nologin "$E2E_ATTACKER_NAME" 2>/dev/null ||
            id -u "$E2E_ATTACKER_NAME" >/dev/null 2>&1 || {
            e2e_log "skipped the cases with an attacking user: useradd failed"
            return 1
        }
    fi
    E2E_ATTACKER_UID=$(id -u "$E2E_ATTACKER_NAME")
    E2E_ATTACKER=(setpriv "--reuid=$E2E_ATTACKER_UID" "--regid=$(id -g "$E2E_ATTACKER_NAME")" --clear-groups)
}

# e2e_stderr_lines FILE: the number of lines in FILE (0 for a missing or empty file).
e2e_stderr_lines() {
    if [[ -s $1 ]]; then wc -l <"$1"; else echo 0; fi
}

# e2e_said_once TAG TEXT...: the game of TAG wrote exactly one line on stderr, holding each TEXT.
e2e_said_once() {
    local tag=$1 err=$E2E_WORK/$1.err text
    shift
    (($(e2e_stderr_lines "$err") == 1)) ||
        e2e_fail "$tag: $(e2e_stderr_lines "$err") lines on stderr, not one: $(head -c 500 "$err")"
    for text in "$@"; do
        grep -qF -- "$text" "$err" || e2e_fail "$tag: stderr does not say '$text': $(<"$err")"
    done
    e2e_log "$tag: said once: $(<"$err")"
}

# --- terminals --------------------------------------------------------------------------------

# e2e_terminal_command TAG [PREFIX]...: writes a script that starts the game as e2e_launch
# does (after PREFIX, such as nohup), under the terminal watcher, with the game's process id in
# TAG.pid and its ending in TAG.status; prints the script's path, the line to type.
e2e_terminal_command() {
    local tag=$1 script=$E2E_WORK/terminal-$1
    shift
    command -v perl >/dev/null 2>&1 || {
        echo "[$E2E_NAME] skipped: perl is not installed" >&2
        exit "$E2E_SKIP"
    }
    rm -f "$E2E_WORK/$tag.pid" "$E2E_WORK/$tag.status"
    {
        echo '#!/usr/bin/env bash'
        printf 'exec'
        printf ' %q' "$@" env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER \
            -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
            -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u QT_STYLE_OVERRIDE -u LC_ALL \
            DISPLAY="$DISPLAY" HOME="$E2E_WORK/home" XDG_RUNTIME_DIR="$E2E_WORK/runtime" \
            XDG_CONFIG_HOME="$E2E_WORK/home/.config" XDG_DATA_HOME="$E2E_WORK/home/.local/share" \
            XDG_CACHE_HOME="$E2E_WORK/home/.cache" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
            SDL_AUDIODRIVER=dummy \
            perl "$(e2e_watcher_script)" --terminal "$E2E_WORK/$tag.pid" "$E2E_WORK/$tag.status" "$E2E_GAME"
        printf '\n'
    } >"$script"
    chmod 755 "$script"
    echo "$script"
}

# e2e_open_terminal TAG LINE: opens a terminal (an interactive bash on a pseudo-terminal, see
# pty_session.py) and types LINE into it. E2E_TERMINAL_PID is the terminal's process id;
# e2e_terminal sends it commands; what it shows is in TAG.terminal, and how its shell ended in
# TAG.shell once it is closed.
e2e_open_terminal() {
    local tag=$1 line=$2
    command -v python3 >/dev/null 2>&1 || {
        echo "[$E2E_NAME] skipped: python3 is not installed" >&2
        exit "$E2E_SKIP"
    }
    E2E_TERMINAL_CONTROL=$E2E_WORK/$tag.control
    rm -f "$E2E_TERMINAL_CONTROL" "$E2E_WORK/$tag.shell"
    mkfifo "$E2E_TERMINAL_CONTROL"
    python3 "$E2E_LIB_DIR/pty_session.py" "$E2E_TERMINAL_CONTROL" \
        "$E2E_WORK/$tag.terminal" "$line" >"$E2E_WORK/$tag.shell" 2>&1 &
    E2E_TERMINAL_PID=$!
    E2E_ALIVE[$E2E_TERMINAL_PID]=1
    e2e_log "opened a terminal (pid $E2E_TERMINAL_PID) and typed: $line"
}

# e2e_terminal COMMAND: "close", "ctrl-c" or "type TEXT" to the open terminal.
e2e_terminal() {
    printf '%s\n' "$*" >"$E2E_TERMINAL_CONTROL"
}

# e2e_close_terminal TAG: closes the terminal and waits until its shell has ended; sets
# E2E_SHELL_ENDING.
e2e_close_terminal() {
    e2e_terminal close
    e2e_wait_until 20 e2e_pid_ended "$E2E_TERMINAL_PID" || e2e_fail "the terminal did not close"
    wait "$E2E_TERMINAL_PID" 2>/dev/null || true
    unset "E2E_ALIVE[$E2E_TERMINAL_PID]"
    E2E_SHELL_ENDING=$(<"$E2E_WORK/$1.shell")
    e2e_log "closed the terminal; its shell ended with $E2E_SHELL_ENDING"
}

# e2e_terminal_game TAG: waits for the game started from a terminal under the terminal
# watcher; E2E_PID is its process id. Stopping the test stops it.
e2e_terminal_game() {
    local tag=$1
    e2e_wait_until 20 test -s "$E2E_WORK/$tag.pid" || e2e_fail "the terminal did not start the game"
    E2E_PID=$(<"$E2E_WORK/$tag.pid")
    E2E_ALIVE[$E2E_PID]=1
    e2e_log "the game of $tag runs as pid $E2E_PID"
}

# e2e_terminal_game_end TAG SECONDS: waits for the game started from a terminal to end; sets
# E2E_ENDING ("exit N" or "signal N").
e2e_terminal_game_end() {
    local tag=$1 seconds=$2
    e2e_wait_until "$seconds" test -s "$E2E_WORK/$tag.status" ||
        e2e_fail "the game of $tag still runs after $seconds s"
    E2E_ENDING=$(<"$E2E_WORK/$tag.status")
    unset "E2E_ALIVE[$E2E_PID]"
}

# e2e_signal_mask PID FIELD SIGNAL: true when SIGNAL's bit is set in the process's FIELD
# (SigIgn, SigCgt, SigBlk) of /proc/PID/status.
e2e_signal_mask() {
    local mask
    mask=$(awk -v field="$2:" '$1 == field { print $2 }' "/proc/$1/status") || return 1
    [[ -n $mask ]] || return 1
    (((16#$mask >> ($3 - 1)) & 1))
}

# e2e_signals_taken PID: true once no signal sent to the process waits to be delivered (its
# handlers have run), or once it has ended.
e2e_signals_taken() {
    local pending
    pending=$(awk '$1 == "SigPnd:" || $1 == "ShdPnd:" { print $2 }' "/proc/$1/status" 2>/dev/null) ||
        return 0
    [[ -z ${pending//[0$'\n']/} ]]
}

# e2e_restart_x: a new private X server, once the test has stopped the first one (as a session
# that ends takes its display along).
e2e_restart_x() {
    [[ -z $E2E_XVFB_PID ]] || e2e_stop_pid "$E2E_XVFB_PID"
    rm -f "$E2E_WORK/displayfd"
    e2e_start_x
}

# --- the game standing still ------------------------------------------------------------------

# e2e_other_window: true once the game has a visible window besides its main window (a menu, a
# box, a dialog); E2E_OTHER is its id.
e2e_other_window() {
    local w
    E2E_OTHER=
    for w in $(xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" --name '' 2>/dev/null); do
        if [[ $w != "$E2E_WIN" ]]; then
            E2E_OTHER=$w
            return 0
        fi
    done
    return 1
}

# Poll condition: a fresh shot equals the one before it.
e2e_poll_steady() {
    local previous=$E2E_WORK/steady-previous
    e2e_shot poll
    if [[ -e $previous.ppm ]] && e2e_same_shot "$E2E_SHOT" "$previous"; then
        return 0
    fi
    cp "$E2E_SHOT.ppm" "$previous.ppm"
    return 1
}

# e2e_stands_still WHAT WIN MS: with WIN (a menu, a box or a dialog of the game's, named WHAT in
# messages) open over a game in play, waits until the field is drawn steadily, then watches it
# for MS milliseconds and at least three shots: each must be the first one again, WIN must stay
# open throughout, and the first must show the band (at least 1600 red pixels), so a field that
# is hidden or shows nothing cannot pass for one standing still.
e2e_stands_still() {
    local what=$1 win=$2 ms=$3 first red start shots=0 elapsed=0
    rm -f "$E2E_WORK/steady-previous.ppm"
    e2e_wait_until 10 e2e_poll_steady || e2e_fail "the field never came to rest under $what"
    first=$(e2e_save_as "$E2E_SHOT" "still-first")
    red=$(e2e_count "$first" "${E2E_STRIPES[0]}")
    ((red >= 1600)) || e2e_fail "under $what the band cannot be seen: $red red pixels in the field"
    start=$(e2e_now_ms)
    while ((elapsed < ms || shots < 3)); do
        e2e_shot poll
        shots=$((shots + 1))
        elapsed=$(($(e2e_now_ms) - start))
        if ! e2e_same_shot "$E2E_SHOT" "$first"; then
            e2e_save_as "$E2E_SHOT" "still-moved" >/dev/null
            e2e_fail "the field changed under $what: shot $shots, $elapsed ms into the watch"
        fi
        ! e2e_window_gone "$win" || e2e_fail "$what closed by itself during the watch"
    done
    e2e_log "under $what the field stood still for $elapsed ms ($shots shots)"
}

# What the last e2e_wait_ticks saw, for its failure message: a machine too busy to take shots
# as fast as the game ticks is told apart from a game that stopped.
e2e_ticks_report() {
    local elapsed=$(($(e2e_now_ms) - E2E_TICKS_SINCE))
    if ((E2E_TICKS_SHOTS <= E2E_TICKS_GOAL)); then
        echo "too few frames sampled: $E2E_TICKS_SHOTS shots in $elapsed ms, $E2E_TICKS_SEEN of the $E2E_TICKS_GOAL changes needed"
    else
        echo "$E2E_TICKS_SHOTS shots in $elapsed ms saw the field change $E2E_TICKS_SEEN times, not $E2E_TICKS_GOAL"
    fi
}

# e2e_named_window PATTERN: true once the game shows a window whose name matches; E2E_NAMED is
# its id. xdotool ends with BadWindow when a window closes while its search looks at it (a
# menu, a box just closed), so each look is a poll of its own and a failed one is repeated.
e2e_named_window() {
    E2E_NAMED=$(xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" --name "$1" 2>/dev/null |
        head -n 1) || true
    [[ -n $E2E_NAMED ]]
}
