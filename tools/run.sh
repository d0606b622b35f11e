#!/usr/bin/env bash
# Builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)" --target conversion_bench
# Until the window exists, the program is its conversion engine: show what it does.
exec build/tests/bench/conversion_bench --benchmark_filter=EntryCycle
