#!/usr/bin/env bash
# The gallery: every screen of the trainer (portrait and landscape) and of
# Quillmark, rendered under Xvfb by the built programs and driven from
# outside, into docs/screens/*.png (or the folder given).
#   scripts/gallery.sh [OUT-DIR]
# Needs the build and the data (scripts/run.sh makes both).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screens}")
mkdir -p "$out"

export WINEPREFIX="$root/build/wineprefix-gallery"
export WINEDEBUG=-all
export LC_ALL=C.UTF-8  # the Hanzi typed into Quillmark
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
drive="$root/build/mingw/tools/drive/morvane-drive.exe"
editor="$root/build/mingw/editor/Quillmark.exe"
for f in "$drive" "$editor"; do
  [ -f "$f" ] || { echo "$f is missing: run scripts/build.sh" >&2; exit 1; }
done

# One item of a character with stroke order and feedback data (你), a
# traditional one in a Big5 lesson (語), and a second lesson for the chooser.
work="$root/build/gallery"
mkdir -p "$work"
printf '\xC4\xE3 [ni3] /you (informal)/\r\n' >"$work/you.gb"
printf '\xBB\x79 [yu3] /language/\r\n' >"$work/language.b5"
printf '\xC4\xE3\xBA\xC3 [ni3 hao3] /hello/\r\n\xD0\xBB\xD0\xBB [xie4 xie5] /thank you/\r\n' \
  >"$work/greetings.gb"

MORVANE_WINE_DISPLAY=x11 xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/wine-prefix.sh"
"$root/scripts/install-trainer.sh" -d "$work/you.gb" -d "$work/language.b5" \
  -c "$work/greetings.gb" >/dev/null
wineserver -w

# Wine's helpers inherit descriptors: keep their output out of any pipe.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  drive=$1 editor=$2 out=$3 work=$4
  program="C:\\Program Files\\Kelvaro\\MorvaneCHS.exe"
  lesson="\\My Documents\\you.gb"
  wine reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f
  wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d 640x480 /f
  wine reg delete "HKCU\\Software\\MorvaneCHS" /f
  wineserver -w

  # The window (the trainer, or the one titled $2) as the screen shows it;
  # with $3, the trainer and that window over it.
  shoot() {
    sleep 1
    wine "$drive" rect ${2:+"$2"} >"$work/rect" || return 0
    read -r left top width height <"$work/rect"
    if [ -n "${3:-}" ] && wine "$drive" rect "$3" >"$work/rect"; then
      read -r l t w h <"$work/rect"
      right=$((left + width > l + w ? left + width : l + w))
      bottom=$((top + height > t + h ? top + height : t + h))
      left=$((left < l ? left : l)) top=$((top < t ? top : t))
      width=$((right - left)) height=$((bottom - top))
    fi
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out/$1.png"
  }
  # The first character tapped and its stroke animation caught part-way
  # (the screen first, as the animation goes on while the window is found).
  shootTap() {
    wine "$drive" tap 16,22
    sleep 1.5
    import -window root "$work/whole.png"
    wine "$drive" rect >"$work/rect"
    read -r left top width height <"$work/rect"
    convert "$work/whole.png" -crop "${width}x${height}+${left}+${top}" +repage "$out/$1.png"
  }
  # A dialog opened by a menu command, over the trainer, then cancelled.
  shootDialog() {
    wine "$drive" command "$2"
    sleep 1
    shoot "$1" "" "$3"
    wine "$drive" post "$3" 2
    sleep 1
  }
  trainer() {
    wine "$program" "$@" &
    wine "$drive" rect >/dev/null
  }
  # Strokes of 你 that the canvas judges black, blue and red.
  writeStrokes() {
    wine "$drive" stroke 70,8 55,23 40,38
    wine "$drive" stroke 85,8 95,23 105,38
    wine "$drive" stroke 125,20 155,20 185,20
  }

  trainer
  shoot no-lesson
  wine "$drive" close

  trainer "$lesson"
  shoot study-hidden
  wine "$drive" press Show
  shoot study-shown
  writeStrokes
  shoot strokes-judged
  shootTap stroke-popup
  sleep 6
  shootDialog preferences 40005 "Morvane CHS Preferences"
  shootDialog about 40007 "About MorvaneCHS"
  shootDialog chooser 40002 "Open Multiple Files"
  wine "$drive" press Right
  shoot pass-finished
  wine "$drive" close

  # A traditional character from the Big5 databases, its popup part-way.
  trainer "\\My Documents\\language.b5"
  wine "$drive" press Show
  shootTap study-big5
  sleep 6
  wine "$drive" close

  export MORVANE_SCREEN=landscape
  trainer "$lesson"
  wine "$drive" press Show
  writeStrokes
  shoot study-landscape
  shootDialog preferences-landscape 40005 "Morvane CHS Preferences"
  shootDialog chooser-landscape 40002 "Open Multiple Files"
  wine "$drive" press Right
  shoot pass-finished-landscape
  wine "$drive" close
  unset MORVANE_SCREEN

  wine "$editor" &
  title="MorvaneCHS Lesson Editor: (New)"
  wine "$drive" set-text "$title" 1011 "你好"
  wine "$drive" set-text "$title" 1012 "ni3 hao3"
  wine "$drive" set-text "$title" 1013 "hello"
  wine "$drive" post "$title" 1003
  wine "$drive" set-text "$title" 1011 "谢谢"
  wine "$drive" set-text "$title" 1012 "xie4 xie5"
  wine "$drive" set-text "$title" 1013 "thank you"
  shoot quillmark "$title"
  wine "$drive" post "$title" 32777
  shoot quillmark-about "About MorvaneCHS Lesson Creator"
  wineserver -k
' gallery "$drive" "$editor" "$out" "$work" </dev/null >/dev/null 2>&1 || true

shots=(no-lesson study-hidden study-shown strokes-judged stroke-popup preferences about chooser
  pass-finished study-big5 study-landscape preferences-landscape chooser-landscape pass-finished-landscape
  quillmark quillmark-about)
missing=0
for shot in "${shots[@]}"; do
  [ -s "$out/$shot.png" ] || { echo "no picture of $shot" >&2; missing=1; }
done
[ "$missing" -eq 0 ] || exit 1
echo "$out"
