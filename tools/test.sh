#!/usr/bin/env bash
# Builds everything and runs every test through CTest. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
