#!/usr/bin/env bash
# Builds Sprigwork in Release and runs its main job on a bundled example:
# the batch command derives the bracketed plant to step 9 (about 4.9 million
# symbols) and prints the information log.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/dependencies.sh
sprig_install_dependencies

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target sprigwork-batch
./build/src/cli/sprigwork-batch --steps 9 --clean examples/bracketed_plant.ls
