# Cross-compiling the Qt-free parts for 32-bit Windows with Debian's MinGW-w64 (POSIX threads);
# the test programs run under Wine (tests/cross). A 32-bit target has no 128-bit integer type:
# the arithmetic takes its portable paths. Linked statically, the programs need no DLL beside
# them.
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(BARITEMP_WITH_QT OFF CACHE BOOL "" FORCE)
set(BARITEMP_BUILD_BENCHMARKS OFF CACHE BOOL "" FORCE)
