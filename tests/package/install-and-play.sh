#!/usr/bin/env bash
# Checks the game's Debian package as a player meets it: lintian finds no
# errors or warnings, the desktop entry is valid, it depends on SDL2's
# run-time library and on nothing for building; apt-get installs it; an
# ordinary user with a fresh home starts "marrowick" by name from another
# folder under a virtual X display and plays a game to its end through the
# real window; the best result lands in that user's own data folder; and
# purging the package leaves none of its files behind.
#
# Usage (as root, on a machine where the package is not installed):
#   install-and-play.sh <marrowick_VERSION_ARCH.deb> <artifacts folder>
set -euo pipefail

package=$(realpath "$1")
artifacts=$2
mkdir -p "$artifacts"
artifacts=$(realpath "$artifacts")

work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid=
game_pid=
installed=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "$installed" ] && apt purge marrowick
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "package: $*" >&2
  [ -f "$work/stderr" ] && sed 's/^/  game: /' "$work/stderr" >&2
  exit 1
}

# apt-get, quiet unless it fails; it waits for another's dpkg lock.
apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq "$@" >"$work/apt" 2>&1; }

[ "$(id -u)" = 0 ] || fail "installing the package needs root"
case $(dpkg-query -W -f='${db:Status-Status}' marrowick 2>/dev/null || true) in
  "" | not-installed) ;;
  *) fail "marrowick is installed already: this test installs and removes it itself" ;;
esac

# The package as a file.
status=0
lintian --fail-on error,warning "$package" >"$work/lintian" 2>&1 || status=$?
grep -v '^running with root privileges' "$work/lintian" || true
[ "$status" = 0 ] || fail "lintian reports errors or warnings"
dpkg-deb -x "$package" "$work/contents"
desktop-file-validate "$work/contents/usr/share/applications/marrowick.desktop" ||
  fail "the desktop entry is not valid"
depends=$(dpkg-deb -f "$package" Depends)
[[ "$depends" == *libsdl2-2.0-0* ]] || fail "the package does not depend on SDL2: $depends"
[[ "$depends" != *-dev* ]] || fail "the package depends on something for building: $depends"
version=$(dpkg-deb -f "$package" Version)

# Installed as a player installs it.
installed=yes
apt install "$package" || { cat "$work/apt" >&2; fail "apt-get could not install the package"; }
files=$(dpkg-query -L marrowick)
for path in /usr/games/marrowick /usr/lib/marrowick/marrowick /usr/share/marrowick/Data/Title.bmp \
  /usr/share/applications/marrowick.desktop /usr/share/man/man6/marrowick.6.gz \
  /usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/marrowick.png; do
  grep -qx "$path" <<<"$files" || fail "the package does not install $path"
done

# The player: nobody, with a home of their own, started from another folder
# than that home.
home=$work/home
mkdir "$home"
chown nobody:nogroup "$home"
player_folder=$home/.local/share/marrowick
player=(env -i HOME="$home" PATH=/usr/local/bin:/usr/bin:/bin:/usr/games SDL_AUDIODRIVER=dummy)
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)

# Without a display: the launcher answers these itself.
[ "$(cd / && "${player[@]}" "${as_nobody[@]}" marrowick --version)" = "Marrowick $version" ] ||
  fail "marrowick --version does not say Marrowick $version"
(cd / && "${player[@]}" "${as_nobody[@]}" marrowick --help) | grep -q '^Usage: marrowick' ||
  fail "marrowick --help does not say how to use it"

source "$(dirname "$0")/../app/game-window.sh"
start_virtual_display

# Started by name, as the desktop's menu starts it.
(cd / && exec "${player[@]}" DISPLAY="$DISPLAY" "${as_nobody[@]}" marrowick 2>"$work/stderr") &
game_pid=$!
find_game_window
wait_for "$artifacts/title.png" is_title "the title screen"
start_game "$artifacts/game.png"

# Left alone, a game ends after about 1900 ticks of 20 ms, when the last
# frog is saved or splatted; that first result is the best one, and the game
# writes it.
for _ in $(seq 240); do
  [ -e "$player_folder/Highscore.dat" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game stopped during play"
  sleep 0.5
done
[ -e "$player_folder/Highscore.dat" ] || fail "no game ended within two minutes"
wait_for "$artifacts/title-with-best-result.png" is_title "the title screen after the game"
quit_game

# Eight bytes: frogs saved and frogs splatted, which are all hundred frogs.
[ "$(stat -c %s "$player_folder/Highscore.dat")" = 8 ] || fail "Highscore.dat is not 8 bytes"
read -r saved splatted < <(od -An -t d4 "$player_folder/Highscore.dat")
[ "$saved" -ge 0 ] && [ "$splatted" -ge 0 ] && [ $((saved + splatted)) = 100 ] ||
  fail "Highscore.dat holds $saved saved and $splatted splatted, not the hundred frogs of a game"
[ "$(stat -c %U "$player_folder/Highscore.dat")" = nobody ] || fail "Highscore.dat is not the player's"
[ "$(readlink "$player_folder/Data")" = /usr/share/marrowick/Data ] ||
  fail "the player's Data is not a link to the installed Data"
status=0
compare -metric AE "$artifacts/title.png" "$artifacts/title-with-best-result.png" null: 2>/dev/null ||
  status=$?
[ "$status" = 1 ] || fail "the title screen does not show the best result"

# Removed again: none of the package's files, and none of its own folders, stay.
apt purge marrowick || { cat "$work/apt" >&2; fail "apt-get could not remove the package"; }
installed=
while read -r path; do
  if [ -e "$path" ] && { [ ! -d "$path" ] || [[ "$path" == *marrowick* ]]; }; then
    fail "$path is left behind"
  fi
done <<<"$files"

echo "package: passed ($saved frogs saved, $splatted splatted); screenshots in $artifacts"
