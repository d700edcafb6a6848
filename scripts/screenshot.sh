#!/usr/bin/env bash
# Screenshot of a Windows program as a person would see it: Wine's X11 driver
# under Xvfb (1024 x 768), in a prefix of its own (never the null-driver one).
#   scripts/screenshot.sh PROGRAM.exe OUT.png [SECONDS [ARGS...]]
# SECONDS (default 10) is how long the program runs before the capture.
# SCREENSHOT_PREFIX overrides the prefix folder (default build/wineprefix-x11).
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 PROGRAM.exe OUT.png [SECONDS [ARGS...]]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "$1")
out=$(realpath -m "$2")
seconds=${3:-10}
shift $(($# < 3 ? $# : 3))

export WINEPREFIX=${SCREENSHOT_PREFIX:-$root/build/wineprefix-x11}
export WINEDEBUG=-all
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
MORVANE_WINE_DISPLAY=x11 xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/wine-prefix.sh"

# Wine's helpers inherit descriptors: keep their output out of any pipe.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  program=$1 out=$2 seconds=$3; shift 3
  cd "$(dirname "$program")"
  # A Wine desktop draws the title bars that a bare X server would leave out.
  wine explorer /desktop=screenshot,1024x768 "$program" "$@" >/dev/null 2>&1 &
  sleep "$seconds"
  import -window root "$out"
  wineserver -k
' screenshot "$program" "$out" "$seconds" "$@" </dev/null >/dev/null 2>&1
[ -s "$out" ] || { echo "no screenshot taken" >&2; exit 1; }
echo "$out"
