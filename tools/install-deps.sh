#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any are missing;
# packages named as arguments are installed as well (fuzz/run.sh adds clang).
set -euo pipefail
packages=(cmake make g++ pkg-config nlohmann-json3-dev qt6-base-dev libgtest-dev libgmock-dev "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
