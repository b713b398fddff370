#!/usr/bin/env bash
# Plays the real game under a virtual X display, as a person would: waits for
# the title screen, presses Enter, moves the mouse, clicks a road, holds A and
# presses Escape; the game must end cleanly with status 0. Screenshots of the
# title screen and of the running game are kept in the artifacts folder. Then
# starts the game without its data and expects it to say why it stopped.
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

# A display number that nobody uses.
for number in $(seq 91 150); do
  if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then break; fi
done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"

# A virtual display has no sound card.
export SDL_AUDIODRIVER=dummy

# The game and its data in one folder, as a player has them.
cp -r "$data" "$work/Data"
cp "$game" "$work/"
game="$work/$(basename "$game")"
(cd "$work" && exec "${runner[@]}" "$game" 2>"$work/stderr") &
game_pid=$!

window=$(timeout 20 xdotool search --sync --name '^Marrowick$' | head -n 1) ||
  fail "no window named Marrowick appeared"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
[ "$WIDTH" = 1024 ] && [ "$HEIGHT" = 768 ] || fail "client area is ${WIDTH}x$HEIGHT, not 1024x768"

# The client area as a picture.
screenshot() {
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}
# The colour of a client pixel of a screenshot, as "r,g,b".
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
clear_colour=255,255,254
ground_colour=84,165,67

# Waits until a screenshot passes a check; keeps that screenshot as $1.
wait_for() {
  local shot=$1 check=$2 what=$3
  for _ in $(seq 200); do
    screenshot "$shot"
    "$check" "$shot" && return 0
    sleep 0.1
  done
  fail "timed out waiting for $what"
}
# Waits until the running game has drawn two new frames: the tick that drew the
# second began after the first was on the screen, so it has polled the mouse
# and the keys as they are now.
is_new_frame() { ! cmp -s "$1" "$work/last.png"; }
wait_for_ticks() {
  screenshot "$work/last.png"
  for _ in 1 2; do
    wait_for "$work/now.png" is_new_frame "the game to draw a frame"
    mv "$work/now.png" "$work/last.png"
  done
}
# The title picture stands in the middle; the corners show the clear colour.
is_title() { [ "$(pixel "$1" 5 5)" = "$clear_colour" ] && [ "$(pixel "$1" 512 384)" != "$clear_colour" ]; }
# The ground fills the view around the town; a corner is ground or road.
is_game() { [ "$(pixel "$1" 5 5)" != "$clear_colour" ] && [ "$(pixel "$1" 5 5)" != 0,0,0 ]; }

wait_for "$artifacts/title.png" is_title "the title screen"

xdotool windowfocus --sync "$window" 2>/dev/null || true
# Enter is ignored until loading has finished: press it until a game runs.
for _ in $(seq 50); do
  xdotool key Return
  sleep 0.1
  screenshot "$work/shot.png"
  is_game "$work/shot.png" && break
done
wait_for "$artifacts/game.png" is_game "a game to start"

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
# Away from the block, so that it can be seen: the cursor is drawn over it.
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

xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after Escape"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" = 0 ] || fail "the game ended with status $status"

# Without Data/ the game cannot load its first picture and says so. It runs
# from a folder of its own: Windows' LoadImageW looks in the program's folder
# too.
mkdir "$work/empty"
cp "$game" "$work/empty/"
status=0
(cd "$work/empty" && exec "${runner[@]}" "./$(basename "$game")" 2>"$work/stderr") || status=$?
[ "$status" != 0 ] || fail "the game without its data ended with status 0"
# Windows ends the line with a carriage return as well.
tr -d '\r' <"$work/stderr" | grep -q '^Marrowick: LoadImage() failed$' ||
  fail "the game without its data did not say why it stopped"

echo "end-to-end: passed; screenshots in $artifacts"
