#!/usr/bin/env bash
# Every way a number reaches a field of the real program, with real keys and the real X
# clipboard, under a virtual display with a window manager:
# - French, German and English regional settings, each with its own keyboard layout: keypad 2,
#   the keypad's decimal key (NumLock on: "." on the French and English layouts, "," on the
#   German one), keypad 5, Enter;
# - French settings: a datasheet value pasted with Ctrl+V, a value in another unit converted from
#   its own ("30 psi" in the bar field), "1013 hPa" and "1 atm" (the units of datasheets), a
#   temperature pasted among pressures and "2.5" reported,
#   a result copied with Ctrl+C and pasted back, Enter twice on a grouped result, and the
#   settings window opened by keyboard alone (Tab from the kelvin field to the tools icon).
#   (The error box's text
#   is checked by the window tests: a Qt message box copies its text on Windows only.)
# Field texts are read back through the clipboard: Ctrl+C copies a field's selection, or its
# result when nothing is selected.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/session.sh" <<SCRIPT
set -u
export HOME=$work XDG_RUNTIME_DIR=$work
fail() { echo "FAIL: \$*"; kill \$pid 2>/dev/null; exit 1; }
source "$(dirname "$0")/x11.sh"
put() { printf '%s' "\$1" | xclip -i -selection clipboard; sleep 0.2; }
# Field centres in the main window.
declare -A at=([bar]="84 46" [mbar]="256 46" [psi]="84 82" [pa]="84 118" [torr]="84 190")
click() { xdotool mousemove --window "\$w" \${at[\$1]} click 1; sleep 0.2; }
copied() { # field: what Ctrl+C in it copies
    put ""
    click "\$1"
    xdotool key ctrl+c
    sleep 0.2
    clipboard
}
expect() { # what got expected
    echo "\$1: [\$2]"
    [ "\$2" = "\$3" ] || fail "\$1: expected [\$3]"
}
start() { # LANG
    mkdir -p "$work/Documents/Quorzen/CfgFiles"
    rm -f "$work/Documents/Quorzen/CfgFiles/Baritemp.xml"
    LANG=\$1 "$program" >/dev/null 2>&1 &
    pid=\$!
    w=\$(wait_window --name '^Baritemp v')
    [ -n "\$w" ] || fail "no main window"
    sleep 0.5
}
stop() {
    kill -TERM \$pid
    wait \$pid
}

openbox >/dev/null 2>&1 &
sleep 0.5
xdotool key Num_Lock # the keypad types digits

for case in "fr fr_FR.UTF-8 2,5000 36,2594" "de de_DE.UTF-8 2,5000 36,2594" \
            "us en_US.UTF-8 2.5000 36.2594"; do
    set -- \$case
    setxkbmap "\$1"
    start "\$2"
    click bar
    # The physical keys by keycode (keypad 2, the decimal key, 5): named keysyms would let
    # xdotool switch NumLock off and on to reach them.
    xdotool key 88 91 84 Return
    sleep 0.3
    expect "\$2 keypad 2, decimal, 5: bar" "\$(copied bar)" "\$3 bar"
    expect "\$2 keypad 2, decimal, 5: psi" "\$(copied psi)" "\$4 psi"
    stop
done

setxkbmap fr
start fr_FR.UTF-8
put "1 013,25 mbar"
click bar
xdotool key ctrl+v Return
sleep 0.3
expect "pasted 1 013,25 mbar into bar, Enter" "\$(copied mbar)" "1 013,2500 mbar"
expect "and bar" "\$(copied bar)" "1,0133 bar"

put "30 psi"
click bar
xdotool key ctrl+v Return
sleep 0.3
put ""
xdotool key ctrl+shift+c
sleep 0.2
all=\$(clipboard)
expect "pasted 30 psi into bar, Enter: Ctrl+Shift+C, bar" "\$(echo "\$all" | head -1)" "2,0684 bar"
echo "\$all" | grep -q '^30,0000 bar' && fail "30 psi converted as 30 bar"
expect "psi" "\$(copied psi)" "30,0000 psi"

# The units of datasheets: another name of a field's unit converts in that field, a unit
# without a field by its definition in the field it was pasted into.
put "1013 hPa"
click bar
xdotool key ctrl+v
sleep 0.3
expect "pasted 1013 hPa into bar: mbar" "\$(copied mbar)" "1 013,0000 mbar"
put "1 atm"
click pa
xdotool key ctrl+v Return
sleep 0.3
expect "pasted 1 atm into Pa, Enter: Pa" "\$(copied pa)" "101 325,0000 Pa"
expect "and bar" "\$(copied bar)" "1,0133 bar"

put "25 °C"
click torr
xdotool key ctrl+v Return
box=\$(wait_window --name "^Quorzen.+ Convertisseur d'unit")
[ -n "\$box" ] || fail "no error box for 25 °C in Torr"
echo "pasted 25 °C into Torr, Enter: the error box"
sleep 0.3
xdotool key Return
sleep 0.3
expect "no pressure converted" "\$(copied bar)" "1,0133 bar"

put "2.5"
click bar
xdotool key ctrl+v Return
box=\$(wait_window --name "^Quorzen.+ Convertisseur d'unit")
[ -n "\$box" ] || fail "no error box for 2.5" # its text: the window tests read it
echo "pasted 2.5, Enter: the error box"
sleep 0.3
xdotool key Return
sleep 0.3
xdotool key ctrl+a ctrl+c
sleep 0.2
expect "the field keeps" "\$(clipboard)" "2.5"

click mbar # out of the bar field, and back: entering it empties it
click bar
xdotool type --delay 30 1
xdotool key Return
sleep 0.3
expect "after 1 bar, Ctrl+C in psi" "\$(copied psi)" "14,5038 psi"
click psi
xdotool key ctrl+v Return
sleep 0.3
expect "pasted into psi, Enter: bar" "\$(copied bar)" "1,0000 bar"

click pa
xdotool type --delay 30 100000
xdotool key Return
sleep 0.3
xdotool key Return Return
sleep 0.5
[ -z "\$(xdotool search --onlyvisible --name "^Quorzen.+ Convertisseur d'unit" 2>/dev/null)" ] ||
    fail "Enter on 100 000,0000 Pa showed a box"
expect "Enter twice on 100 000,0000 Pa: bar" "\$(copied bar)" "1,0000 bar"
expect "and Pa" "\$(copied pa)" "100 000,0000 Pa"

# The settings by keyboard alone: from the kelvin field, Tab reaches the tools icon; Enter, and
# Space, open the settings window.
for key in Return space; do
    xdotool mousemove --window "\$w" 200 360 click 1 # the kelvin field
    sleep 0.2
    xdotool key Tab \$key
    settings=\$(wait_window --name '^Configuration\$')
    [ -n "\$settings" ] || fail "Tab from the kelvin field, \$key: no settings window"
    echo "Tab from the kelvin field, \$key: the settings window"
    xdotool key Escape
    sleep 0.5
done
stop
echo "every way in converts as expected"
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
