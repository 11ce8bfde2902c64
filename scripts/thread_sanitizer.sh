#!/usr/bin/env bash
# Builds the step driver's tests with ThreadSanitizer and runs them: the
# worker and the user-interface thread must share nothing unguarded.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPRIGWORK_GUI=OFF -DSPRIGWORK_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
cmake --build build-tsan -j "$(nproc)" --target app_tests
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/app_tests
