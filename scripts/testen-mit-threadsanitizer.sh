#!/usr/bin/env bash
# Builds the tests of the worker queue with ThreadSanitizer in ./build-tsan
# (only these and what they need) and runs them: the queue itself, the deal in
# the game window, the thumbnails, the print pages, and the start and new-game
# windows, which make thumbnails, board previews and the game folder on the
# queue and print through the preview. A reported data race ends the test that
# made it, so the command fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
tests=(platform_tests austeilen_test vorschaubilder_test druck_tests startfenster_test weitergabe_tests toene_tests)
cmake -S . -B build-tsan -DPAARLIX_SANITIZE_THREAD=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tsan -j"$(nproc)" --target "${tests[@]}"
# Suppressions for Qt's own code only (see the file). Qt's threads use its own
# event loop instead of GLib's, whose allocations ThreadSanitizer cannot see either.
# The print scenario reads its PDF back with poppler's tools through QProcess, which
# forks from a process with threads; the child only starts the tool.
export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}:die_after_fork=0:suppressions=$PWD/scripts/threadsanitizer-qt.supp"
export QT_NO_GLIB=1
# Without address-space randomisation: ThreadSanitizer refuses some layouts of newer kernels.
ohneZufall=()
if command -v setarch >/dev/null && setarch "$(uname -m)" -R true 2>/dev/null; then
    ohneZufall=(setarch "$(uname -m)" -R)
fi
QT_QPA_PLATFORM=offscreen "${ohneZufall[@]}" ctest --test-dir build-tsan -R "^($(IFS='|'; echo "${tests[*]}"))\$" \
    --output-on-failure -j2
