#!/usr/bin/env bash
# Draws the artwork again into resources/images (commit the result).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target draw_artwork
QT_QPA_PLATFORM=offscreen build/resources/artwork/draw_artwork resources/images
