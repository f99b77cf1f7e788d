#!/usr/bin/env bash
# Installs the build tree of the main test run into a scratch prefix and runs
# the installed copy, which must find its shipped files through its own
# location: the generated AIF directory then holds the template icons.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"

cmake --install build --prefix "$prefix" >/dev/null
for f in bin/kelvad bin/kelvad-wizard share/applications/kelvad.desktop share/man/man1/kelvad.1 \
         share/icons/hicolor/48x48/apps/kelvad.png share/icons/hicolor/256x256/apps/kelvad.png \
         share/kelvad/icons/icon16i.bmp; do
  [ -e "$prefix/$f" ] || { echo "install: $f is missing" >&2; exit 1; }
done

mkdir "$scratch/c"
# The person's drive mapping and Wine prefix must not leak in.
if ! env -u KELVAD_DRIVES HOME="$scratch" "$prefix/bin/kelvad" generate --drive c="$scratch/c" \
    --data-dir "$scratch/data" --sdk-release 5 --no-launch --set name=Installed \
    >"$scratch/out.txt" 2>"$scratch/err.txt"; then
  cat "$scratch/err.txt" >&2
  exit 1
fi
for size in 16 24 32 48; do
  for kind in i m; do
    cmp "$prefix/share/kelvad/icons/icon$size$kind.bmp" "$scratch/c/Installed/AIF/Installed$size$kind.bmp"
  done
done
[ "$("$prefix/bin/kelvad" --version)" = "Kelvad V0.9.2" ]
echo "install: the installed kelvad found its icons in $prefix/share/kelvad"
