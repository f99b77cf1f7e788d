#!/usr/bin/env bash
# The Windows build: the core, kelvad.exe and the test suite cross-compiled
# with MinGW-w64, then run under Wine (see tests/windows). Run by .ci/run
# after the Linux suite, whose kelvad it compares kelvad.exe with.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
tools/install-deps.sh --windows
cmake -S . -B build-win --toolchain cmake/mingw-w64-x86_64.cmake -DKELVAD_HOST_BINARY="$PWD/build/kelvad"
cmake --build build-win -j2
ctest --test-dir build-win --output-on-failure -j2
echo "Windows build and tests took $((SECONDS - start)) s"
