#!/usr/bin/env bash
# The installer as a Windows user meets it, in a new Wine prefix: a silent
# install; its files, Start-menu entries, associations and uninstall entry;
# a lesson in Documents studied through its association (its progress file
# written beside it); Quillmark started on a lesson; a silent uninstall that
# removes what was installed and leaves the lesson and its progress file.
#   tests/installer/installer_test.sh SETUP.exe
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
setup=$(realpath "$1")
drive="$root/build/mingw/tools/drive/morvane-drive.exe"
export WINEPREFIX="$root/build/wineprefix-install"
export WINEDEBUG=-all
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
unset MORVANE_DEVICE_ROOT
# A new prefix links Documents into $HOME: a home of its own keeps the
# test's lessons out of the real one.
export HOME="$root/build/installer-home"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Wine's helpers inherit descriptors: output goes through files.
run() { wine "$@" </dev/null >"$WINEPREFIX.out" 2>/dev/null; }
output() { tr -d '\r' <"$WINEPREFIX.out"; }
hasKey() { run reg query "$1" /v "$2" && output | grep -qF "$3"; }

rm -rf "$WINEPREFIX" "$WINEPREFIX.lock" "$HOME"
mkdir -p "$HOME"
"$root/scripts/wine-prefix.sh"
c="$WINEPREFIX/drive_c"
kelvaro="$c/Program Files/Kelvaro"

run "$setup" /S
wineserver -w
for f in MorvaneCHS.exe Quillmark.exe morvane-convert.exe morvanechs.html uninstall.exe \
  dxi24.hbf dxib5p.hbf strokeschs.ind feedbkchs.dat lgstrokescht.dat \
  hanzi-writer-data-ARPHICPL.txt unifont-copyright.txt; do
  [ -f "$kelvaro/$f" ] || fail "not installed: $f"
done
menu=$(find "$c" -path '*Start Menu/Programs/MorvaneCHS' -type d | head -n 1)
for link in MorvaneCHS.lnk Quillmark.lnk "MorvaneCHS Help.lnk"; do
  [ -n "$menu" ] && [ -f "$menu/$link" ] || fail "no Start-menu entry $link"
done
hasKey 'HKCR\.gb' '' MorvaneCHS.GbLesson || fail ".gb is not associated"
for ext in .b5 .euc .jis .euk .kf; do
  hasKey "HKCR\\$ext" '' MorvaneCHS.Lesson || fail "$ext is not associated"
done
hasKey 'HKCR\MorvaneCHS.GbLesson\shell\edit\command' '' 'Quillmark.exe' || fail "no Edit for .gb"
hasKey 'HKCR\MorvaneCHS.Lesson\shell\open\command' '' 'MorvaneCHS.exe' || fail "no Open"
hasKey 'HKCR\MorvaneCHS.Lesson\DefaultIcon' '' 'MorvaneCHS.exe' || fail "no icon"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\MorvaneCHS'
hasKey "$uninstall" UninstallString 'uninstall.exe' || fail "no uninstall entry"

# A lesson where a desktop user keeps files, opened as a double-click does.
run cmd /c echo %USERPROFILE%
documents=$(wine winepath -u "$(output | tail -n 1)\\Documents" 2>/dev/null </dev/null)
[ -f "$documents/Morvane Lessons/everyday.gb" ] || fail "no sample lessons in Documents"
printf '\xC4\xE3\xBA\xC3 [ni3 hao3] /hello/\r\n' >"$documents/mine.gb"
run start /unix "$documents/mine.gb"
if run "$drive" press Show && run "$drive" meaning && output | grep -q '^hello$'; then
  run "$drive" close || fail "the trainer did not close"
else
  fail "the trainer did not show the lesson opened through its association"
  run "$drive" close
fi
[ -f "$documents/mine.gb.st" ] || fail "no progress file beside the lesson"

# Quillmark on a lesson, as its Edit verb starts it.
wine "$kelvaro/Quillmark.exe" "$(wine winepath -w "$documents/mine.gb" 2>/dev/null </dev/null)" \
  </dev/null >/dev/null 2>&1 &
title="MorvaneCHS Lesson Editor: mine.gb"
if run "$drive" text "$title" 1013 && output | grep -q '^hello$'; then
  run "$drive" post "$title" 32776  # File, Exit
else
  fail "Quillmark did not show the lesson's first item"
fi
wineserver -w

run "$kelvaro/uninstall.exe" /S
wineserver -w
sleep 2
for f in MorvaneCHS.exe Quillmark.exe dxi24.hbf strokeschs.ind uninstall.exe; do
  [ ! -e "$kelvaro/$f" ] || fail "left after uninstalling: $f"
done
[ ! -e "$kelvaro" ] || fail "the program folder is left"
[ -z "$menu" ] || [ ! -e "$menu" ] || fail "the Start-menu folder is left"
[ ! -e "$documents/Morvane Lessons/everyday.gb" ] || fail "a sample lesson is left"
[ -f "$documents/mine.gb" ] && [ -f "$documents/mine.gb.st" ] ||
  fail "the user's lesson or its progress file was removed"
run reg query 'HKCR\.gb' && fail ".gb is still associated"
run reg query 'HKCR\MorvaneCHS.Lesson' && fail "the lesson type is left"
run reg query "$uninstall" && fail "the uninstall entry is left"

wineserver -k 2>/dev/null
if [ "$failures" -gt 0 ]; then
  echo "installer test: $failures failures" >&2
  exit 1
fi
echo "installer test: passed"
