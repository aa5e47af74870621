#!/usr/bin/env bash
# The game as a native Wayland client, under a headless compositor: it starts with its
# desktop id, asks to stay on top without anything breaking, reads its settings as under X11,
# and when closed it saves them with the last position it knew to be real (a Wayland client is
# never told where its window is).
set -euo pipefail

game_binary=$1
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/lumabels-wayland.XXXXXX")
runtime="$work/runtime"
mkdir -m 700 "$runtime"
compositor_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Polls a condition until it holds or the deadline passes.
wait_for() {
  local seconds=$1; shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

socket="lumabels-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
  --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
compositor_pid=$!
wait_for 20 test -S "$runtime/$socket" || { cat "$work/weston.log"; echo "no compositor"; exit 1; }

# A private copy of the game with its data beside it, so its settings are its own.
mkdir "$work/game"
cp "$game_binary" "$work/game/lumabels"
folder=$(dirname "$game_binary")
ln -s "$folder/sound" "$work/game/sound"
ln -s "$folder/help" "$work/game/help"
# A file a save visibly rewrites: numbers out of range (clamped when read, saved clamped) and
# Clear Record on (saved off); the record, the place and another section must come through.
prepared=$'; mine\n[Other]\nKey=kept\n[Settings]\nPlayOptions=20,-3,5000,"Well done",0\nSystemOptions=1,1,1,1\nOthers=3,4000,321,123\n'
printf '%s' "$prepared" >"$work/game/settings.ini"

# Its own home too: a save sent anywhere but beside it must not reach the real one.
mkdir -m 700 "$work/home"

# start_game TAG: the game under the compositor, its output in TAG.out and TAG.err.
start_game() {
  XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    SDL_AUDIODRIVER=dummy WAYLAND_DEBUG=client \
    "$work/game/lumabels" >"$work/$1.out" 2>"$work/$1.err" &
  game_pid=$!
  err="$work/$1.err"
}

# The window is up once it has named itself and its first frame was committed.
shown() {
  grep -q 'set_app_id("io.github.lumabels.Lumabels")' "$err" &&
    grep -q 'wl_surface@[0-9]*\.attach' "$err"
}
wait_shown() {
  if ! wait_for 30 shown; then
    tail -20 "$err"
    echo "the game never showed a window under Wayland"
    exit 1
  fi
}

start_game game
wait_shown
grep -q 'set_title("Lumabels")' "$err" || { echo "window title missing"; exit 1; }
kill -0 "$game_pid" || { echo "the game died"; exit 1; }

kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || { echo "exit status $status"; exit 1; }

expected=$'; mine\n[Other]\nKey=kept\n[Settings]\nPlayOptions=16,0,1000,"Well done",0\nSystemOptions=1,0,1,1\nOthers=3,4000,321,123'
actual=$(cat "$work/game/settings.ini")
if [ "$actual" != "$expected" ]; then
  printf 'settings after the run:\n%s\n' "$actual"
  exit 1
fi

# The compositor goes away under a running game: Qt ends the game at once, without a save, so
# the file, prepared again to be visibly rewritten by any save, is left as it was.
printf '%s' "$prepared" >"$work/game/settings.ini"
start_game lost
wait_shown
kill -TERM "$compositor_pid"
wait "$compositor_pid" 2>/dev/null || true
compositor_pid=
ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_for 20 ended || { echo "the game still runs 20 s after its compositor ended"; exit 1; }
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -ne 0 ] || { echo "the game said nothing was wrong (status 0) when its compositor ended"; exit 1; }
if [ "$(cat "$work/game/settings.ini")" != "${prepared%$'\n'}" ]; then
  printf 'settings after the compositor ended:\n%s\n' "$(cat "$work/game/settings.ini")"
  exit 1
fi
echo "ok: native Wayland client, the settings read, clamped and saved with the last real position;"
echo "ok: with its compositor gone the game ended with status $status and left the file alone"
