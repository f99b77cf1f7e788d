#!/usr/bin/env bash
# The test suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a tree of its own (build-sanitizers), so that
# a memory fault, a leak or undefined behaviour fails CI even when the tests'
# own checks pass: the core's suite, the kelvad binary the command-line tests
# start, and the wizard's tests (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-sanitizers
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# -O1 keeps the build quick and the stacks readable; the tests run fast enough.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKELVAD_HARDENING=OFF -DKELVAD_STATIC_CXX_RUNTIME=OFF \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" -j2

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j2
