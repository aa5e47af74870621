# shellcheck shell=bash
# A real sound server on the test's side, as a Debian 12 desktop runs one: PipeWire with its
# session manager (WirePlumber) and its PulseAudio bridge (pipewire-pulse), on a session bus of
# its own, in a runtime folder of its own, with one null sink as the default output. What the
# game plays is recorded from the sink's monitor. Sourced after lib.sh by the tests that listen
# to the game or watch it sleep.

# The sink, and the format the recordings are taken in: 16-bit mono at 44100 Hz.
E2E_SINK=lumabels_null
E2E_RECORD_RATE=44100

# The environment of the server and its tools: its runtime folder, home and session bus.
e2e_sound_env() {
    E2E_SOUND_ENV=(env -u PULSE_SERVER -u WAYLAND_DISPLAY HOME="$E2E_SOUND_HOME"
        XDG_RUNTIME_DIR="$E2E_SOUND_DIR" XDG_CONFIG_HOME="$E2E_SOUND_HOME/.config"
        XDG_STATE_HOME="$E2E_SOUND_HOME/.local/state" XDG_DATA_HOME="$E2E_SOUND_HOME/.local/share"
        DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_SOUND_DIR/bus" PULSE_SERVER="$E2E_PULSE")
}

# e2e_sound_daemon NAME COMMAND...: starts one daemon of the server in the background (env
# execs it, so the PID is the daemon's); it is stopped with the rest when the test ends.
# E2E_SOUND_PIDS gathers them: the server's CPU use and wake-ups are theirs together.
e2e_sound_daemon() {
    local name=$1
    shift
    "${E2E_SOUND_ENV[@]}" "$@" >"$E2E_WORK/$name.log" 2>&1 &
    E2E_ALIVE[$!]=1
    E2E_SOUND_PIDS+=("$!")
}

# Starts the server and waits until it answers with the null sink as its default. E2E_PULSE is
# the address a client is given (PULSE_SERVER=...).
e2e_start_sound_server() {
    local tool
    for tool in dbus-daemon pipewire wireplumber pipewire-pulse pactl parec; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "[$E2E_NAME] skipped: $tool is not installed" >&2
            exit "$E2E_SKIP"
        }
    done
    E2E_SOUND_DIR=$E2E_WORK/sound-runtime
    E2E_SOUND_HOME=$E2E_WORK/sound-home
    E2E_SOUND_PIDS=()
    mkdir -m 700 -p "$E2E_SOUND_DIR" "$E2E_SOUND_HOME"
    E2E_PULSE=unix:$E2E_SOUND_DIR/pulse/native
    # What a client of the server is given, as arguments of env: the address of the PulseAudio
    # bridge and the socket of PipeWire's own interface, and no SDL_AUDIODRIVER, so that SDL
    # takes whichever way it takes on a desktop.
    E2E_SOUND_CLIENT=(-u SDL_AUDIODRIVER PULSE_SERVER="$E2E_PULSE"
        PIPEWIRE_REMOTE="$E2E_SOUND_DIR/pipewire-0")
    e2e_sound_env
    e2e_sound_daemon dbus dbus-daemon --session --nofork --nopidfile \
        --address="unix:path=$E2E_SOUND_DIR/bus"
    e2e_wait_until 20 test -S "$E2E_SOUND_DIR/bus" || e2e_fail "the session bus did not start"
    e2e_sound_daemon pipewire pipewire
    e2e_wait_until 20 test -S "$E2E_SOUND_DIR/pipewire-0" || e2e_fail "PipeWire did not start"
    e2e_sound_daemon wireplumber wireplumber
    e2e_sound_daemon pipewire-pulse pipewire-pulse
    e2e_wait_until 20 e2e_pactl info || {
        tail -n 20 "$E2E_WORK"/pipewire*.log "$E2E_WORK/wireplumber.log" >&2
        e2e_fail "the sound server did not start"
    }
    e2e_pactl load-module module-null-sink sink_name="$E2E_SINK" ||
        e2e_fail "the sound server made no null sink"
    e2e_wait_until 20 e2e_pactl set-default-sink "$E2E_SINK" ||
        e2e_fail "the null sink did not become the default"
    e2e_log "PipeWire (pids ${E2E_SOUND_PIDS[*]}) at $E2E_PULSE"
}

