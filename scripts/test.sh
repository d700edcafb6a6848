#!/usr/bin/env bash
# Every test: native (core, tools), Windows (under Wine, null display driver),
# the installer in a new Wine prefix, and each fuzz target for 30 seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
"$root/scripts/wine-prefix.sh"

status=0
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)" || status=1
ctest --test-dir "$root/build/mingw" --output-on-failure -j "$(nproc)" || status=1
WINEPREFIX="$root/build/wineprefix" wineserver -k 2>/dev/null || true

# The release: built from the programs and data, installed, used and removed.
"$root/scripts/build-data.sh"
if setup=$("$root/scripts/installer.sh"); then
  "$root/tests/installer/installer_test.sh" "$setup" || status=1
else
  echo "the installer could not be built" >&2
  status=1
fi

# Each fuzz target for 30 seconds; a finding fails the run.
for target in lesson editor hbf strokes; do
  log="$root/build/fuzz-$target.log"
  if ! "$root/scripts/fuzz.sh" "$target" 30 >"$log" 2>&1; then
    echo "fuzz target $target found a problem:" >&2
    tail -n 40 "$log" >&2
    status=1
  fi
done
exit $status
