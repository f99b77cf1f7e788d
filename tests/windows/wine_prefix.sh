#!/usr/bin/env bash
# Creates the Wine prefix that the Windows checks share, once per build tree.
set -euo pipefail
: "${WINEPREFIX:?}" "${KELVAD_WINE:?}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # No Mono or Gecko: nothing here needs .NET or an HTML engine, and their
  # installers would ask.
  WINEDLLOVERRIDES="mscoree,mshtml=" "$KELVAD_WINE" wineboot --init >/dev/null 2>&1
fi
# The registry is on disk once the server has gone.
wineserver -w
test -f "$WINEPREFIX/system.reg" && test -d "$WINEPREFIX/drive_c/windows"
echo "Wine prefix ready: $WINEPREFIX"
