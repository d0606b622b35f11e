#!/usr/bin/env bash
# Builds and runs the benchmarks with their full timing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARITEMP_BUILD_TESTS=ON \
    -DBARITEMP_BUILD_BENCHMARKS=ON
cmake --build build --parallel "$(nproc)"
for b in build/tests/bench/*_bench; do
    "$b"
done
