#!/usr/bin/env bash
# The real baritemp.exe under Wine with French, German, Swiss and English regional settings (Wine
# takes the user's locale from the Unix one), each with its keyboard layout:
#   - keypad 2, the keypad's decimal key (NumLock on: "." on the French and English layouts,
#     "," on the German one), keypad 5, Enter: 2,5 bar, whatever the key printed;
#   - 1 bar: the psi and mbar results with the locale's separators and grouping character;
#   - a value pasted from the X clipboard with Ctrl+V (through Wine's clipboard); French: a value
#     in another unit ("30 psi" in the bar field) converts from its own unit, a temperature
#     pasted among pressures is reported, datasheet values convert ("1 013,25 mbar", "1013
#     hPa", "1 atm");
#   - French: the decimal symbol changed in the registry while the program runs, and
#     WM_SETTINGCHANGE sent as the Control Panel does: the next conversion uses the new symbol.
# Results are read back through the clipboard: Ctrl+C in a field copies its result (a grouping
# apostrophe, straight or curly, shown as "Q").
#   regional_test.sh WINDOWS_BUILD
set -uo pipefail
export WINDOWS_BUILD=$1
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=$WINDOWS_BUILD/deploy/baritemp.exe
probe=$WINDOWS_BUILD/tests/windows/wine_probe.exe

cat >"$work/session.sh" <<SCRIPT
source "$(dirname "$0")/wine.sh"
start_window_manager
xdotool key Num_Lock # the keypad types digits
documents=\$(documents_folder) || fail "the shell gives no documents folder"
declare -A at=([bar]="84 46" [mbar]="256 46" [psi]="84 82" [pa]="84 118" [torr]="84 190")
put() { printf '%s' "\$1" | xclip -i -selection clipboard; sleep 1; }
click() { xdotool mousemove --window "\$main" \${at[\$1]} click 1; sleep 0.3; }
clipboard() { # the clipboard, its narrow and plain no-break spaces as "_"
    xclip -o -selection clipboard 2>/dev/null |
        sed "s/\xe2\x80\xaf/_/g; s/\xc2\xa0/_/g; s/\xe2\x80\x99/Q/g; s/'/Q/g"
}
copied() { # field: its result, as Ctrl+C in it copies it
    printf '' | xclip -i -selection clipboard
    click "\$1"
    xdotool key ctrl+c
    sleep 0.5
    clipboard
}
expect() { # what got expected
    echo "\$1: [\$2]"
    [ "\$2" = "\$3" ] || fail "\$1: expected [\$3]"
}

# locale layout bar(2,5) psi(2,5) psi(1) mbar(1) bar(1)
for case in "fr_FR.UTF-8 fr 2,5000 36,2594 14,5038 1_000,0000 1,0000" \\
            "de_DE.UTF-8 de 2,5000 36,2594 14,5038 1.000,0000 1,0000" \\
            "de_CH.UTF-8 ch 2.5000 36.2594 14.5038 1Q000.0000 1.0000" \\
            "en_US.UTF-8 us 2.5000 36.2594 14.5038 1,000.0000 1.0000"; do
    set -- \$case
    setxkbmap "\$2"
    # A configuration folder without a file: the main window opens at once.
    mkdir -p "\$documents/Quorzen/CfgFiles"
    rm -f "\$documents/Quorzen/CfgFiles/Baritemp.xml"
    LC_ALL=\$1 LANG=\$1 "\$wine" "$program" >/dev/null 2>&1 &
    pid=\$!
    main=\$(wait_window '^Baritemp v' 300) || fail "\$1: no main window"
    sleep 1
    click bar
    xdotool key 88 91 84 Return # keypad 2, decimal, 5 by keycode: no NumLock games
    sleep 0.5
    expect "\$1 keypad 2, decimal, 5: bar" "\$(copied bar)" "\$3 bar"
    expect "\$1 keypad 2, decimal, 5: psi" "\$(copied psi)" "\$4 psi"
    click bar
    xdotool type --delay 50 1
    xdotool key Return
    sleep 0.5
    expect "\$1 1 bar: psi" "\$(copied psi)" "\$5 psi"
    expect "\$1 1 bar: mbar" "\$(copied mbar)" "\$6 mbar"
    # The mbar result, just copied, pasted back into the mbar field (which has the focus and
    # is empty): it converts to 1 bar again.
    xdotool key ctrl+v Return
    sleep 0.5
    expect "\$1 mbar result pasted into mbar: bar" "\$(copied bar)" "\$7 bar"
    if [ "\$1" = fr_FR.UTF-8 ]; then
        # A value keeps its unit.
        put "30 psi"
        click bar
        xdotool key ctrl+v Return
        sleep 0.5
        expect "\$1 30 psi pasted into bar: psi" "\$(copied psi)" "30,0000 psi"
        expect "\$1 30 psi pasted into bar: bar" "\$(copied bar)" "2,0684 bar"
        put "25 °C"
        click torr
        xdotool key ctrl+v Return
        wait_window "^Quorzen.+ Convertisseur d'unit" 50 >/dev/null ||
            fail "\$1: no error box for 25 °C in the Torr field"
        xdotool key Return
        sleep 0.5
        expect "\$1 25 °C pasted into Torr: nothing converted" "\$(copied bar)" "2,0684 bar"
        put "1 013,25 mbar"
        click bar
        xdotool key ctrl+v Return
        sleep 0.5
        expect "\$1 1 013,25 mbar pasted into bar: mbar" "\$(copied mbar)" "1_013,2500 mbar"
        # The units of datasheets.
        put "1013 hPa"
        click bar
        xdotool key ctrl+v
        sleep 0.5
        expect "\$1 1013 hPa pasted into bar: mbar" "\$(copied mbar)" "1_013,0000 mbar"
        put "1 atm"
        click pa
        xdotool key ctrl+v Return
        sleep 0.5
        expect "\$1 1 atm pasted into Pa, Enter: Pa" "\$(copied pa)" "101_325,0000 Pa"
        international='HKCU\\Control Panel\\International'
        "\$wine" reg add "\$international" /v sDecimal /d / /f >/dev/null 2>&1
        "\$wine" "$probe" settingchange >/dev/null 2>&1
        sleep 0.5
        click bar
        xdotool type --delay 50 1
        xdotool key Return
        sleep 0.5
        expect "\$1 decimal symbol changed to / while running: psi" "\$(copied psi)" "14/5038 psi"
        "\$wine" reg add "\$international" /v sDecimal /d , /f >/dev/null 2>&1
        "\$wine" "$probe" settingchange >/dev/null 2>&1
    fi
    close_program \$pid "\$1"
done
stop_wine
rm -rf "\$documents/Quorzen"
echo "regional settings and keys as expected"
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