# e2e_pactl ARGS...: pactl on the test's server, quietly.
e2e_pactl() {
    "${E2E_SOUND_ENV[@]}" pactl "$@" >/dev/null 2>&1
}

# e2e_streams_with_api PID -> the server's playback streams of process PID, one "ID API" a
# line, API being the interface the stream came by: "pipewire-pulse" for the PulseAudio bridge
# (which marks its streams so), "native" for PipeWire's own. A stream made through the bridge
# names the process itself; one made through PipeWire's own interface names only its client,
# and the client names the process.
e2e_streams_with_api() {
    local clients
    clients=$("${E2E_SOUND_ENV[@]}" pactl list clients 2>/dev/null |
        awk -v pid="$1" '/^Client #/ { id = substr($2, 2) }
            $1 == "application.process.id" && $3 == "\"" pid "\"" { print id }')
    "${E2E_SOUND_ENV[@]}" pactl list sink-inputs 2>/dev/null |
        awk -v pid="$1" -v clients=" $(echo $clients) " '
            function flush() { if (mine) print id, api; mine = 0; api = "native" }
            /^Sink Input #/ { flush(); id = substr($3, 2) }
            $1 == "Client:" && index(clients, " " $2 " ") { mine = 1 }
            $1 == "application.process.id" && $3 == "\"" pid "\"" { mine = 1 }
            $1 == "client.api" { api = $3; gsub(/"/, "", api) }
            END { flush() }' | sort -u
}

# e2e_streams_of PID -> the ids of PID's playback streams, one a line.
e2e_streams_of() {
    e2e_streams_with_api "$1" | cut -d ' ' -f 1
}

# e2e_stream_apis PID -> the interfaces PID's streams came by, one a line.
e2e_stream_apis() {
    e2e_streams_with_api "$1" | cut -d ' ' -f 2 | sort -u
}

e2e_has_stream() {
    [[ -n $(e2e_streams_of "$1") ]]
}

e2e_has_no_stream() {
    [[ -z $(e2e_streams_of "$1") ]]
}

# e2e_record FILE: records the sink's monitor, raw, into FILE until the test ends.
e2e_record() {
    "${E2E_SOUND_ENV[@]}" parec -d "$E2E_SINK.monitor" --raw \
        --format=s16le --channels=1 --rate="$E2E_RECORD_RATE" --latency-msec=20 >"$1" \
        2>"$E2E_WORK/parec.err" &
    E2E_ALIVE[$!]=1
}

# e2e_loudest FILE -> the largest absolute sample in the recording.
e2e_loudest() {
    od -An -v -t d2 -w2 "$1" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}

# e2e_heard FILE: something louder than the faintest hiss was recorded.
e2e_heard() {
    (($(e2e_loudest "$1") > 1000))
}

# e2e_thread_switches PID -> one line per thread: its id, name and voluntary context switches
# so far, each a time it gave up the CPU of its own accord: one for each wait.
e2e_thread_switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '
            $1 == "Name:" { name = $2 }
            $1 == "voluntary_ctxt_switches:" { print tid, name, $2 }' "$task/status" 2>/dev/null
    done
}

# e2e_wakeups PID SECONDS -> one line per thread that lived through the whole time: its id,
# its name and how often it woke in those SECONDS.
e2e_wakeups() {
    local before after
    before=$(e2e_thread_switches "$1")
    sleep "$2"
    after=$(e2e_thread_switches "$1")
    awk 'NR == FNR { start[$1] = $3; next } ($1 in start) { print $1, $2, $3 - start[$1] }' \
        <(echo "$before") <(echo "$after")
}
