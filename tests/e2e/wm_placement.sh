#!/usr/bin/env bash
# Under a real window manager (openbox): with no stored position the window manager places the
# window; a stored 0,0 and a stored negative position are taken as they are (the position is
# the frame's corner) and saved back; the window carries its icon in every size; Qt's own
# options (-platform xcb, -style fusion) are accepted.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
e2e_begin "$@"
e2e_start_wm

# run_once TAG: starts the game, leaves E2E_WIN and its client geometry in X Y W H.
run_once() {
    e2e_start_game "$1"
    read -r X Y W H <<<"$(e2e_geometry "$E2E_WIN")"
    read -r L _ T _ <<<"$(e2e_frame_extents "$E2E_WIN")"
}

end_once() {
    e2e_exit_by_menu "$E2E_PID" "a placement run"
}

# No file: the window manager's choice (openbox centres a new window on the 640 x 480 screen).
run_once placed
cx=$((X + W / 2 - 320)) cy=$((Y + H / 2 - 240))
((cx >= -2 && cx <= 2 && cy >= -2 - T && cy <= 2 + T)) ||
    e2e_fail "without a stored position the window is not where the window manager puts it ($X,$Y)"
e2e_log "no stored position: placed by the window manager at $X,$Y"

# The window's icon, in every size drawn for it.
# (xprop cuts a long property short unless told its length.)
sizes=$(xprop -len 100000000 -id "$E2E_WIN" _NET_WM_ICON | grep -o 'Icon ([0-9]* x' |
    tr -dc '0-9\n' | sort -n | tr '\n' ' ')
for size in 16 32 48 64 128 256; do
    [[ " $sizes" == *" $size "* ]] || e2e_fail "the window's icon lacks $size px (it has: $sizes)"
done
e2e_log "window icon sizes: $sizes"
end_once

for place in "0 0" "-30 -40" "57 33"; do
    read -r left top <<<"$place"
    printf '[Settings]\nOthers=0,0,%d,%d\n' "$left" "$top" >"$(e2e_settings)"
    run_once "at_${left}_$top"
    ((X == left + L && Y == top + T)) ||
        e2e_fail "stored $left,$top: the client is at $X,$Y, the frame at $((X - L)),$((Y - T))"
    end_once
    grep -q "^Others=0,0,$left,$top\$" "$(e2e_settings)" ||
        e2e_fail "stored $left,$top came back as: $(grep Others "$(e2e_settings)")"
    e2e_log "stored $left,$top: the frame's corner there, saved back unchanged"
done

# The options every Qt program takes.
for args in "-platform xcb" "-style fusion" "--style=fusion -reverse"; do
    read -r -a E2E_GAME_ARGS <<<"$args"
    run_once qt_options
    end_once
    e2e_log "lumabels $args: runs and exits 0"
done
e2e_log "pass"
