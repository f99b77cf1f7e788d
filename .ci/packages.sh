#!/usr/bin/env bash
# The Debian packages of the main build tree: cpack builds kelvad and
# kelvad-wizard, lintian must find no error and no warning in either,
# appstreamcli and mandoc check the metadata and the manual page, and the
# packages unpacked into a scratch root must work there
# (.ci/installed_copy.sh: no Qt library in kelvad generate among them).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --packaging
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
debs="$scratch/debs"
root="$scratch/root"

(cd build && cpack -G DEB -B "$debs" >"$scratch/cpack.log") || { cat "$scratch/cpack.log" >&2; exit 1; }
for package in kelvad kelvad-wizard; do
  [ -f "$debs/${package}_"*.deb ] || { echo "packages: no $package package" >&2; exit 1; }
done
if dpkg-deb -f "$debs"/kelvad_*.deb Depends | grep -qi qt; then
  echo "packages: kelvad depends on Qt: $(dpkg-deb -f "$debs"/kelvad_*.deb Depends)" >&2
  exit 1
fi

echo "packages: $(lintian --version)"
lintian --fail-on error,warning "$debs"/*.deb

mkdir "$root"
for deb in "$debs"/*.deb; do dpkg-deb -x "$deb" "$root"; done
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml
mandoc -Tlint -W warning "$root/usr/share/man/man1/kelvad.1.gz"

bash .ci/installed_copy.sh "$root/usr"
echo "packages: $(cd "$debs" && ls *.deb | tr '\n' ' ')built, lintian-clean and working from a scratch root"
