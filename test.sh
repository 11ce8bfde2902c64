#!/usr/bin/env bash
# Builds Sprigwork, runs every test, the driver tests under ThreadSanitizer,
# then each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependencies.sh
sprig_install_dependencies

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSPRIGWORK_WERROR=ON
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

scripts/thread_sanitizer.sh

scripts/fuzz.sh "${FUZZ_SECONDS:-30}"
