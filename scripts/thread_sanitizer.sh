#!/usr/bin/env bash
# Builds the step driver's tests and the window tests with ThreadSanitizer
# and runs them: the worker and the user-interface thread must share nothing
# unguarded. Qt is not built for the checker; scripts/tsan_qt.supp leaves
# its own internals out and keeps every race in our code in.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPRIGWORK_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
cmake --build build-tsan -j "$(nproc)" --target app_tests ui_tests
export TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/scripts/tsan_qt.supp"
build-tsan/tests/app_tests
xvfb-run -a build-tsan/tests/ui_tests
