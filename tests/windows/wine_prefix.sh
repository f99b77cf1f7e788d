#!/usr/bin/env bash
# Creates the Wine prefix that the Windows checks share, once per build tree.
set -euo pipefail
: "${WINEPREFIX:?}" "${KELVAD_WINE:?}" "${KELVAD_WORK_DIR:?}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # No Mono or Gecko: nothing here needs .NET or an HTML engine, and their
  # installers would ask.
  WINEDLLOVERRIDES="mscoree,mshtml=" "$KELVAD_WINE" wineboot --init >/dev/null 2>&1
fi
# Drives K:, R: and S: for the checks that want a drive of their own. A running
# Wine server does not see drives added under it, so they are made here,
# before the checks start one.
for letter in k r s; do
  mkdir -p "$KELVAD_WORK_DIR/drive_$letter"
  ln -sfn "$KELVAD_WORK_DIR/drive_$letter" "$WINEPREFIX/dosdevices/$letter:"
done
# The registry is on disk, and the drives are seen, once the server has gone.
wineserver -w
test -f "$WINEPREFIX/system.reg" && test -d "$WINEPREFIX/drive_c/windows"
echo "Wine prefix ready: $WINEPREFIX"
