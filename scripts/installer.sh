#!/usr/bin/env bash
# Builds the Windows installer build/dist/MorvaneCHS-VERSION-setup.exe (NSIS)
# from the built programs, the data the main job builds, the help page and
# the sample lessons. Needs scripts/build.sh and scripts/build-data.sh first;
# installs Debian's nsis when it is missing. Prints the installer's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=${MORVANE_VERSION:-1.0.0}
programs="$root/build/mingw"
data="$root/build/native/data"
dist="$root/build/dist"

if ! command -v makensis >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends nsis >/dev/null
fi
for f in trainer/app/MorvaneCHS.exe editor/Quillmark.exe tools/convert/morvane-convert.exe; do
  [ -f "$programs/$f" ] || { echo "$programs/$f is missing: run scripts/build.sh" >&2; exit 1; }
done
ls "$data"/*.hbf "$data"/*.ind >/dev/null 2>&1 ||
  { echo "no fonts or stroke data in $data: run scripts/build-data.sh" >&2; exit 1; }

# The three programs side by side, and the list of data files the
# uninstaller removes (exactly those the installer adds).
stage="$dist/stage"
rm -rf "$stage"
mkdir -p "$stage"
cp "$programs/trainer/app/MorvaneCHS.exe" "$programs/editor/Quillmark.exe" \
  "$programs/tools/convert/morvane-convert.exe" "$stage/"
: >"$stage/data-files.nsh"
for file in "$data"/*.hbf "$data"/*.bin "$data"/*.ind "$data"/*.dat "$data"/*.txt; do
  printf 'Delete "$INSTDIR\\%s"\n' "$(basename "$file")" >>"$stage/data-files.nsh"
done

out="$dist/MorvaneCHS-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DOUTFILE="$out" -DPROGRAMS="$stage" -DDATA="$data" \
  -DHELP="$root/trainer/help" -DSAMPLES="$root/samples" -DDATA_LIST="$stage/data-files.nsh" \
  "$root/scripts/installer/morvanechs.nsi" >"$dist/makensis.log"
echo "$out"
