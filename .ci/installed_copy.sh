#!/usr/bin/env bash
# usage: .ci/installed_copy.sh PREFIX
# Runs an installed copy of Kelvad (PREFIX/bin/kelvad, from cmake --install or
# from the unpacked packages): kelvad generate must find the shipped files
# through its own location (the project's AIF directory then holds the
# template icons) and map no Qt library, and kelvad without a command must
# hand over to the wizard installed beside it.
set -euo pipefail
prefix=$1
kelvad="$prefix/bin/kelvad"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mkdir "$scratch/c"
# The person's drive mapping and Wine prefix must not leak in. LD_DEBUG
# lists every library the dynamic loader maps, whatever loads it.
if ! env -u KELVAD_DRIVES HOME="$scratch" LD_DEBUG=libs LD_DEBUG_OUTPUT="$scratch/libs" \
    "$kelvad" generate --drive c="$scratch/c" --data-dir "$scratch/data" --sdk-release 5 --no-launch \
    --set name=Installed >"$scratch/out.txt" 2>"$scratch/err.txt"; then
  cat "$scratch/err.txt" >&2
  exit 1
fi
if grep -h "calling init:" "$scratch"/libs.* | grep -i "libQt6"; then
  echo "$kelvad generate maps Qt libraries" >&2
  exit 1
fi
for size in 16 24 32 48; do
  for kind in i m; do
    cmp "$prefix/share/kelvad/icons/icon$size$kind.bmp" "$scratch/c/Installed/AIF/Installed$size$kind.bmp"
  done
done
[ "$("$kelvad" --version)" = "Kelvad V0.9.2" ]
# Without a command kelvad becomes the installed wizard, which finds no
# display here and says so.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$scratch" "$kelvad" 2>"$scratch/wizard.txt" || status=$?
if [ "$status" -ne 2 ] || ! grep -q "no display" "$scratch/wizard.txt"; then
  echo "$kelvad did not start the installed wizard (status $status):" >&2
  cat "$scratch/wizard.txt" >&2
  exit 1
fi
