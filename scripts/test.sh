#!/usr/bin/env bash
# Every test: native (core, tools) and Windows (under Wine, null display driver).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
"$root/scripts/wine-prefix.sh"

status=0
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)" || status=1
ctest --test-dir "$root/build/mingw" --output-on-failure -j "$(nproc)" || status=1
WINEPREFIX="$root/build/wineprefix" wineserver -k 2>/dev/null || true
exit $status
