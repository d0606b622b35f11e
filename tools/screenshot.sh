#!/usr/bin/env bash
# Runs the real program under a virtual display, converts 1 bar as a user would (click into the
# bar field, type 1, press Enter) and saves a picture of the main window: docs/main-window.png.
#   bash tools/screenshot.sh [fr|en]
set -euo pipefail
cd "$(dirname "$0")/.."
language=${1:-fr}

bash tools/deps.sh
if ! command -v import >/dev/null || ! dpkg-query -W -f='${Status}' imagemagick 2>/dev/null | grep -q installed; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq imagemagick >/dev/null
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target baritemp >/dev/null

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
case $language in
    fr) locale=fr_FR.UTF-8 ;;
    *) locale=en_US.UTF-8 ;;
esac
cat >"$home/session.sh" <<SCRIPT
set -e
export HOME=$home XDG_RUNTIME_DIR=$home LANG=$locale
"$PWD/build/baritemp" 2>/dev/null &
pid=\$!
for _ in \$(seq 1 100); do
    window=\$(xdotool search --onlyvisible --name '^Baritemp v' 2>/dev/null | head -1 || true)
    [ -n "\$window" ] && break
    sleep 0.1
done
sleep 0.5
xdotool mousemove --window "\$window" 84 46 click 1
sleep 0.2
xdotool type --delay 50 1
xdotool key Return
sleep 0.5
import -window "\$window" "$PWD/docs/main-window.png"
kill -TERM \$pid
wait \$pid
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/session.sh"
echo "docs/main-window.png"
