#!/usr/bin/env bash
# Draws the game's chosen frames twice, with Direct3D 9 itself (the Windows
# frame tool, here under Wine) and with our software device (the Linux frame
# tool), and compares them pixel by pixel, a line of figures a frame. Both sets
# of frames, the difference pictures and the figures (figures.txt) stay in
# <artifacts>/frames.
#
# Usage: compare-frames.sh <Linux marrowick-frames> <marrowick-frames.exe>
#          <Data folder> <artifacts folder> <command that runs Windows programs...>
set -euo pipefail

linux_tool=$(realpath "$1")
windows_tool=$(realpath "$2")
data=$(realpath "$3")
artifacts=$4
shift 4
mkdir -p "$artifacts"
frames=$(realpath "$artifacts")/frames

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$data" "$work/Data"
cd "$work"

"$@" "$windows_tool" direct3d9
"$linux_tool" software
rm -rf "$frames"
mkdir -p "$frames"
mv direct3d9 software "$frames"
"$linux_tool" --compare "$frames/direct3d9" "$frames/software" "$frames/differences" |
  tee "$frames/figures.txt"
