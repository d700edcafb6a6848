#!/usr/bin/env bash
# Configures and builds both trees: build/native (core, tools, native tests)
# and build/mingw (the Windows programs and their tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${MORVANE_JOBS:-$(nproc)}

cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/native" -j "$jobs"

cmake -S "$root" -B "$root/build/mingw" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$root/build/mingw" -j "$jobs"
