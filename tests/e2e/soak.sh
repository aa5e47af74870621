#!/usr/bin/env bash
# A long, busy run: the game at 1 ms a tick with 16 lumabels and 16 clouds, fed random input
# for LUMABELS_SOAK_SECONDS (60 by default): clicks anywhere in the field, Shift presses at
# random places, F2, the Game menu opened and closed with Escape, the Options dialog (F5)
# closed with Escape, Help > Tips closed with Enter, and the popup menu of a right click
# closed with Escape. Throughout, the process never dies; its resident memory (VmRSS),
# sampled every few seconds, grows by no more than 2 MB over the most it reached in the first
# third of the run (every kind of input is used once before that); at the end Game > Exit
# ends it with status 0 and the settings are saved.
#
#   LUMABELS_SOAK_SECONDS=600 bash tests/e2e/soak.sh build/debug/lumabels   (or scripts/soak 10)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
seconds=${LUMABELS_SOAK_SECONDS:-60}
if [[ ! $seconds =~ ^[0-9]+$ ]] || ((seconds < 6)); then
    echo "LUMABELS_SOAK_SECONDS must be a whole number of seconds, at least 6" >&2
    exit 2
fi
tolerance_kb=2048
sample_every_ms=$((seconds >= 300 ? 10000 : 3000))
e2e_begin "$@"
file=$(e2e_settings)
printf '[Settings]\nPlayOptions=16,16,1,Results,0\nSystemOptions=1,0,1,0\nOthers=0,0,0,0\n' >"$file"

e2e_start_watched soak
game=$E2E_PID

alive() {
    e2e_pid_running "$game" || {
        tail -n 20 "$E2E_WORK/soak.err" >&2 || true
        e2e_fail "the game died after $(($(e2e_now_ms) - t0)) ms: $(cat "$E2E_WORK/soak.status" 2>/dev/null)"
    }
}

no_other_window() {
    ! e2e_other_window
}

# close_with KEY WHAT: the open window (menu, box, dialog) goes with KEY.
close_with() {
    e2e_key "$1"
    e2e_wait_until 10 no_other_window || e2e_fail "$1 did not close the $2"
}

declare -A done_count=()
act() {
    local action=$1 i moves=()
    case $action in
        clicks | shift)
            # A game at 1 ms a tick is over in a fraction of a second: mostly F2 first, so the
            # input meets a game in play more often than the results.
            e2e_focus
            for ((i = 0; i < 5; i++)); do
                ((RANDOM % 4 == 0)) || moves+=(key F2)
                moves+=(mousemove $((E2E_FX + RANDOM % E2E_FIELD_W)) $((E2E_FY + RANDOM % E2E_FIELD_H)))
                if [[ $action == clicks ]]; then moves+=(click 1); else moves+=(key shift); fi
            done
            xdotool "${moves[@]}"
            ;;
        f2)
            e2e_focus
            e2e_key F2
            ;;
        game-menu)
            e2e_focus
            e2e_key alt+g
            e2e_wait_until 10 e2e_other_window || e2e_fail "Alt+G did not open the Game menu"
            close_with Escape "Game menu"
            ;;
        options)
            e2e_focus
            e2e_key F5
            e2e_wait_until 10 e2e_other_window || e2e_fail "F5 did not open the Options dialog"
            e2e_focus "$E2E_OTHER"
            close_with Escape "Options dialog"
            ;;
        tips)
            e2e_focus
            e2e_key alt+h t
            e2e_wait_until 10 e2e_other_window || e2e_fail "Help > Tips did not open"
            e2e_focus "$E2E_OTHER"
            close_with Return "Tips box"
            ;;
        popup)
            e2e_move $((RANDOM % E2E_FIELD_W)) $((RANDOM % E2E_FIELD_H))
            xdotool click 3
            e2e_wait_until 10 e2e_other_window || e2e_fail "a right click did not open the popup menu"
            close_with Escape "popup menu"
            ;;
    esac
    done_count[$action]=$((${done_count[$action]:-0} + 1))
}

# Input at random, most of it plain play.
actions=(clicks clicks clicks clicks shift shift shift f2 f2 game-menu options tips popup)

samples=()
t0=$(e2e_now_ms)
sample() {
    local rss
    rss=$(e2e_rss_kb "$game")
    [[ -n $rss ]] || alive
    samples+=("$(($(e2e_now_ms) - t0)) $rss")
    e2e_log "$(((${samples[-1]% *} + 500) / 1000)) s: VmRSS $rss kB"
}

sample
for action in clicks shift f2 game-menu options tips popup; do
    act "$action"
    alive
done
sample
next_sample=$(($(e2e_now_ms) + sample_every_ms))
end=$((t0 + seconds * 1000))
while (($(e2e_now_ms) < end)); do
    act "${actions[RANDOM % ${#actions[@]}]}"
    alive
    if (($(e2e_now_ms) >= next_sample)); then
        sample
        next_sample=$((next_sample + sample_every_ms))
    fi
done
# A last look at the screen: the game still answers.
e2e_barrier
sample

summary=
for action in "${!done_count[@]}"; do
    summary+=" $action ${done_count[$action]},"
done
e2e_log "input given:${summary%,}"

# The memory: the most in the first third against every sample after it.
third=$((seconds * 1000 / 3))
read -r base peak last count <<<"$(printf '%s\n' "${samples[@]}" | awk -v third="$third" '
    $1 <= third { if ($2 > base) base = $2; next }
    { if ($2 > peak) peak = $2; last = $2; n++ }
    END { print base + 0, peak + 0, last + 0, n + 0 }')"
e2e_log "VmRSS: at most $base kB in the first third; after it $count samples, at most $peak kB, last $last kB"
((count >= 2)) || e2e_fail "only $count samples after the first third"
((peak <= base + tolerance_kb)) ||
    e2e_fail "the resident memory grew from $base kB to $peak kB after the first third (more than $tolerance_kb kB)"

read -r -a stat <<<"$(sed 's/.*) //' "/proc/$game/stat")"
e2e_log "the game used $(((stat[11] + stat[12]) / $(getconf CLK_TCK))) s of processor time in $seconds s"
e2e_exit_by_menu "$game" "after the soak"
why=$(e2e_settings_shape "$file") || e2e_fail "the settings saved after the soak: $why"
[[ $(e2e_settings_key "$file" PlayOptions) == "16,16,1,Results,0" ]] ||
    e2e_fail "PlayOptions saved as $(e2e_settings_key "$file" PlayOptions)"
e2e_log "saved: Others=$(e2e_settings_key "$file" Others)"
e2e_log "pass"
