#!/usr/bin/env bash
# The test suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a tree of its own (build-sanitizers), so that
# a memory fault or undefined behaviour fails CI even when the tests' own
# checks pass. Only the core's suite runs here, and only what it runs is
# built: its test binary and the kelvad binary (without the wizard) that the
# command-line tests start.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-sanitizers
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# -O1 keeps the build quick and the stacks readable; the tests run fast enough.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DKELVAD_WIZARD=OFF
cmake --build "$build" -j2 --target kelvad kelvad_tests

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j2
