#!/usr/bin/env bash
# Creates the private Wine prefix once, with the null display driver unless
# MORVANE_WINE_DISPLAY=x11 (screenshots under Xvfb use a prefix of their own).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
[ -f "$WINEPREFIX/.morvane-ready" ] && exit 0

mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.morvane-ready" ] && exit 0
wineboot -i >/dev/null 2>&1 </dev/null || true
if [ "${MORVANE_WINE_DISPLAY:-null}" = null ]; then
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 </dev/null
fi
wineserver -w
touch "$WINEPREFIX/.morvane-ready"
