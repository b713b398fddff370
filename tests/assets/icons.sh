#!/usr/bin/env bash
# Reads the desktop's icons back with ImageMagick's PNG reader, which refuses
# a file whose checksums or compressed stream are wrong, and checks each is
# square at its size, transparent at its rounded corners, opaque in the
# middle, and smooth at its edge (more than two levels of transparency).
#
# Usage: icons.sh <icon folder> <size>...
set -euo pipefail

folder=$1
shift
for size in "$@"; do
  icon=$folder/marrowick-$size.png
  last=$((size - 1)) middle=$((size / 2))
  facts=$(convert "$icon" -format "%w %h %[fx:p{0,0}.a] %[fx:p{$last,0}.a] %[fx:p{0,$last}.a] %[fx:p{$last,$last}.a] %[fx:p{$middle,$middle}.a]" info:) ||
    { echo "icons: $icon does not read as a PNG" >&2; exit 1; }
  expected="$size $size 0 0 0 0 1"
  [ "$facts" = "$expected" ] ||
    { echo "icons: $icon: width, height, corner and middle alpha are '$facts', not '$expected'" >&2; exit 1; }
  levels=$(convert "$icon" -alpha extract -format %k info:)
  [ "$levels" -gt 2 ] || { echo "icons: $icon has a hard edge: $levels levels of transparency" >&2; exit 1; }
done
echo "icons: $* read back"
