#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-san and runs all tests there. Any
# sanitizer report ends the test that made it, so the command fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
cmake -S . -B build-san -DPAARLIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-san -j"$(nproc)"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
# Leaks inside others' libraries only (see the file).
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/scripts/leaksanitizer.supp}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-san --output-on-failure -j2
