#!/usr/bin/env bash
# Saving with the real baritemp.exe under Wine while another program holds the settings file
# open as an antivirus or a sync client does (sharing neither delete nor rename), the file
# hidden:
#   1. held for 300 ms: the save waits for it and succeeds; the file keeps its hidden attribute;
#   2. held for 5 s: the save gives up after about a second, the box says so, the file is
#      unchanged; Cancel, then closing the main window, never stores the cancelled choice.
#   save_test.sh WINDOWS_BUILD
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
documents=\$(documents_folder) || fail "the shell gives no documents folder"
file="\$documents/Quorzen/CfgFiles/Baritemp.xml"
rm -rf "\$documents/Quorzen"
mkdir -p "\$documents/Quorzen/CfgFiles"
"\$wine" "$probe" listing first >"\$file" 2>/dev/null
"\$wine" "$probe" documents >"$work/documents" 2>/dev/null
windows_file="\$(tr -d '\r' <"$work/documents")\\\\Quorzen\\\\CfgFiles\\\\Baritemp.xml"
"\$wine" "$probe" hide "\$windows_file" >/dev/null 2>&1 || fail "could not hide the file"

hold() { # milliseconds: returns once the other program has the file
    rm -f "$work/held"
    "\$wine" "$probe" hold "\$windows_file" "\$1" >"$work/held" 2>/dev/null &
    holder=\$!
    for _ in \$(seq 1 500); do
        grep -q held "$work/held" 2>/dev/null && return 0
        sleep 0.02
    done
    fail "the other program could not open the file"
}
attributes() {
    "\$wine" "$probe" attributes "\$windows_file" >"$work/attributes" 2>/dev/null
    tr -d '\r' <"$work/attributes"
}
settings_window() { # caption: opens it with the tools icon
    xdotool mousemove --window "\$main" 21 412 click 1
    settings=\$(wait_window "\$1" 100) || fail "no settings window \$1"
    sleep 0.5
}
save() { # hold milliseconds: Enregistrer or Save, the file held, then Oui
    xdotool mousemove --window "\$settings" 103 317 click 1
    wait_window '^Avertissement\$' 100 >/dev/null || fail "no confirmation"
    sleep 0.3
    hold "\$1"
    xdotool key Return
}

"\$wine" "$program" >/dev/null 2>&1 &
pid=\$!
main=\$(wait_window '^Baritemp v' 300) || fail "no main window"
sleep 0.5

# 1. Held for 300 ms: English is saved.
settings_window '^Configuration\$'
xdotool mousemove --window "\$settings" 208 48 click 1 # the English flag
sleep 0.3
save 300
sleep 0.3
for _ in \$(seq 1 50); do
    xdotool search --onlyvisible --name '^Settings\$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^Quorzen.+ Convertisseur d'unit" >/dev/null 2>&1 &&
    fail "held for 300 ms: the save failed"
wait \$holder
grep -q '<Lang>UK</Lang>' "\$file" || fail "held for 300 ms: English not saved"
echo "held for 300 ms: saved"
[ "\$(attributes)" = hidden ] || fail "the file lost its hidden attribute: \$(attributes)"
echo "the file is still hidden"

# 2. Held for 5 s: French is not saved; the box says why; Cancel.
cp "\$file" "$work/before"
settings_window '^Settings\$'
xdotool mousemove --window "\$settings" 128 48 click 1 # the French flag
sleep 0.3
save 5000
box=\$(wait_window "^Quorzen.+ Convertisseur d'unit" 40) || fail "held for 5 s: no box"
sleep 0.3
printf '' | xclip -i -selection clipboard
xdotool key ctrl+c # a message box on Windows copies its text
sleep 0.5
xclip -o -selection clipboard >"$work/box" 2>/dev/null
grep -q "Les paramètres n'ont pas pu être enregistrés dans" "$work/box" ||
    fail "held for 5 s: the box says \$(cat "$work/box")"
echo "held for 5 s: the box: \$(grep 'enregistr' "$work/box" | tr -d '\r')"
cmp -s "$work/before" "\$file" || fail "held for 5 s: the file changed"
echo "held for 5 s: the file is unchanged"
xdotool key Return
sleep 0.3
xdotool mousemove --window "\$settings" 239 317 click 1 # Annuler
sleep 0.5
wait \$holder
close_program \$pid "after the failed save"
grep -q '<Lang>UK</Lang>' "\$file" || fail "the cancelled choice reached the file"
echo "closing kept the saved English"
[ "\$(attributes)" = hidden ] || fail "the file lost its hidden attribute"
stop_wine
rm -rf "\$documents/Quorzen"
echo "saves as expected"
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
