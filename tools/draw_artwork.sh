#!/usr/bin/env bash
# Draws the artwork again into resources/images, and packs the drawings the program's resources
# list into resources/images/pixels (commit the result).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target draw_artwork pack_artwork
QT_QPA_PLATFORM=offscreen build/resources/artwork/draw_artwork resources/images
mkdir -p resources/images/pixels
mapfile -t drawings < <(grep -o 'images/pixels/[^<]*\.pixels' resources/baritemp.qrc |
    sed 's|images/pixels/\(.*\)\.pixels|resources/images/\1.png|')
QT_QPA_PLATFORM=offscreen build/resources/artwork/pack_artwork resources/images/pixels "${drawings[@]}"
