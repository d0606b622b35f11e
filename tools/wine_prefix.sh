#!/usr/bin/env bash
# Prepares the Wine prefix the Windows tests run in, once per machine: a 64-bit prefix with
# Wine's own fonts (Tahoma among them) copied where Windows programs look for them, kept in the
# cache folder beside Qt for Windows, named by the Wine version and a hash of this script. Wine
# writes the prefix's own path into it, so it is made where it stays; a marker written last
# tells a finished prefix from an interrupted one, which is made again. Prints the prefix as
# its last line.
#
# The prefix has a home folder of its own (beside it), so that its "Documents" never leads into
# the real home. Tests that use it: tests/windows/wine.sh.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${BARITEMP_CACHE:-/var/cache/baritemp}"
wine=/usr/lib/wine/wine64

stage() { printf '[wine-prefix] %s\n' "$*" >&2; }

bash "$here/deps.sh" >&2

version="$("$wine" --version | sed 's/[^a-zA-Z0-9.]\+/-/g; s/-$//')"
hash="$(cat "$0" | sha256sum | cut -c1-12)"
prefix="$cache/wine-prefix-$version-$hash"
if [ -f "$prefix/prepared" ]; then
    stage "reusing $prefix"
    echo "$prefix"
    exit 0
fi

rm -rf "$prefix"
mkdir -p "$prefix/home"
stage "creating the prefix (about a minute)"
export WINEPREFIX="$prefix/drive" HOME="$prefix/home" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installer
xvfb-run -a "$wine" wineboot --init >"$prefix/wineboot.log" 2>&1 ||
    { tail -20 "$prefix/wineboot.log" >&2; exit 1; }
/usr/lib/wine/wineserver -w
stage "copying Wine's fonts"
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
touch "$prefix/prepared"
stage "prepared $prefix ($(du -sh "$prefix" | cut -f1))"
echo "$prefix"
