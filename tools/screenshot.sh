#!/usr/bin/env bash
# Runs the real program under a virtual display, converts 1 bar as a user would (click into the
# bar field, type 1, press Enter) and saves a picture of the main window in docs/.
#   bash tools/screenshot.sh [fr|en] [glass] [125|150|175|200]
#     fr|en  regional settings and interface language (French by default)
#     glass  glass mode on (where nothing composes glass: black windows, glowing texts); the
#            settings window is pictured too
#     125 …  the screen scaled to that many per cent
# docs/main-window.png, or with the options: docs/main-window[-english][-glass][-125].png
# (and docs/settings-window-glass[-english].png).
set -euo pipefail
cd "$(dirname "$0")/.."
language=fr glass=0 percent=100
for option in "$@"; do
    case $option in
        fr | en) language=$option ;;
        glass) glass=1 ;;
        125 | 150 | 175 | 200) percent=$option ;;
        *) echo "usage: $0 [fr|en] [glass] [125|150|175|200]" >&2; exit 2 ;;
    esac
done
scale=$(echo "$percent" | awk '{ print $1 / 100 }')
at() { echo "$1" | awk -v s="$scale" '{ printf "%d", $1 * s }'; } # a logical position

bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target baritemp >/dev/null

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
suffix=""
[ "$language" = en ] && suffix="$suffix-english"
[ "$glass" = 1 ] && suffix="$suffix-glass"
[ "$percent" != 100 ] && suffix="$suffix-$percent"
case $language in
    fr) locale=fr_FR.UTF-8 lang=FR ;;
    *) locale=en_US.UTF-8 lang=UK ;;
esac
mkdir -p "$home/Documents/Quorzen/CfgFiles"
aero=FALSE
[ "$glass" = 1 ] && aero=TRUE
printf '<Configuration><f_main><AeroMode>%s</AeroMode><Lang>%s</Lang></f_main></Configuration>' \
    "$aero" "$lang" >"$home/Documents/Quorzen/CfgFiles/Baritemp.xml"
settings_picture=""
[ "$glass" = 1 ] && settings_picture="$PWD/docs/settings-window-glass${suffix/-glass/}.png"
cat >"$home/session.sh" <<SCRIPT
set -e
export HOME=$home XDG_RUNTIME_DIR=$home LANG=$locale QT_SCALE_FACTOR=$scale
"$PWD/build/baritemp" 2>/dev/null &
pid=\$!
for _ in \$(seq 1 100); do
    window=\$(xdotool search --onlyvisible --name '^Baritemp v' 2>/dev/null | head -1 || true)
    [ -n "\$window" ] && break
    sleep 0.1
done
sleep 0.5
xdotool mousemove --window "\$window" $(at 84) $(at 46) click 1
sleep 0.2
xdotool type --delay 50 1
xdotool key Return
sleep 0.5
import -window "\$window" "$PWD/docs/main-window$suffix.png"
if [ -n "$settings_picture" ]; then
    xdotool mousemove --window "\$window" $(at 21) $(at 412) click 1 # tools icon
    sleep 0.8
    settings=\$(xdotool search --onlyvisible --name '^(Configuration|Settings)\$' | head -1)
    import -window "\$settings" "$settings_picture"
    xdotool key Escape
fi
kill -TERM \$pid
wait \$pid
SCRIPT
xvfb-run -a -s "-screen 0 1024x1024x24" bash "$home/session.sh"
echo "docs/main-window$suffix.png ${settings_picture#$PWD/}"
