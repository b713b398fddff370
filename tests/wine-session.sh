#!/bin/sh
# One Wine server and desktop for a whole test run under Wine, started ahead of
# the tests and stopped after them. Both are daemons that keep whatever output
# they were given open: started by a test, they would hold its output until
# they quit, and CTest would wait for them. Runs with the build's WINEPREFIX.
#
# Usage: wine-session.sh start <wineserver> <wine64> | stop <wineserver>
set -eu
case "$1" in
  start)
    "$2" --wait        # a server left by the listing of the tests ends first
    "$2" --persistent >/dev/null 2>&1
    "$3" cmd /c exit </dev/null >/dev/null 2>&1  # brings up the desktop
    ;;
  stop)
    "$2" --kill
    ;;
esac
