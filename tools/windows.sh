#!/usr/bin/env bash
# Builds the Windows program and its three packages in build-win/: the zip
# (baritemp-<version>-win64.zip), the installer (baritemp-<version>-win64.exe) and the MSI
# (baritemp-<version>-win64.msi). Qt for
# Windows is built first from Debian's own sources when this machine has none yet (about half
# an hour, once; see tools/build_qt_windows.sh). Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh windows
qt_windows=$(bash tools/build_qt_windows.sh | tail -1)
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DBARITEMP_QT_PREFIX="$qt_windows" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build-win --parallel "$(nproc)"
(cd build-win && cpack -G "ZIP;NSIS" >/dev/null)
ls -l build-win/baritemp-*-win64.zip build-win/baritemp-*-win64.exe build-win/baritemp-*-win64.msi
