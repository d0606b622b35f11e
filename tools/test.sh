#!/usr/bin/env bash
# Builds everything and runs every test through CTest. Exits non-zero when any test fails.
# Warnings are errors here (BARITEMP_WERROR).
#   bash tools/test.sh         everything (what CI runs)
#   bash tools/test.sh linux   the quick loop: the Linux tree and its tests alone
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

step() { printf '\n== %s (%s)\n' "$*" "$(date +%H:%M:%S)"; }

# The quick loop while working: the Linux tree and its tests only (no Qt for Windows, Wine,
# cross compilers, fuzzer or web page), with only the packages they need.
if [ "${1:-}" = linux ]; then
    bash tools/deps.sh linux
    step "Linux tree"
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARITEMP_WERROR=ON \
        -DBARITEMP_BUILD_TESTS=ON -DBARITEMP_BUILD_BENCHMARKS=OFF -DBARITEMP_FUZZER= \
        -DBARITEMP_WINDOWS_BUILD= -DBARITEMP_AARCH64_BUILD= -DBARITEMP_I686_BUILD= \
        -DBARITEMP_WEB_BUILD= -DBARITEMP_PLAYWRIGHT=
    cmake --build build --parallel "$jobs"
    step "tests: Linux tree"
    ctest --test-dir build --output-on-failure --parallel "$jobs"
    exit
fi
[ $# -eq 0 ] || { echo "usage: $0 [linux]" >&2; exit 2; }

bash tools/deps.sh test

# The Wine prefix the Windows tests run in, and Qt for Windows from Debian's own sources (built
# by tools/windows.sh below when missing): both made once per machine and kept in
# /var/cache/baritemp (BARITEMP_CACHE).
step "Wine prefix"
bash tools/wine_prefix.sh >/dev/null

# The XML fuzzer needs clang, libFuzzer and the sanitizers: it gets a tree of its own, and
# CTest runs it for a bounded time next to the other tests.
step "fuzzing tree (clang, sanitizers)"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBARITEMP_BUILD_FUZZ=ON -DBARITEMP_BUILD_BENCHMARKS=OFF -DBARITEMP_WERROR=ON
cmake --build build-fuzz --parallel "$jobs" --target xml_fuzz

# The program and the command built by clang too (Release, warnings as errors), so that "every
# build type builds with GCC and Clang" stays true.
step "Clang tree (baritemp and baritemp-convert, Release)"
cmake -S . -B build-clang -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
    -DBARITEMP_WERROR=ON -DBARITEMP_BUILD_TESTS=OFF -DBARITEMP_BUILD_BENCHMARKS=OFF
cmake --build build-clang --parallel "$jobs" --target baritemp baritemp-convert

# An optimised build of another type (GCC Release, the Qt-free parts and their tests): the
# optimiser's own warnings are errors too.
step "Release tree (Qt-free parts)"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBARITEMP_WITH_QT=OFF \
    -DBARITEMP_WERROR=ON -DBARITEMP_BUILD_TESTS=ON
cmake --build build-release --parallel "$jobs"

# The whole program for Windows, its test programs and its packages (zip, installer, MSI);
# CTest runs them under Wine and compares their results with the Linux build's.
step "Windows tree (MinGW-w64, Qt for Windows: about half an hour the first time) and packages"
bash tools/windows.sh -DBARITEMP_WERROR=ON

# The Qt-free parts for other processors: 64-bit ARM and 32-bit x86 Linux, run under
# qemu-user by CTest (the same bits as this build), and 32-bit Windows, built only: this
# machine's kernel runs no 32-bit x86 program, and so Wine runs no 32-bit Windows program.
for target in aarch64-linux-gnu i686-linux-gnu mingw-w64-i686; do
    step "cross tree $target (Qt-free parts)"
    cmake -S . -B "build-$target" -G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/$target.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARITEMP_WERROR=ON
    cmake --build "build-$target" --parallel "$jobs"
done

# The web page: the conversion engine compiled to WebAssembly by Debian's emscripten, and what
# its tests drive it with (Debian's Chromium, playwright-core kept in the cache).
step "web page (emscripten)"
bash tools/web.sh >/dev/null
playwright=$(bash tools/web.sh test-setup | tail -1)

step "Linux tree"
# The tests and benchmarks asked for by name: tools/run.sh builds this tree without them.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARITEMP_WERROR=ON \
    -DBARITEMP_BUILD_TESTS=ON -DBARITEMP_BUILD_BENCHMARKS=ON \
    -DBARITEMP_FUZZER="$PWD/build-fuzz/tests/fuzz/xml_fuzz" -DBARITEMP_WINDOWS_BUILD="$PWD/build-win" \
    -DBARITEMP_AARCH64_BUILD="$PWD/build-aarch64-linux-gnu" \
    -DBARITEMP_I686_BUILD="$PWD/build-i686-linux-gnu" \
    -DBARITEMP_WEB_BUILD="$PWD/build-web/dist" -DBARITEMP_PLAYWRIGHT="$playwright"
cmake --build build --parallel "$jobs"

step "tests: Release tree"
ctest --test-dir build-release --output-on-failure --parallel "$jobs"
step "tests: Linux tree, and the Windows build under Wine"
ctest --test-dir build --output-on-failure --parallel "$jobs"
