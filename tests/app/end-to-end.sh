#!/usr/bin/env bash
# Plays the real game under a virtual X display, as a person would: waits for
# the title screen, presses Enter, moves the mouse, clicks a road, holds A and
# presses Escape; the game must end cleanly with status 0. Screenshots of the
# title screen and of the running game are kept in the artifacts folder. Then
# starts the game without its data and expects it to say why it stopped, and
# closes its window early with $MARROWICK_CLOSE_REQUEST (CloseRequest.cpp).
# Every step waits for what it needs on the screen, never for a fixed time.
#
# Usage: end-to-end.sh <marrowick binary> <Data folder> <artifacts folder>
#          [command that runs the binary, such as wine64...]
set -euo pipefail

game=$(realpath "$1")
data=$(realpath "$2")
artifacts=$3
shift 3
runner=("$@")
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

# The game and its data in one folder, as a player has them.
cp -r "$data" "$work/Data"
cp "$game" "$work/"
game="$work/$(basename "$game")"
start_game_in() {
  (cd "$1" && exec "${runner[@]}" "$game" 2>"$work/stderr") &
  game_pid=$!
}
start_game_in "$work"

find_game_window

wait_for "$artifacts/title.png" is_title "the title screen"

start_game "$artifacts/game.png"

xdotool mousemove --window "$window" 100 650
wait_for_ticks

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
wait_for_ticks  # the game has found the cursor cell
xdotool click 1
# Away from the block, so that it can be seen whole.
xdotool mousemove --window "$window" $((road_x + 60)) $((road_y + 30))
wait_for_ticks
has_block() { [ "$(pixel "$1" "$road_x" "$road_y")" != "$before" ]; }
wait_for "$artifacts/game-road-block.png" has_block "a block on the road at $road_x, $road_y"

# Zoomed out, the whole town fits in the window with ground beside it, so
# bands of 90 pixels at its left and right sides, below the counters, show
# nothing but ground. At rest roads cross them on all but one map in 300; on
# such a map the widening shows only in time, and the run waits for ticks.
is_ground_band() {
  [ "$(convert "$1" -crop "90x$((HEIGHT - 120))+$2+120" +repage -format %k info:)" = 1 ] &&
    [ "$(pixel "$1" "$2" 120)" = "$ground_colour" ]
}
is_zoomed_out() { is_ground_band "$1" 0 && is_ground_band "$1" $((WIDTH - 90)); }
if is_zoomed_out "$work/shot.png"; then
  xdotool keydown a
  for _ in $(seq 30); do wait_for_ticks; done
  screenshot "$artifacts/game-zoomed-out.png"
else
  xdotool keydown a
  wait_for "$artifacts/game-zoomed-out.png" is_zoomed_out "the view to widen"
fi
xdotool keyup a

quit_game

# Without Data/ the game cannot load its first picture and says so, in one
# line that names the file, and ends with status 1. It runs from a folder of
# its own: Windows' LoadImageW looks in the program's folder too.
mkdir "$work/empty"
cp "$game" "$work/empty/"
status=0
(cd "$work/empty" && exec "${runner[@]}" "./$(basename "$game")" 2>"$work/stderr") || status=$?
[ "$status" = 1 ] || fail "the game without its data ended with status $status, not 1"
# Windows ends the line with a carriage return as well.
[ "$(tr -d '\r' <"$work/stderr")" = 'Marrowick: LoadImage() failed (Data\Title.bmp)' ] ||
  fail "the game without its data did not say why it stopped"

# A close request that comes while the game is starting or loading ends it
# like any other: right away, and once the first frames are shown.
check_early_close() {
  local delay=$1 request=0
  start_game_in "$work"
  "$MARROWICK_CLOSE_REQUEST" Marrowick "$delay" || request=$?
  [ "$request" != 3 ] || fail "the window had been replaced $delay ms after it appeared"
  [ "$request" = 0 ] || fail "no window to close appeared"
  timeout 10 tail --pid="$game_pid" -f /dev/null ||
    fail "a close request $delay ms after the window appeared was lost"
  status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" = 0 ] || fail "the game closed early ended with status $status"
}
if [ -n "${MARROWICK_CLOSE_REQUEST-}" ]; then
  check_early_close 0
  check_early_close 300
else
  echo "end-to-end: no close request tool given (CloseRequest.cpp): early closes not tried"
fi

echo "end-to-end: passed; screenshots in $artifacts"
