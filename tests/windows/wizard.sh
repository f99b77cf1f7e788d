#!/usr/bin/env bash
# The Windows wizard end to end, under Wine on an Xvfb display: kelvad.exe
# without a command shows the wizard, which finds the SDK on a drive of its
# own; a screenshot is taken and looked at; then a Qt test walks a wizard to
# "Go!", which writes the project and starts ebld.bat, and the project tree
# is compared byte for byte with what the Linux build writes.
source "$(dirname "$0")/common.sh"
: "${KELVAD_WIZARD_GO:?}" "${KELVAD_SHOTS_DIR:?}" "${KELVAD_DATA_DIR:?}" "${KELVAD_STUB_TOOL:?}"
title_pattern='^Kelvad V[0-9.]+ - EPOC32 EIKON Application Builder$'

work=$(work_dir wizard)
mkdir -p "$KELVAD_SHOTS_DIR"
sdk=$(drive_dir k)
xvfb_pid=""
cleanup() {
  # Wine's desktop lives as long as its server; the checks after this one
  # must not find it on a display that is gone.
  # Whatever this check left running (a wizard that would not close) ends.
  timeout 60 wineserver -w || wineserver -k
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  # The SDK must not be found by the searches of the checks that follow.
  rm -rf "$sdk/epoc32"
}
trap cleanup EXIT

# An SDK on drive K: (its emulator a stand-in that logs being started), the
# help template, and the page a help button opens. Drive C may hold the SDK
# that the batch file check leaves there, which the search would find first.
rm -rf "$DRIVE_C/epoc32"
mkdir -p "$sdk/epoc32/release/wins/deb" "$sdk/Aleppo/Template" "$sdk/sysdoc/cpp/group"
cp "$KELVAD_STUB_TOOL" "$sdk/epoc32/release/wins/deb/epoc.exe"
: >"$sdk/Aleppo/Template/EPOCHELP.DOT"
echo '<html><body><h1>Engine utilities</h1></body></html>' >"$sdk/sysdoc/cpp/group/engutil.html"
export KELVAD_STUB_LOG='k:\stub.log'
stub_log=$sdk/stub.log

# The display, on a free number that Xvfb picks.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
# A server still running from the checks before, which have no display,
# would put the wizard's windows on its display-less desktop.
wineserver -w

# 1. kelvad.exe without a command: the wizard, found by its window title.
mkdir -p "$work/data-exe"
win "$KELVAD_EXE" --data-dir "$(winepath -w "$work/data-exe")" >"$work/kelvad-exe.out" 2>&1 </dev/null &
exe_pid=$!
window=""
for _ in $(seq 120); do
  window=$(xdotool search --name "$title_pattern" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  fail "kelvad.exe showed no window titled like \"$title_pattern\": $(cat "$work/kelvad-exe.out")"
else
  # The search takes 24 rounds of 100 ms a scan; the result then shows.
  sleep 6
  shot=$KELVAD_SHOTS_DIR/kelvad-exe.png
  import -window root "$shot"
  # Looked at: the window is of a usable size and the screen is not blank.
  read -r width height < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, s, "x"); print s[1], s[2] }')
  [ "${width:-0}" -ge 640 ] && [ "${height:-0}" -ge 400 ] || fail "the wizard's window is ${width}x${height}"
  colours=$(convert "$shot" -format '%k' info:)
  [ "$colours" -ge 32 ] || fail "the screenshot $shot has $colours colours: nothing drawn"
  echo "screenshot of kelvad.exe: $shot"
  # Closed as a user closes it: kelvad.exe then ends with the wizard's status.
  win taskkill /im kelvad-wizard.exe >/dev/null 2>&1 || true
fi
exe_status=0
for _ in $(seq 60); do kill -0 "$exe_pid" 2>/dev/null || break; sleep 0.5; done
if kill -0 "$exe_pid" 2>/dev/null; then
  fail "kelvad.exe did not end after its window was closed"
  kill "$exe_pid" 2>/dev/null || true
else
  wait "$exe_pid" || exe_status=$?
  [ "$exe_status" -eq 0 ] || fail "kelvad.exe ended with status $exe_status: $(cat "$work/kelvad-exe.out")"
fi

# 2. A wizard walked to "Go!" by a Qt test, on the windows platform plug-in.
mkdir -p "$work/data-go"
rm -rf "$sdk/ProjectX" "$stub_log"
status=0
KELVAD_SDK_DRIVE=k KELVAD_E2E_DATA_DIR=$(winepath -w "$work/data-go") \
  KELVAD_E2E_INSTALL_DIR=$(winepath -w "$KELVAD_DATA_DIR") \
  win "$KELVAD_WIZARD_GO" -o "$(winepath -w "$work/go.txt"),txt" </dev/null >"$work/go.out" 2>&1 || status=$?
tr -d '\r' <"$work/go.txt" 2>/dev/null || cat "$work/go.out"
[ "$status" -eq 0 ] || fail "the wizard's Qt test failed"

# ebld.bat runs on after the wizard; its last step starts the emulator.
for _ in $(seq 120); do grep -q '^epoc|' "$stub_log" 2>/dev/null && break; sleep 0.5; done
grep -q '^epoc|' "$stub_log" 2>/dev/null || fail "ebld.bat did not run to the emulator"
[ -f "$sdk/ProjectX/ebld.log" ] || fail "ebld.bat's output is not in ProjectX\\ebld.log"

# 3. The same tree as the Linux build writes for the same drive and SDK.
if [ -z "${KELVAD_HOST_BINARY:-}" ]; then
  echo "KELVAD_HOST_BINARY not set: the tree is not compared with the Linux build"
else
  linux=$work/linux
  mkdir -p "$linux/k/epoc32/release/wins/deb" "$linux/k/Aleppo/Template" "$linux/data"
  : >"$linux/k/epoc32/release/wins/deb/epoc.exe"
  : >"$linux/k/Aleppo/Template/EPOCHELP.DOT"
  status=0
  "$KELVAD_HOST_BINARY" generate --no-launch --drive "k=$linux/k" --data-dir "$linux/data" \
    --install-dir "$KELVAD_DATA_DIR" >"$work/linux.out" 2>&1 </dev/null || status=$?
  [ "$status" -eq 0 ] || fail "the Linux build failed: $(cat "$work/linux.out")"
  (cd "$linux/k/ProjectX" && find . -type f | sort) >"$work/linux-files"
  (cd "$sdk/ProjectX" && find . -type f | sort) >"$work/windows-files"
  while read -r file; do
    cmp -s "$linux/k/ProjectX/$file" "$sdk/ProjectX/$file" || fail "$file differs from the Linux build's"
  done <"$work/linux-files"
  # What ebld.bat left besides: only its logs.
  extra=$(comm -13 "$work/linux-files" "$work/windows-files" | grep -v '\.log$' || true)
  [ -z "$extra" ] || fail "the wizard's tree has files the Linux build's has not: $extra"
  [ -s "$work/linux-files" ] && echo "$(wc -l <"$work/linux-files") files compared with the Linux build"
fi

finish
