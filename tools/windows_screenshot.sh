#!/usr/bin/env bash
# The Windows program under Wine, as a user would meet it: French regional settings, a window
# manager, 1 converted in the bar field (click, type 1, Enter). Saves docs/main-window-wine.png,
# or at a display scale of 125, 150, 175 or 200 % (the prefix's dpi, put back to 96 afterwards)
# docs/main-window-wine-125.png …
#   bash tools/windows_screenshot.sh [125|150|175|200]
# Builds the Windows tree first when needed (bash tools/windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build-win/deploy/baritemp.exe ] || bash tools/windows.sh
export WINDOWS_BUILD=$PWD/build-win
percent=${1:-100}
case $percent in 100 | 125 | 150 | 175 | 200) ;; *) echo "usage: $0 [125|150|175|200]" >&2; exit 2 ;; esac
dpi=$((96 * percent / 100))
suffix=""
[ "$percent" != 100 ] && suffix="-$percent"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/session.sh" <<SCRIPT
source "$PWD/tests/windows/wine.sh"
# French regional settings (Wine takes them from the locale name alone).
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 2>/dev/null
set_dpi() {
    "\$wine" reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d "\$1" /f \
        >/dev/null 2>&1
    stop_wine
}
set_dpi $dpi
start_window_manager
documents=\$(documents_folder)
rm -rf "\$documents/Quorzen"
mkdir -p "\$documents/Quorzen/CfgFiles" # not a first start: the main window at once
"\$wine" "$PWD/build-win/deploy/baritemp.exe" >/dev/null 2>&1 &
pid=\$!
window=\$(wait_window '^Baritemp v' 300)
sleep 1
xdotool mousemove --window "\$window" $((84 * percent / 100)) $((46 * percent / 100)) click 1
sleep 0.3
xdotool type --delay 80 1
xdotool key Return
sleep 0.8
# The window with the frame and caption the window manager gave it.
import -frame -window "\$window" "$PWD/docs/main-window-wine$suffix.png"
xdotool key alt+F4
wait \$pid
rm -rf "\$documents/Quorzen"
set_dpi 96
SCRIPT
xvfb-run -a -s "-screen 0 1600x1200x24" bash "$work/session.sh"
echo "docs/main-window-wine$suffix.png"
