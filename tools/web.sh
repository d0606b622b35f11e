#!/usr/bin/env bash
# The exact converter in any browser: Baritemp's conversion engine (src/conversion, the same
# sources as the program's) compiled to WebAssembly by Debian's emscripten, and the page around
# it, in build-web/dist/ (static files: put them in any folder of a web server).
#   bash tools/web.sh          builds build-web/dist/ (installs emscripten and Node if missing)
#   bash tools/web.sh serve    serves it on http://localhost:8080/ (building it first if needed)
#   bash tools/web.sh test-setup
#                              what its tests use: Chromium and playwright-core, the latter kept
#                              in /var/cache/baritemp (BARITEMP_CACHE)
set -euo pipefail
cd "$(dirname "$0")/.."
dist=build-web/dist
cache="${BARITEMP_CACHE:-/var/cache/baritemp}"

need() { # command, Debian package
    command -v "$1" >/dev/null 2>&1 && return 0
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "$2"
}

case "${1:-build}" in
serve)
    [ -f "$dist/index.html" ] || bash "$0"
    exec node src/web/serve.mjs "$dist" "${2:-8080}"
    ;;
test-setup)
    need node nodejs
    need npm npm
    need chromium chromium
    # Playwright drives Debian's Chromium: only its driver library comes from npm, no browser.
    if [ ! -f "$cache/playwright/node_modules/playwright-core/package.json" ]; then
        mkdir -p "$cache/playwright.new"
        PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm install --silent --no-audit --no-fund \
            --prefix "$cache/playwright.new" playwright-core@1 >/dev/null
        rm -rf "$cache/playwright"
        mv "$cache/playwright.new" "$cache/playwright"
    fi
    echo "$cache/playwright/node_modules"
    exit 0
    ;;
build) ;;
*) echo "usage: $0 [serve [PORT]|test-setup]" >&2; exit 2 ;;
esac

need em++ emscripten
need node nodejs
# Emscripten's optimiser loads Debian's JavaScript modules (acorn): a Node that is not Debian's
# finds them only here.
export NODE_PATH=/usr/share/nodejs

mkdir -p build-web/obj "$dist"
sources=(src/conversion/*.cpp src/cli/Converter.cpp src/web/Engine.cpp)
objects=()
for source in "${sources[@]}"; do
    object="build-web/obj/$(basename "${source%.cpp}").o"
    objects+=("$object")
    if [ ! -f "$object" ] || [ "$source" -nt "$object" ] ||
        [ -n "$(find src/conversion src/cli/Converter.h -name '*.h' -newer "$object" | head -1)" ]; then
        em++ -O2 -std=c++20 -fexceptions -Wall -Wextra -Werror -Isrc/conversion -Isrc/cli \
            -c "$source" -o "$object"
    fi
done
# An ES module for the web (baritemp-core.mjs, which baritemp.mjs wraps for Node too).
em++ -O2 -fexceptions "${objects[@]}" -lembind -s MODULARIZE=1 -s EXPORT_ES6=1 \
    -s EXPORT_NAME=createBaritempCore -s ENVIRONMENT=web -s ALLOW_MEMORY_GROWTH=1 \
    -s FILESYSTEM=0 -o "$dist/baritemp-core.mjs"
mv "$dist/baritemp-core.wasm" "$dist/baritemp.wasm"
cp src/web/baritemp.mjs src/web/index.html src/web/page.js src/web/style.css \
    src/web/manifest.webmanifest resources/images/icon_128.png resources/images/icon_256.png \
    "$dist/"
# A new build, a new cache for the service worker.
build=$(cat "$dist"/*.mjs "$dist"/baritemp.wasm "$dist"/page.js "$dist"/style.css "$dist"/index.html | sha256sum | cut -c1-12)
sed "s/@BUILD@/$build/" src/web/sw.js >"$dist/sw.js"
node src/web/make-texts.mjs translations/baritemp_fr.ts:FR >"$dist/texts.json"
ls "$dist"
