#!/usr/bin/env bash
# Runs one fuzz target: scripts/fuzz.sh TARGET SECONDS [libFuzzer option...]
# TARGET is lesson, editor, hbf or strokes; SECONDS 0 runs until an option
# such as -runs=10000000 ends it. Builds build/fuzz first (clang, libFuzzer, ASan,
# UBSan). Inputs it finds go to build/fuzz/corpus/TARGET (the kept seeds are
# tests/fuzz/corpus/TARGET), crashes to build/fuzz/findings/TARGET.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${MORVANE_JOBS:-$(nproc)}
if [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh lesson|editor|hbf|strokes SECONDS [libFuzzer option...]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2

build="$root/build/fuzz"
cmake -S "$root" -B "$build" -DMORVANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target "fuzz_$target" -j "$jobs" >/dev/null

corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"
"$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$findings/" "$@" "$corpus" "$root/tests/fuzz/corpus/$target"
