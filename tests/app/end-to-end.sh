#!/usr/bin/env bash
# Plays the real game under a virtual X display, as a person would: waits for
# the title screen, presses Enter, moves the mouse, clicks a road, holds A and
# presses Escape; the game must end cleanly with status 0. Screenshots of the
# title screen and of the running game are kept in the artifacts folder. Then
# starts the game without its data and expects it to say why it stopped, and
# closes its window early with $MARROWICK_CLOSE_REQUEST (CloseRequest.cpp).
#
# Usage: end-to-end.sh <marrowick binary> <Data folder> <artifacts folder>
set -euo pipefail

game=$(realpath "$1")
data=$(realpath "$2")
artifacts=$3
mkdir -p "$artifacts"
artifacts=$(realpath "$artifacts")

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "end-to-end: $*" >&2
  [ -f "$work/stderr" ] && sed 's/^/  game: /' "$work/stderr" >&2
  exit 1
}

source "$(dirname "$0")/game-window.sh"
start_virtual_display

# A virtual display has no sound card.
export SDL_AUDIODRIVER=dummy

cp -r "$data" "$work/Data"
(cd "$work" && exec "$game" 2>"$work/stderr") &
game_pid=$!

find_game_window

wait_for "$artifacts/title.png" is_title "the title screen"

start_game "$artifacts/game.png"

xdotool mousemove --window "$window" 100 650
sleep 0.3

# A straight road: the centre of a cell near the middle whose neighbours on
# one axis are road and on the other are ground. Cells are 8 x 1024 / 201
# pixels wide at rest; the middle cell is centred in the view.
is_road() { local c; c=$(pixel "$work/shot.png" "$1" "$2"); [ "$c" != "$ground_colour" ] && [ "$c" != "$clear_colour" ]; }
screenshot "$work/shot.png"
road=
for row in -3 -2 -1 1 2 3; do
  for column in -6 -5 -4 -3 -2 -1 1 2 3 4 5 6; do
    x=$((512 + column * 8192 / 201)) y=$((384 + row * 8192 / 201)) step=$((8192 / 201))
    is_road "$x" "$y" || continue
    if is_road "$x" $((y - step)) && is_road "$x" $((y + step)) &&
      ! is_road $((x - step)) "$y" && ! is_road $((x + step)) "$y"; then
      road="$x $y"
    elif is_road $((x - step)) "$y" && is_road $((x + step)) "$y" &&
      ! is_road "$x" $((y - step)) && ! is_road "$x" $((y + step)); then
      road="$x $y"
    fi
    [ -n "$road" ] && break 2
  done
done
[ -n "$road" ] || fail "no straight road near the middle of the view"
read -r road_x road_y <<<"$road"
before=$(pixel "$work/shot.png" "$road_x" "$road_y")
xdotool mousemove --window "$window" "$road_x" "$road_y"
sleep 0.2
xdotool click 1
# Away from the block, so that it can be seen.
xdotool mousemove --window "$window" $((road_x + 60)) $((road_y + 30))
sleep 0.3
screenshot "$artifacts/game-road-block.png"
[ "$(pixel "$artifacts/game-road-block.png" "$road_x" "$road_y")" != "$before" ] ||
  fail "clicking the road at $road_x, $road_y put no block on it"

xdotool keydown a
sleep 1.5
screenshot "$artifacts/game-zoomed-out.png"
xdotool keyup a

quit_game

# Without Data/ the game cannot load its first picture and says so, in one
# line that names the file, and ends with status 1.
mkdir "$work/empty"
status=0
(cd "$work/empty" && exec "$game" 2>"$work/stderr") || status=$?
[ "$status" = 1 ] || fail "the game without its data ended with status $status, not 1"
[ "$(cat "$work/stderr")" = 'Marrowick: LoadImage() failed (Data\Title.bmp)' ] ||
  fail "the game without its data did not say why it stopped"

# A close request that comes while the game is starting or loading ends it
# like any other: right away, and once the first frames are shown.
check_early_close() {
  local delay=$1 request=0
  (cd "$work" && exec "$game" 2>"$work/stderr") &
  game_pid=$!
  "${MARROWICK_CLOSE_REQUEST:?the close request tool, CloseRequest.cpp}" Marrowick "$delay" ||
    request=$?
  [ "$request" != 3 ] || fail "the window had been replaced $delay ms after it appeared"
  [ "$request" = 0 ] || fail "no window to close appeared"
  timeout 10 tail --pid="$game_pid" -f /dev/null ||
    fail "a close request $delay ms after the window appeared was lost"
  status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" = 0 ] || fail "the game closed early ended with status $status"
}
check_early_close 0
check_early_close 300

echo "end-to-end: passed; screenshots in $artifacts"
