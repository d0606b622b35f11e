# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads).
#   the whole program:    cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#                               -DBARITEMP_QT_PREFIX=$(bash tools/build_qt_windows.sh)
#   the Qt-free parts:    the same without BARITEMP_QT_PREFIX.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Qt for Windows, built from Debian's own sources (tools/build_qt_windows.sh).
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BARITEMP_QT_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${BARITEMP_QT_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(BARITEMP_QT_PREFIX)
    list(APPEND CMAKE_PREFIX_PATH ${BARITEMP_QT_PREFIX})
    # Qt's tools (moc, rcc) are the host's own, of the same version.
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
else()
    set(BARITEMP_WITH_QT OFF CACHE BOOL "" FORCE)
endif()
set(BARITEMP_BUILD_BENCHMARKS OFF CACHE BOOL "" FORCE)
