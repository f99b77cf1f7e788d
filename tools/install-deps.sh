#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any are missing.
# With --windows also those of the Windows build: the MinGW-w64 cross
# compiler with POSIX threads (Qt's threads need them) and Ninja to build Qt
# from Debian's source (tools/build-qt-windows.sh), GoogleTest's sources to
# build with it, Wine to run the result, and Xvfb, xdotool and ImageMagick for
# the end-to-end check of the wizard under Wine.
# With --packaging also the checkers of the Debian packages: lintian,
# appstreamcli and mandoc.
# Other packages named as arguments are installed as well (fuzz/run.sh adds clang).
# dpkg-dev gives the build its hardening flags (dpkg-buildflags) and cpack
# the packages' dependencies (dpkg-shlibdeps, which needs file).
set -euo pipefail
packages=(cmake make g++ pkg-config nlohmann-json3-dev qt6-base-dev libgtest-dev libgmock-dev dpkg-dev file)
windows_packages=()
for arg in "$@"; do
  if [ "$arg" = "--windows" ]; then
    windows_packages=(g++-mingw-w64-x86-64-posix ninja-build googletest wine wine64 xvfb xdotool imagemagick)
  elif [ "$arg" = "--packaging" ]; then
    packages+=(lintian appstream mandoc)
  else
    packages+=("$arg")
  fi
done
missing=()
missing_windows=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
for p in "${windows_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing_windows+=("$p")
done
if [ $((${#missing[@]} + ${#missing_windows[@]})) -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  [ ${#missing[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  # Wine's recommendations (32-bit Wine, fonts, sound) are not needed to run the tests.
  [ ${#missing_windows[@]} -eq 0 ] ||
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing_windows[@]}"
fi
