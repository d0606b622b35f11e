#!/usr/bin/env bash
# Builds the program and runs it: on the desktop, or, on a machine without one, on a virtual
# display. Installs only what building and running it needs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh run
# The tests and benchmarks need what tools/test.sh installs: this tree builds without them.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARITEMP_BUILD_TESTS=OFF \
    -DBARITEMP_BUILD_BENCHMARKS=OFF
cmake --build build --parallel "$(nproc)" --target baritemp
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/baritemp
fi
bash tools/deps.sh headless
exec xvfb-run -a build/baritemp
