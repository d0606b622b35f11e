#!/usr/bin/env bash
# Glass mode in the real baritemp.exe under Wine: whatever desktop composition answers there
# (DwmIsCompositionEnabled), the program does what that answer asks and goes on. Without
# composition (Wine's answer) there is no glass to show: both windows are black with white
# frames, as glass mode draws them; with composition the black areas would show as glass.
#   glass_test.sh WINDOWS_BUILD
set -uo pipefail
export WINDOWS_BUILD=$1
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=$WINDOWS_BUILD/deploy/baritemp.exe

cat >"$work/session.sh" <<SCRIPT
source "$(dirname "$0")/wine.sh"
start_window_manager
pixel() { # window x y
    import -window "\$1" "$work/shot.png" 2>/dev/null
    convert "$work/shot.png" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" \
        -crop "1x1+\$2+\$3" info: 2>/dev/null
}
documents=\$(documents_folder) || fail "the shell gives no documents folder"
"\$wine" "$WINDOWS_BUILD/tests/windows/wine_probe.exe" composition >"$work/composition"
composition=\$(tr -d '\r' <"$work/composition")
echo "desktop composition: \$composition"
rm -rf "\$documents/Quorzen"
mkdir -p "\$documents/Quorzen/CfgFiles"
printf '<Configuration><f_main><AeroMode>TRUE</AeroMode></f_main></Configuration>' \
    >"\$documents/Quorzen/CfgFiles/Baritemp.xml"
"\$wine" "$program" >/dev/null 2>&1 &
pid=\$!
main=\$(wait_window '^Baritemp v' 300) || fail "no main window in glass mode"
sleep 1
# The window colour shows right of the picture; the pressure frame's left edge.
background=\$(pixel "\$main" 355 200)
frame=\$(pixel "\$main" 12 150)
echo "main window: background \$background, frame \$frame"
if [ "\$composition" = off ]; then
    [ "\$background" = "0,0,0" ] || fail "the main window is not black in glass mode"
    [ "\$frame" = "255,255,255" ] || fail "the frames are not white in glass mode"
fi
xdotool mousemove --window "\$main" 21 412 click 1 # the tools icon
settings=\$(wait_window '^Configuration\$' 100) || fail "no settings window"
sleep 0.5
background=\$(pixel "\$settings" 340 160)
echo "settings window: background \$background"
[ "\$composition" = on ] || [ "\$background" = "0,0,0" ] ||
    fail "the settings window is not black in glass mode"
xdotool mousemove --window "\$settings" 80 273 click 1 # into the decimals field
sleep 0.3
xdotool key Escape
sleep 0.5
xdotool search --onlyvisible --name '^Configuration\$' >/dev/null 2>&1 && fail "Escape did not close it"
close_program \$pid "glass mode"
stop_wine
rm -rf "\$documents/Quorzen"
echo "glass mode: no failure, exit code 0"
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
