#!/usr/bin/env bash
# The main job: build everything, the trainer's fonts and stroke databases, then show the
# inspector's report of every sample lesson.
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
exit $status
