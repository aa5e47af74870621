#!/usr/bin/env bash
# The game starts with its window and the title screen.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_game
((E2E_WIN_W == E2E_FIELD_W)) || e2e_fail "the window is $E2E_WIN_W wide, not $E2E_FIELD_W"
((E2E_WIN_H > E2E_FIELD_H)) ||
    e2e_fail "the window is $E2E_WIN_H high: no room for the menu bar above the field"

e2e_wait_title
title=$(e2e_save_as "$E2E_SHOT" title)
e2e_keep "$title" title

# The title is centred: the bounding box of its pixels has its middle at the field's middle.
read -r x0 y0 x1 y1 <<<"$(e2e_bbox "$title" "$E2E_TITLE")"
e2e_log "title text spans $x0,$y0 .. $x1,$y1"
((x1 - x0 >= 40 && y1 - y0 >= 8)) || e2e_fail "the title text is only $((x1 - x0 + 1)) x $((y1 - y0 + 1)) px"
((x0 + x1 >= 2 * 200 - 1 - 6 && x0 + x1 <= 2 * 200 - 1 + 6)) ||
    e2e_fail "the title is not centred across: columns $x0..$x1"
((y0 + y1 >= 2 * 150 - 1 - 10 && y0 + y1 <= 2 * 150 - 1 + 10)) ||
    e2e_fail "the title is not centred down: rows $y0..$y1"

# Apart from the title's text (and its anti-aliased edge) the whole field is the sky.
sky=$(e2e_count "$title" "$E2E_SKY")
box=$(((x1 - x0 + 3) * (y1 - y0 + 3)))
((sky >= E2E_FIELD_W * E2E_FIELD_H - box)) ||
    e2e_fail "only $sky sky pixels: something besides the title is drawn"
e2e_only_colours "$title" 0 0 400 "$((y0 - 1))" "$E2E_SKY" || e2e_fail "something is drawn above the title"
e2e_only_colours "$title" 0 "$((y1 + 2))" 400 300 "$E2E_SKY" || e2e_fail "something is drawn below the title"

# The title stays put while nothing is done: the game does not start by itself.
e2e_barrier
e2e_wait_same "$title" 5 || e2e_fail "the title screen changed without any input"

e2e_pid_running "$E2E_GAME_PID" || e2e_fail "the game has gone"
[[ ! -s $E2E_WORK/game.err ]] || e2e_log "the game wrote to stderr: $(head -c 500 "$E2E_WORK/game.err")"
e2e_log "pass"
