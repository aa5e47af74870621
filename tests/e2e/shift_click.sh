#!/usr/bin/env bash
# Shift acts as a left click at the mouse pointer, only while playing and only over the field:
# - on the title screen Shift does nothing, where a left click starts a game;
# - during play, Shift with the pointer over the menu bar leaves a cloud alone, and Shift with
#   the pointer on that cloud blows it away, as a click on it does.
# Clouds are put at random, so the game is restarted (F2) until one lies clear of everything
# that moves; a round where a lumabel or the band comes near the cloud proves nothing either
# way and is played again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_game
e2e_wait_title
title=$(e2e_save_as "$E2E_SHOT" title)

# --- the title screen -----------------------------------------------------------------------
e2e_focus
e2e_move 200 150
e2e_key shift
e2e_barrier
e2e_wait_same "$title" 5 || e2e_fail "Shift on the title screen changed the field"
e2e_log "Shift on the title did nothing"
e2e_click 200 150
e2e_wait_fresh_band 10 || e2e_fail "a click on the title did not start a game"
e2e_log "a click on the title started a game"

# --- during play ----------------------------------------------------------------------------

# find_clouds SHOT: whole clouds standing alone on the sky, one "A B Y CX T BOT" per line: the
# row Y through a cloud is white from column A to B with sky on both sides, and column CX is
# white from row T to BOT with sky above and below.
find_clouds() {
    awk '
        { for (x = 0; x < NF / 3; x++) { i = 3 * x + 1; c[x, NR - 1] = ($i * 256 + $(i + 1)) * 256 + $(i + 2) } }
        END {
            sky = 128; white = 16777215
            for (y = 1; y < 299; y++) {
                x = 0
                while (x < 400) {
                    if (c[x, y] != white) { x++; continue }
                    a = x
                    while (x < 400 && c[x, y] == white) x++
                    b = x - 1
                    if (b - a + 1 < 60 || a < 1 || b > 398) continue
                    if (c[a - 1, y] != sky || c[b + 1, y] != sky) continue
                    skip = 0
                    for (k = 0; k < found; k++)
                        if (a >= fa[k] && b <= fb[k] && y >= ft[k] && y <= fbot[k]) skip = 1
                    if (skip) continue
                    cx = int((a + b) / 2)
                    for (t = y; t > 0 && c[cx, t - 1] == white; t--) ;
                    for (bot = y; bot < 299 && c[cx, bot + 1] == white; bot++) ;
                    if (t < 1 || bot > 298 || c[cx, t - 1] != sky || c[cx, bot + 1] != sky) continue
                    if (bot - t + 1 < 28) continue
                    fa[found] = a; fb[found] = b; ft[found] = t; fbot[found] = bot; found++
                    print a, b, y, cx, t, bot
                }
            }
        }' "$1.mat"
}

# cloud_state SHOT: "covered" when anything but sky and white has come near the cloud,
# "intact" when its edges are all where they were, else "gone".
cloud_state() {
    local shot=$1 p
    if ! e2e_only_colours "$shot" $((a - 2)) $((t - 2)) $((b + 3)) $((bot + 3)) "$E2E_SKY" "$E2E_WHITE"; then
        echo covered
        return
    fi
    for p in "$a $y" "$b $y" "$cx $t" "$cx $bot"; do
        [[ $(e2e_pixel "$shot" "${p% *}" "${p#* }") == "$E2E_WHITE" ]] || { echo gone; return; }
    done
    for p in "$((a - 1)) $y" "$((b + 1)) $y" "$cx $((t - 1))" "$cx $((bot + 1))"; do
        [[ $(e2e_pixel "$shot" "${p% *}" "${p#* }") == "$E2E_SKY" ]] || { echo gone; return; }
    done
    echo intact
}

menu_y=$(((E2E_WIN_Y + E2E_FY) / 2)) # the middle of the menu bar, in screen coordinates
done=
give_up=$(($(e2e_now_ms) + 40000)) # well inside the test's time limit, for a clear message
for round in $(seq 1 40); do
    (($(e2e_now_ms) < give_up)) || break
    if ((round > 1)); then
        e2e_focus
        e2e_key F2
        e2e_wait_fresh_band 10 || e2e_fail "F2 did not start a new game"
    fi
    start=$(e2e_save_as "$E2E_SHOT" "round$round")
    top=$E2E_TOP
    pick=
    while read -r a b y cx t bot; do
        # Clear of the band for the ten ticks a round takes, and of everything else by a margin.
        ((bot < top - 10 * E2E_BAND_CLIMB - 4)) || continue
        e2e_only_colours "$start" $((a - 24)) $((t - 24)) $((b + 25)) $((bot + 25)) "$E2E_SKY" "$E2E_WHITE" || continue
        pick="$a $b $y $cx $t $bot"
        break
    done < <(find_clouds "$start")
    if [[ -z $pick ]]; then
        e2e_log "round $round: no cloud clear of everything"
        continue
    fi
    read -r a b y cx t bot <<<"$pick"
    aim=$(((t + bot) / 2)) # column cx is white from t to bot: the middle of it is in the cloud
    e2e_log "round $round: cloud at columns $a..$b, rows $t..$bot; aiming at $cx,$aim"

    # Shift with the pointer over the menu bar, right above the cloud.
    xdotool mousemove $((E2E_FX + cx)) "$menu_y"
    e2e_key shift
    e2e_wait_ticks 2 10 || e2e_fail "the game stopped after Shift over the menu bar"
    state=$(cloud_state "$E2E_SHOT")
    if [[ $state == covered ]]; then
        e2e_log "round $round: something came near the cloud; again"
        continue
    fi
    [[ $state == intact ]] || e2e_fail "Shift with the pointer over the menu bar changed the cloud at $cx,$aim"

    # Shift with the pointer on the cloud.
    e2e_move "$cx" "$aim"
    e2e_key shift
    e2e_wait_ticks 2 10 || e2e_fail "the game stopped after Shift on the cloud"
    state=$(cloud_state "$E2E_SHOT")
    if [[ $state == covered ]]; then
        e2e_log "round $round: something came near the cloud; again"
        continue
    fi
    [[ $state == gone ]] || e2e_fail "Shift with the pointer on the cloud at $cx,$aim did not blow it away"
    e2e_log "round $round: Shift over the menu bar left the cloud alone, Shift on it blew it away"
    done=yes
    break
done
[[ -n $done ]] || e2e_fail "no round with a cloud clear of everything in $round rounds (40 s)"

# The game goes on after all that Shift.
e2e_wait_ticks 2 10 || e2e_fail "the game stopped"
e2e_pid_running "$E2E_GAME_PID" || e2e_fail "the game has gone"
e2e_log "pass"
