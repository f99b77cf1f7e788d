#!/usr/bin/env bash
# Installs the build tree of the main test run into a scratch prefix and runs
# the installed copy (.ci/installed_copy.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"

cmake --install build --prefix "$prefix" >/dev/null
for f in bin/kelvad bin/kelvad-wizard share/applications/kelvad.desktop share/man/man1/kelvad.1.gz \
         share/man/man1/kelvad-wizard.1.gz share/metainfo/org.kelvad.kelvad.metainfo.xml \
         share/doc/kelvad/README.md share/icons/hicolor/48x48/apps/kelvad.png \
         share/icons/hicolor/256x256/apps/kelvad.png share/kelvad/icons/icon16i.bmp; do
  [ -e "$prefix/$f" ] || { echo "install: $f is missing" >&2; exit 1; }
done

bash .ci/installed_copy.sh "$prefix"
echo "install: the installed kelvad found its icons in $prefix/share/kelvad and started the wizard"
