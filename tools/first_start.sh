#!/usr/bin/env bash
# A new user's first two starts, under a virtual display, driven with xdotool:
#   1. first start: the settings window "Configuration" opens in French; click English (both
#      windows switch), pick the red titles colour and 2 decimals, Save, answer Yes; convert
#      1 bar (2 decimals); close the main window;
#   2. next start: English, red titles, no settings window.
# Saves docs/settings-window.png, docs/main-window-english.png and prints the settings file.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
if ! dpkg-query -W -f='${Status}' imagemagick 2>/dev/null | grep -q "install ok installed"; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq imagemagick >/dev/null
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target baritemp >/dev/null

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cat >"$home/session.sh" <<SCRIPT
set -e
export HOME=$home XDG_RUNTIME_DIR=$home LANG=fr_FR.UTF-8
mkdir -p "$home/Documents"
wait_window() { # name pattern
    for _ in \$(seq 1 100); do
        w=\$(xdotool search --onlyvisible --name "\$1" 2>/dev/null | head -1 || true)
        [ -n "\$w" ] && { echo "\$w"; return; }
        sleep 0.1
    done
    echo "no window \$1" >&2; exit 1
}
"$PWD/build/baritemp" 2>/dev/null &
pid=\$!
settings=\$(wait_window '^Configuration\$')
sleep 0.5
xdotool mousemove --window \$settings 240 46 click 1   # the English label
sleep 0.3
xdotool search --onlyvisible --name '^Settings\$' >/dev/null
xdotool mousemove --window \$settings 34 162 click 1  # the titles colour: Red (row 3, col 1)
sleep 0.2
xdotool mousemove --window \$settings 80 273 click 1 key ctrl+a type 2
sleep 0.3
import -window \$settings "$PWD/docs/settings-window.png"
xdotool mousemove --window \$settings 100 317 click 1 # Save
sleep 0.5
question=\$(wait_window '^Avertissement\$')
xdotool key Return                                   # Yes, the default button
sleep 0.5
main=\$(wait_window '^Baritemp v')
xdotool mousemove --window \$main 84 46 click 1
xdotool type 1
xdotool key Return
sleep 0.3
import -window \$main "$home/first.png"
kill -TERM \$pid                                     # closes the main window
wait \$pid

"$PWD/build/baritemp" 2>/dev/null &
pid=\$!
main=\$(wait_window '^Baritemp v')
sleep 0.5
if xdotool search --onlyvisible --name '^(Settings|Configuration)\$' >/dev/null 2>&1; then
    echo "the settings window opened on the second start" >&2; exit 1
fi
xdotool mousemove --window \$main 84 46 click 1
xdotool type 1
xdotool key Return
sleep 0.3
import -window \$main "$PWD/docs/main-window-english.png"
kill -TERM \$pid
wait \$pid
SCRIPT
timeout 180 xvfb-run -a -s "-screen 0 1024x768x24" bash "$home/session.sh"
echo "--- $home/Documents/Quorzen/CfgFiles/Baritemp.xml"
cat "$home/Documents/Quorzen/CfgFiles/Baritemp.xml"
