#!/usr/bin/env bash
# Builds the worker pool's test and the deal's window test with
# ThreadSanitizer in ./build-tsan (only those two and what they need) and
# runs them. A reported data race ends the test that made it, so the command
# fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
cmake -S . -B build-tsan -DPAARLIX_SANITIZE_THREAD=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tsan -j"$(nproc)" --target platform_tests austeilen_test
# Suppressions for Qt's own code only (see the file). Qt's threads use its own
# event loop instead of GLib's, whose allocations ThreadSanitizer cannot see either.
export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}:suppressions=$PWD/scripts/threadsanitizer-qt.supp"
export QT_NO_GLIB=1
# Without address-space randomisation: ThreadSanitizer refuses some layouts of newer kernels.
ohneZufall=()
if command -v setarch >/dev/null && setarch "$(uname -m)" -R true 2>/dev/null; then
    ohneZufall=(setarch "$(uname -m)" -R)
fi
QT_QPA_PLATFORM=offscreen "${ohneZufall[@]}" ctest --test-dir build-tsan -R '^(platform_tests|austeilen_test)$' \
    --output-on-failure -j2
