#!/usr/bin/env bash
# Makes the README's screenshots again: the desktop program opens bundled
# examples on a virtual display and writes its windows into docs/images.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/dependencies.sh
sprig_install_dependencies

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target sprigwork-screenshots
mkdir -p docs/images
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" build/src/sprigwork-screenshots docs/images
