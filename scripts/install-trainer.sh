#!/usr/bin/env bash
# Installs the trainer on the emulated handheld: a Wine prefix's C: drive is
# the device, so "\Program Files\Kelvaro" is C:\Program Files\Kelvaro.
#   scripts/install-trainer.sh [-p PREFIX] [-d LESSON]... [-c LESSON]...
# Copies MorvaneCHS.exe, its help page, the fonts and the stroke and feedback
# databases (with their licences) from the build into \Program Files\Kelvaro.
# -d puts a lesson into "\My Documents", -c into the documents folder of the
# storage card, "\Storage Card\My Documents", where Multi-Open finds it.
# PREFIX defaults to $WINEPREFIX, else build/wineprefix. Prints the
# program's host path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${WINEPREFIX:-$root/build/wineprefix}
documents=()
card=()
while getopts "p:d:c:" option; do
  case $option in
    p) prefix=$OPTARG ;;
    d) documents+=("$OPTARG") ;;
    c) card+=("$OPTARG") ;;
    *) echo "usage: $0 [-p PREFIX] [-d LESSON]... [-c LESSON]..." >&2; exit 2 ;;
  esac
done

program="$root/build/mingw/trainer/app/MorvaneCHS.exe"
data="$root/build/native/data"
[ -f "$program" ] || { echo "$program is missing: run scripts/build.sh" >&2; exit 1; }
ls "$data"/*.hbf >/dev/null 2>&1 || { echo "no fonts in $data: run scripts/run.sh" >&2; exit 1; }

device="$prefix/drive_c"
install_dir="$device/Program Files/Kelvaro"
mkdir -p "$install_dir" "$device/My Documents"
cp "$program" "$root/trainer/help/morvanechs.html" "$install_dir/"
for file in "$data"/*; do
  [ -f "$file" ] && cp "$file" "$install_dir/"
done
for lesson in "${documents[@]+"${documents[@]}"}"; do
  cp "$lesson" "$device/My Documents/"
done
if [ ${#card[@]} -gt 0 ]; then
  mkdir -p "$device/Storage Card/My Documents"
  cp "${card[@]}" "$device/Storage Card/My Documents/"
fi
# The prefix is the handheld: its C: drive is the device root for every
# program started in it (without MORVANE_DEVICE_ROOT the trainer would run as
# installed on a desktop, with the user's own Documents folder).
WINEPREFIX="$prefix" WINEDEBUG=-all wine reg add 'HKCU\Environment' /v MORVANE_DEVICE_ROOT \
  /d 'C:\' /f </dev/null >/dev/null 2>&1
echo "$install_dir/MorvaneCHS.exe"
