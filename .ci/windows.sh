#!/usr/bin/env bash
# The Windows build: the core, kelvad.exe, the wizard and the test suites
# cross-compiled with MinGW-w64, then run under Wine (see tests/windows). Run
# by .ci/run after the Linux suite, whose kelvad it compares kelvad.exe with.
# The static Qt the wizard links is built once per machine into a cache
# outside the checkout (tools/build-qt-windows.sh); a first run pays for it.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
# Installs the cross compilers, Wine and the checks' tools too (install-deps.sh --windows).
tools/build-qt-windows.sh
qt_seconds=$((SECONDS - start))
# A tree configured earlier without this Qt (the headless toolchain, or before
# Qt was built) keeps what it found then, whatever is given now; start its
# configuration afresh.
if [ -f build-win/CMakeCache.txt ] &&
  { ! grep -q '^CMAKE_TOOLCHAIN_FILE.*mingw-w64-x86_64-qt\.cmake' build-win/CMakeCache.txt ||
    grep -q '^Qt6_DIR.*NOTFOUND' build-win/CMakeCache.txt; }; then
  rm -rf build-win/CMakeCache.txt build-win/CMakeFiles
fi
# No debugging information: it nearly doubles the compile time and is of no use under Wine here.
cmake -S . -B build-win --toolchain cmake/mingw-w64-x86_64-qt.cmake -DCMAKE_BUILD_TYPE=Release \
  -DKELVAD_HOST_BINARY="$PWD/build/kelvad" -DKELVAD_REQUIRE_WIZARD=ON
cmake --build build-win -j2
ctest --test-dir build-win --output-on-failure -j2
echo "Windows build and tests took $((SECONDS - start)) s (Qt for Windows: $qt_seconds s)"
