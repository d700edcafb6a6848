#!/usr/bin/env bash
# The benchmarks of the file readers: lesson reading in every encoding, progress
# files, HBF glyph reads, stroke and feedback lookups, the editor core's load
# and save, the inspector's JSON (native, Google Benchmark), then Quillmark's
# Open of a 118,080-item lesson and the trainer's start on a 120,000-item one
# under Wine. Not part of CI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
"$root/scripts/wine-prefix.sh"
"$root/scripts/build-data.sh"
MORVANE_FONT_DIR="$root/build/native/data" "$root/build/native/benchmarks/morvane_benchmarks" "$@"
echo "Quillmark Open under Wine:"
"$root/scripts/wine-run.sh" "$root/build/mingw/tests/editor/quillmark_open_benchmark.exe" 118080
echo "MorvaneCHS start under Wine:"
"$root/scripts/wine-run.sh" "$root/build/mingw/tests/app/trainer_open_benchmark.exe" 120000 \
  "$root/build/native/data"
