# Helpers for playing the real game through its window under a virtual X
# display (Xvfb, xdotool and ImageMagick), sourced by the scripts that do so.
# The script that sources them defines fail (report and exit) and $work (a
# scratch folder).

# Starts Xvfb on a display number that nobody uses; sets DISPLAY and xvfb_pid.
# Xvfb picks the number itself and writes it once it accepts connections, so
# two servers starting at the same moment never take the same one.
start_virtual_display() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")"
}

# Waits for the game's window; sets window and its client area X, Y, WIDTH, HEIGHT.
find_game_window() {
  window=$(timeout 20 xdotool search --sync --name '^Marrowick$' | head -n 1) ||
    fail "no window named Marrowick appeared"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = 1024 ] && [ "$HEIGHT" = 768 ] || fail "client area is ${WIDTH}x$HEIGHT, not 1024x768"
}

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

# Starts a game from the title screen; keeps a screenshot of it as $1.
start_game() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  # Enter is ignored until loading has finished: press it until a game runs.
  for _ in $(seq 50); do
    xdotool key Return
    sleep 0.1
    screenshot "$work/shot.png"
    is_game "$work/shot.png" && break
  done
  wait_for "$1" is_game "a game to start"
}

# Presses Escape and waits for the game, started in the background as
# $game_pid, to end; fails unless it ends with status 0.
quit_game() {
  xdotool key Escape
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after Escape"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" = 0 ] || fail "the game ended with status $status"
}
