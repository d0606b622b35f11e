#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows (MinGW-w64, POSIX threads, shared libraries) from Debian's own
# qt6-base source package: the same version as the host Qt. Only Core, Gui, Widgets, Test, the
# "windows" platform plugin, the Vista style and PNG support are built.
#
# The result goes into a cache folder named by the Qt version, the compiler and a hash of the
# options, the toolchain and the patches; it is built aside and renamed into place only on
# success, so an interrupted build is never taken for a finished one. A later run with the
# same inputs finds it and returns at once. Prints the installed prefix as its last line.
#
#   BARITEMP_CACHE   cache folder (default /var/cache/baritemp)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${BARITEMP_CACHE:-/var/cache/baritemp}"
jobs="${BARITEMP_JOBS:-$(nproc)}"

stage() { printf '[qt-windows] %s\n' "$*" >&2; }

bash "$here/deps.sh" windows >&2

qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)" # for example 6.4.2+dfsg-10
upstream="${qt_version%%+*}"
upstream="${upstream%%-*}"
gcc_version="$(x86_64-w64-mingw32-g++-posix -dumpversion)"

configure_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_pkg_config=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    -DFEATURE_glib=OFF -DFEATURE_jpeg=OFF -DFEATURE_freetype=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_png=ON -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF
    -DFEATURE_testlib=ON
)

# Everything that decides what gets built names the cache folder.
hash="$({
    echo "$qt_version $gcc_version"
    printf '%s\n' "${configure_options[@]}"
    cat "$here/qt-windows/toolchain.cmake" "$here"/qt-windows/*.patch
} | sha256sum | cut -c1-12)"
prefix="$cache/qt-$upstream-mingw64-gcc$gcc_version-$hash"

if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -x "$prefix/bin/qt-cmake" ]; then
    stage "reusing $prefix"
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache/downloads"
work="$(mktemp -d "$cache/qt-build.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# 1. The source package, through a temporary deb-src list: the system's lists stay untouched.
downloads="$cache/downloads/qt6-base-$qt_version"
if [ ! -f "$downloads/complete" ]; then
    stage "fetching Debian's qt6-base $qt_version source package"
    rm -rf "$downloads"
    mkdir -p "$downloads/lists/partial"
    uris="$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)"
    cat >"$downloads/src.sources" <<EOF
Types: deb-src
URIs: ${uris:-http://deb.debian.org/debian}
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt_options=(-o "Dir::Etc::sourcelist=$downloads/src.sources"
                 -o Dir::Etc::sourceparts=/nonexistent -o "Dir::State::Lists=$downloads/lists")
    apt-get -qq "${apt_options[@]}" update
    (cd "$downloads" && apt-get -qq "${apt_options[@]}" source --download-only \
        "qt6-base=$qt_version" 2>&1 | grep -v 'unsandboxed' >&2 || true)
    ls "$downloads"/qt6-base_*.orig.tar.xz "$downloads"/qt6-base_*.debian.tar.xz >/dev/null
    rm -rf "$downloads/lists"
    touch "$downloads/complete"
fi

# 2. Unpack, then Debian's patches in their order, then ours.
stage "unpacking and patching"
tar -xJf "$downloads"/qt6-base_*.orig.tar.xz -C "$work"
src="$(echo "$work"/qtbase-everywhere-src-*)"
tar -xJf "$downloads"/qt6-base_*.debian.tar.xz -C "$src"
grep -v '^\s*\(#\|$\)' "$src/debian/patches/series" | while read -r p _; do
    patch -s -p1 -d "$src" <"$src/debian/patches/$p"
done
for p in "$here"/qt-windows/*.patch; do
    patch -s -p1 -d "$src" <"$p"
done

# 3. Configure.
stage "configuring (about 2 minutes)"
staging="$prefix.partial"
rm -rf "$staging"
mkdir -p "$staging"
cp "$here/qt-windows/toolchain.cmake" "$staging/mingw-w64-toolchain.cmake"
cmake -S "$src" -B "$work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$staging/mingw-w64-toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$staging" "${configure_options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -50 "$work/configure.log" >&2; exit 1; }

# 4. Build: ninja counts the steps itself.
stage "building with $jobs jobs (about 30 minutes on two cores)"
log="$cache/qt-build-last.log"
if ! NINJA_STATUS="[qt-windows %f/%t] " cmake --build "$work/build" --parallel "$jobs" 2>&1 |
    tee "$log" | grep --line-buffered -E '^\[qt-windows [0-9]+/[0-9]+\]' |
    awk '{ n++; if (n % 25 == 1) { print $1, $2; fflush() } }' >&2; then
    grep -B2 -A20 -m3 'FAILED\|error:' "$log" >&2 || tail -40 "$log" >&2
    stage "build failed; the whole log is $log"
    exit 1
fi

# 5. Install aside, then rename into place.
stage "installing"
cmake --install "$work/build" >/dev/null
# The installed toolchain file refers to the staging name: point it at the final one.
grep -rlF "$staging" "$staging" --include='*.cmake' --include='qt-cmake*' --include='*.pri' \
    --include='*.conf' 2>/dev/null | xargs -r sed -i "s|$staging|$prefix|g"
rm -rf "$prefix"
mv "$staging" "$prefix"
stage "installed $prefix ($(du -sh "$prefix" | cut -f1))"
echo "$prefix"
