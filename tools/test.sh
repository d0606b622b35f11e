#!/usr/bin/env bash
# Builds everything and runs every test through CTest. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh

# The XML fuzzer needs clang, libFuzzer and the sanitizers: it gets a tree of its own, and
# CTest runs it for a bounded time next to the other tests.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBARITEMP_BUILD_FUZZ=ON -DBARITEMP_BUILD_BENCHMARKS=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target xml_fuzz

# The Qt-free parts cross-built for Windows: CTest runs their test programs under Wine and
# compares their results with the Linux build's.
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-win --parallel "$(nproc)"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBARITEMP_FUZZER="$PWD/build-fuzz/tests/fuzz/xml_fuzz" -DBARITEMP_WINDOWS_BUILD="$PWD/build-win"
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
