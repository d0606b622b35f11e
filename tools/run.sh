#!/usr/bin/env bash
# Builds the program and runs it (on the desktop, or under xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)" --target baritemp
exec build/baritemp
