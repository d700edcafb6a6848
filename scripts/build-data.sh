#!/usr/bin/env bash
# The trainer's data, built into build/native/data by the native tools: the
# five HBF fonts, drawn from the Debian font packages, and the stroke and
# feedback databases of every GB 2312 Hanzi, from hanzi-writer-data.
# Needs scripts/deps.sh and scripts/build.sh first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
data="$root/build/native/data"
"$root/build/native/tools/fontbuild/morvane-fontbuild" "$data" >/dev/null
# The characters the stroke source lacks are listed in strokebuild.log.
"$root/build/native/tools/strokebuild/morvane-strokebuild" \
  --source "$root/build/npm/node_modules/hanzi-writer-data" "$data" >/dev/null \
  2>"$root/build/strokebuild.log" || { cat "$root/build/strokebuild.log" >&2; exit 1; }
