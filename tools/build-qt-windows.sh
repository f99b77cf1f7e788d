#!/usr/bin/env bash
# Builds the static Qt that the Windows wizard links against: Debian's own
# qtbase source, cross-compiled with MinGW-w64 (POSIX threads) against the
# host Qt that tools/install-deps.sh installs. It installs into a cache
# outside the checkout and does nothing when that holds a finished build of
# the same version and options, so CI pays for it once per machine.
#
#   tools/build-qt-windows.sh [PREFIX]
#
# PREFIX (or KELVAD_QT_WINDOWS) defaults to ~/.cache/kelvad/qt6-mingw-static.
# The CMake build of kelvad finds it there; see the README's Windows section.
# Set KELVAD_QT_JOBS to change the number of parallel compile jobs (default 2).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-${KELVAD_QT_WINDOWS:-$HOME/.cache/kelvad/qt6-mingw-static}}
jobs=${KELVAD_QT_JOBS:-2}
qt_version=6.4.2
host_qt=/usr
host_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake

# Only what the wizard and its tests use. Each line is a reason-carrying
# choice found by building this exact source:
#  - tabletevent off: Debian's +dfsg source drops src/3rdparty/wintab.
#  - direct2d stays on: 6.4's DirectWrite font code is compiled only with it,
#    and the windows platform plug-in needs that code.
#  - INPUT_opengl=no: FEATURE_opengl=OFF alone leaves dynamic GL on, and the
#    windows plug-in then fails to compile.
#  - bundled freetype, harfbuzz, libpng, zlib and pcre2: nothing to find in
#    the MinGW root, and the .exe stays self-contained.
options=(
  -DBUILD_SHARED_LIBS=OFF
  -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_zstd=OFF
  -DFEATURE_icu=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_direct2d=ON
  -DINPUT_opengl=no
  -DFEATURE_opengl=OFF
  -DFEATURE_freetype=ON
  -DFEATURE_system_freetype=OFF
  -DFEATURE_harfbuzz=ON
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_png=ON
  -DFEATURE_system_png=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_pcre2=ON
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_testlib=ON
  -DFEATURE_widgets=ON
)

# The stamp names everything that shapes the result: the source version,
# the options, the toolchain file and the compiler. A build with another
# stamp is rebuilt from scratch rather than trusted.
stamp_text() {
  printf 'qt %s\n' "$qt_version"
  printf '%s\n' "${options[@]}"
  sha256sum < "$repo/cmake/mingw-w64-x86_64.cmake"
  x86_64-w64-mingw32-g++-posix --version | head -n 1
}
stamp_file="$prefix/kelvad-qt-build.stamp"
# Marks a prefix this script is filling, so that a failed build can be replaced.
partial_file="$prefix/kelvad-qt-build.partial"

start=$SECONDS
"$repo/tools/install-deps.sh" --windows
if [ -f "$stamp_file" ] && [ "$(cat "$stamp_file")" = "$(stamp_text)" ]; then
  echo "Qt $qt_version for Windows is already built in $prefix"
  exit 0
fi

# A stale build is replaced, but never a directory this script did not make.
if [ -d "$prefix" ] && [ ! -f "$stamp_file" ] && [ ! -f "$partial_file" ] && [ -n "$(ls -A "$prefix")" ]; then
  echo "build-qt-windows: $prefix holds files but no Qt built by this script; choose another directory" >&2
  exit 1
fi

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
case "$host_version" in
  "$qt_version"+*) ;;
  *) echo "build-qt-windows: the host Qt is $host_version, not $qt_version" >&2; exit 1 ;;
esac

work="$prefix.work"
mkdir -p "$work"
src_dir=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
if [ -z "$src_dir" ] || [ ! -f "$src_dir/CMakeLists.txt" ]; then
  # What an interrupted download or unpacking left.
  rm -rf "$work"/qt6-base*
  # apt-get source needs the deb-src twin of the suites this machine installs from.
  if ! apt-get source --print-uris "qt6-base=$host_version" >/dev/null 2>&1; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    list=/etc/apt/sources.list.d/kelvad-deb-src.sources
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $sudo tee "$list" >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
      grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
        $sudo tee /etc/apt/sources.list.d/kelvad-deb-src.list >/dev/null
    else
      echo "build-qt-windows: no Debian package source list to add deb-src entries to" >&2
      exit 1
    fi
    $sudo apt-get update -qq
  fi
  (cd "$work" && apt-get source -qq "qt6-base=$host_version")
  src_dir=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
fi
[ -n "$src_dir" ] || { echo "build-qt-windows: apt-get source gave no qt6-base-$qt_version folder" >&2; exit 1; }

build_dir="$work/build"
rm -rf "$prefix"
mkdir -p "$prefix"
: >"$partial_file"
cmake -G Ninja -S "$src_dir" -B "$build_dir" \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH="$host_qt" \
  -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
  "${options[@]}"
cmake --build "$build_dir" --parallel "$jobs"
cmake --install "$build_dir"
stamp_text > "$stamp_file"
rm -f "$partial_file"
rm -rf "$work"
echo "Qt $qt_version for Windows built into $prefix in $((SECONDS - start)) s ($(du -sh "$prefix" | cut -f1))"
