#!/usr/bin/env bash
# The word processor's template directory read from Wine's real registry,
# as "wine reg" leaves it: by kelvad.exe through the registry calls, and by
# the Linux build from the prefix's registry file.
source "$(dirname "$0")/common.sh"

work=$(work_dir registry)
out=$work/out.txt
err=$work/err.txt
key='HKLM\SOFTWARE\Microsoft\Office\8.0\Common\FileNew\LocalTemplates'

# Drive R: holds the template in a directory of its own and none in the
# help compiler's directories, so only the registry can lead to it.
drive=$(drive_dir r)
mkdir -p "$drive/Vorlagen"
: >"$drive/Vorlagen/EPOCHELP.DOT"

forget_key() {
  for view in 32 64; do win reg delete "$key" /f /reg:$view >/dev/null 2>&1 || true; done
}
trap forget_key EXIT
forget_key

generate() {  # NAME
  kelvad_exe --no-launch --sdk-release 5 --set drive=r: --set "name=$1"
  expect_status 0 "generate $1"
}

# A 32-bit word processor on 64-bit Windows writes the 32-bit view.
win reg add "$key" /ve /d 'r:\Vorlagen' /f /reg:32 >/dev/null
generate FromRegistry
[ -s "$err" ] && fail "warnings with the template found: $(cat "$err")"
[ -f "$drive/FromRegistry/Help/HelpGen.bat" ] || fail "no help files with the template named by the registry"
[ -f "$drive/FromRegistry/Help/Documents/FromRegistry.rtf" ] || fail "no help document"

# The key without its value: GetRegString's error 1001, shown as a warning,
# and the search goes on in the help compiler's directories.
win reg delete "$key" /ve /f /reg:32 >/dev/null
generate NoValue
expect_in "$err" "warning: the word processor's template directory is unknown: RegQueryValueEx failed! (error 1001: no value (Default) under HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\8.0\\Common\\FileNew\\LocalTemplates)"
expect_in "$err" 'warning: the help template EPOCHELP.DOT is not in r:\Aleppo\Template, r:\Aleppo\Aleppo\Template;'
[ -e "$drive/NoValue/Help" ] && fail "help files without a template"

# No key at all is an ordinary answer: no registry warning.
forget_key
generate NoKey
expect_not_in "$err" 'RegQueryValueEx'
expect_in "$err" 'warning: the help template EPOCHELP.DOT is not in r:\Aleppo\Template, r:\Aleppo\Aleppo\Template;'

# The Linux build reads the same value from the prefix's system.reg, which
# Wine writes when its server stops.
if [ -n "${KELVAD_HOST_BINARY:-}" ]; then
  win reg add "$key" /ve /d 'r:\Vorlagen' /f /reg:32 >/dev/null
  wineserver -w
  status=0
  "$KELVAD_HOST_BINARY" generate --no-launch --sdk-release 5 --set drive=r: --set name=FromRegFile \
    --data-dir "$work/linux-data" >"$out" 2>"$err" </dev/null || status=$?
  expect_status 0 "Linux build: generate FromRegFile"
  [ -s "$err" ] && fail "Linux build: warnings with the template found: $(cat "$err")"
  [ -f "$drive/FromRegFile/Help/HelpGen.bat" ] || fail "Linux build: the registry file did not lead to the template"
fi

finish
