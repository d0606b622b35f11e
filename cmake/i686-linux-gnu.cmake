# Cross-compiling the Qt-free parts for 32-bit x86 Linux with Debian's cross compiler; the test
# programs run under qemu-user (tests/cross). The same 32-bit code as the 32-bit Windows
# build: no 128-bit integer type, so the arithmetic takes its portable paths, and an x87
# `long double`, so the differential test runs too.
#   cmake -S . -B build-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/i686-linux-gnu.cmake
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -L /usr/i686-linux-gnu)
set(BARITEMP_WITH_QT OFF CACHE BOOL "" FORCE)
set(BARITEMP_BUILD_BENCHMARKS OFF CACHE BOOL "" FORCE)
