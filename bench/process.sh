#!/usr/bin/env bash
# What the running game costs the machine: starts the real game under a
# virtual X display (Xvfb, no GPU), leaves it ten seconds on the title screen
# and ten in a game, and prints for each the share of one core it used and
# the peak resident memory so far. A benchmark, not a test: the figures
# depend on the machine and on what else runs on it, so the load average is
# printed beside them.
#
# Usage: bench/process.sh [marrowick binary] [Data folder] [seconds]
# (by default the release build's game and Data, and 10 seconds each)
set -euo pipefail
cd "$(dirname "$0")/.."

game=$(realpath "${1:-build/release/marrowick}")
data=$(realpath "${2:-build/release/Data}")
seconds=${3:-10}

work=$(mktemp -d)
# Ends the game, then Xvfb: this script's background jobs, the latest first.
trap 'kill $(jobs -p | tac) 2>/dev/null; rm -rf "$work"' EXIT

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export SDL_AUDIODRIVER=dummy  # a virtual display has no sound card

cp -r "$data" "$work/Data"
(cd "$work" && exec "$game") &
game_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Marrowick$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT

# The colour of a pixel of the window's client area, as ImageMagick names it.
colour_at() {
  import -window root -crop "1x1+$((X + $1))+$((Y + $2))" +repage -format '%[pixel:p{0,0}]' info:
}
clear_colour=$(convert xc:'rgb(255,255,254)' -format '%[pixel:p{0,0}]' info:)
# Loading has drawn the title in the middle of cleared frames; a game fills
# the corner too.
title_shown() { [ "$(colour_at 512 384)" != "$clear_colour" ]; }
game_shown() { [ "$(colour_at 5 5)" != "$clear_colour" ]; }
# Enter counts once loading has finished.
start_game() {
  xdotool key Return
  sleep 0.1
  game_shown
}

wait_until() {
  for _ in $(seq 200); do
    "$1" && return 0
    sleep 0.1
  done
  echo "timed out waiting for $2" >&2
  exit 1
}

# CPU time the game has used so far, in clock ticks (user plus system).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
peak_resident_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status"; }

measure() {
  local state=$1 start_ticks start_time end_ticks end_time
  start_ticks=$(cpu_ticks)
  start_time=$(date +%s.%N)
  sleep "$seconds"
  end_ticks=$(cpu_ticks)
  end_time=$(date +%s.%N)
  awk -v state="$state" -v ticks=$((end_ticks - start_ticks)) -v hz="$(getconf CLK_TCK)" \
    -v from="$start_time" -v to="$end_time" -v peak="$(peak_resident_kb)" 'BEGIN {
      printf "%-12s %5.1f%% of one core over %.1f s, peak resident %.1f MB\n",
        state, 100 * ticks / hz / (to - from), to - from, peak / 1024 }'
}

# The mouse rests in the middle of the window: at an edge the view would scroll.
xdotool mousemove --window "$window" 512 384
wait_until title_shown "the title screen"
sleep 2  # the rest of the loading, which goes on behind the title screen
measure "title screen"

xdotool windowfocus --sync "$window" 2>/dev/null || true
wait_until start_game "a game to start"
measure "game"

echo "load average: $(cut -d ' ' -f 1-3 /proc/loadavg) on $(nproc) cores"
