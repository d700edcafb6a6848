#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's private prefix with the
# null display driver (no X needed). Output goes through files, because Wine's
# helper processes inherit the descriptors and would hold a pipe open.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
"$root/scripts/wine-prefix.sh"

out=$(mktemp) err=$(mktemp)
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
exit $rc
