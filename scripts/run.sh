#!/usr/bin/env bash
# The main job: build everything, the trainer's fonts and stroke databases,
# install the trainer on the emulated handheld (a Wine prefix) and start it
# on the sample lesson. With a display the trainer opens for you to study;
# without one it runs under Xvfb, presses "Show", writes a stroke on the
# canvas, saves a screenshot and prints its path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
"$root/scripts/build-data.sh"

export WINEPREFIX="$root/build/wineprefix-x11"
export WINEDEBUG=-all
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
lesson='\My Documents\everyday.gb'
program='C:\Program Files\Kelvaro\MorvaneCHS.exe'
drive="$root/build/mingw/tools/drive/morvane-drive.exe"

if [ -n "${DISPLAY:-}" ]; then
  MORVANE_WINE_DISPLAY=x11 "$root/scripts/wine-prefix.sh"
  "$root/scripts/install-trainer.sh" -d "$root/samples/everyday.gb" >/dev/null
  echo "Starting MorvaneCHS on $lesson"
  exec wine "$program" "$lesson"
fi

MORVANE_WINE_DISPLAY=x11 xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/wine-prefix.sh"
"$root/scripts/install-trainer.sh" -d "$root/samples/everyday.gb" >/dev/null
shot="$root/build/trainer-study.png"
rm -f "$shot" "$shot.shown"
# Wine's helpers inherit descriptors: keep their output out of any pipe.
# Every program of the session shares one virtual desktop, so that the
# driver finds the trainer's window.
WINEPREFIX="$WINEPREFIX" wineserver -w
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  program=$1 lesson=$2 drive=$3 shot=$4
  wine reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f
  wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d 480x400 /f
  wineserver -w
  wine "$program" "$lesson" &
  wine "$drive" show-and-write && touch "$shot.shown"
  sleep 2
  import -window root -crop 480x400+0+0 "$shot"
  wine "$drive" close
  wineserver -k
' run "$program" "$lesson" "$drive" "$shot" </dev/null >/dev/null 2>&1 || true
[ -s "$shot" ] || { echo "no screenshot taken" >&2; exit 1; }
[ -f "$shot.shown" ] || { echo "the trainer did not come up to study (see $shot)" >&2; exit 1; }
rm -f "$shot.shown"
echo "Trainer studying samples/everyday.gb (screenshot after Show): $shot"
