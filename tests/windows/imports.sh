#!/usr/bin/env bash
# kelvad.exe and the wizard are copied to a Windows machine alone, with
# data/ beside them: every DLL they import must be one that Windows itself
# ships, found in the system directory (of the prefix, here).
#   imports.sh PROGRAM.exe...
source "$(dirname "$0")/common.sh"
objdump=${KELVAD_OBJDUMP:-x86_64-w64-mingw32-objdump}
system32=$DRIVE_C/windows/system32
for program in "$@"; do
  dlls=$("$objdump" -p "$program" | awk '/DLL Name:/ { print $3 }')
  [ -n "$dlls" ] || fail "$program: no imports found"
  for dll in $dlls; do
    # API sets name no file: Windows resolves them to its own DLLs.
    case "${dll,,}" in api-ms-win-*) continue ;; esac
    if [ -z "$(find "$system32" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
      fail "$(basename "$program") imports $dll, which is not a Windows system DLL"
    fi
  done
  echo "$(basename "$program"): $(echo $dlls | tr ' ' ',')"
done
finish
