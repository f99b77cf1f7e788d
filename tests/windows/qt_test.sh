#!/usr/bin/env bash
# Runs one Qt test program of the Windows build under Wine: on the offscreen
# platform, which needs no display, and with its results written to a file,
# since under Wine Qt Test would send them to the debugger stream.
#   qt_test.sh TEST.exe [QTEST ARGUMENTS...]
set -uo pipefail
: "${WINEPREFIX:?}" "${KELVAD_WINE:?}" "${KELVAD_WORK_DIR:?}"
export WINEPREFIX
program=$1
shift
mkdir -p "$KELVAD_WORK_DIR"
log=$KELVAD_WORK_DIR/$(basename "$program" .exe).txt
rm -f "$log"
# Wine does not hand QT_* variables on, so the platform is an argument.
"$KELVAD_WINE" "$program" -platform offscreen -o "$(winepath -w "$log"),txt" "$@" </dev/null
status=$?
if [ -f "$log" ]; then
  tr -d '\r' <"$log"
else
  echo "no results from $program" >&2
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
