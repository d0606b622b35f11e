#!/usr/bin/env bash
# The Windows installer under Wine: a silent install (/S), the Start-menu shortcut "Baritemp",
# the installed command run once, the installed program started and closed (exit code 0), then the silent uninstall, which
# removes the program, its folder and its shortcut.
#   installer_test.sh WINDOWS_BUILD
set -uo pipefail
export WINDOWS_BUILD=$1
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
installer=$(ls "$WINDOWS_BUILD"/baritemp-*-win64.exe 2>/dev/null | head -1)
[ -n "$installer" ] || { echo "FAIL: no installer in $WINDOWS_BUILD (cpack -G NSIS)"; exit 1; }

cat >"$work/session.sh" <<SCRIPT
source "$(dirname "$0")/wine.sh"
start_window_manager
drive_c="\$WINEPREFIX/drive_c"
folder="\$drive_c/Program Files/Baritemp"
shortcut="\$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Baritemp/Baritemp.lnk"
# What an earlier run that stopped half-way left installed goes first: the installer would ask
# whether to remove it, even when silent.
if [ -f "\$folder/Uninstall.exe" ]; then
    "\$wine" "\$folder/Uninstall.exe" /S >/dev/null 2>&1
    for _ in \$(seq 1 100); do [ -e "\$folder/baritemp.exe" ] || break; sleep 0.1; done
fi
for root in HKLM HKCU; do
    "\$wine" reg query "\$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" 2>/dev/null |
        tr -d '\r' | grep -i 'baritemp' >"$work/keys" || true
    while read -r key; do "\$wine" reg delete "\$key" /f >/dev/null 2>&1; done <"$work/keys"
done
rm -rf "\$folder"
"\$wine" "$installer" /S >"$work/install.log" 2>&1
code=\$?
[ "\$code" -eq 0 ] || fail "install: exit code \$code"
[ -f "\$folder/baritemp.exe" ] || fail "nothing installed in \$folder"
[ -f "\$folder/platforms/qwindows.dll" ] || fail "no platform plugin installed"
"\$wine" "\$folder/baritemp-convert.exe" 1 bar --to psi --locale fr_FR >"$work/command.out" 2>&1
[ "\$(cat "$work/command.out")" = "14,5038 psi" ] ||
    fail "the installed command printed \$(cat "$work/command.out")"
echo "the installed command: \$(cat "$work/command.out")"
[ -f "\$shortcut" ] || fail "no Start-menu shortcut \$shortcut"
echo "installed: \$(ls "\$folder" | tr '\n' ' ')"
echo "shortcut: Start Menu/Programs/Baritemp/Baritemp.lnk"

documents=\$(documents_folder) || fail "the shell gives no documents folder"
rm -rf "\$documents/Quorzen" # a first start: the settings window opens first
"\$wine" "\$folder/baritemp.exe" >/dev/null 2>&1 &
pid=\$!
settings=\$(wait_window '^Configuration\$' 300) || fail "the installed program shows no window"
sleep 0.5
xdotool mousemove --window "\$settings" 239 317 click 1 # Annuler
main=\$(wait_window '^Baritemp v2011\\.1\\.2\\.0\$' 100) || fail "no main window"
sleep 0.5
close_program \$pid "the installed program"
echo "the installed program started and ended with 0"

"\$wine" "\$folder/Uninstall.exe" /S >"$work/uninstall.log" 2>&1
# The uninstaller runs from a copy of itself: wait for it to finish.
for _ in \$(seq 1 300); do
    [ -e "\$folder" ] || [ -e "\$shortcut" ] || break
    sleep 0.2
done
[ -e "\$folder/baritemp.exe" ] && fail "the uninstaller left the program"
[ -e "\$shortcut" ] && fail "the uninstaller left the shortcut"
[ -e "\$folder" ] && fail "the uninstaller left \$folder"
stop_wine
echo "uninstalled: program, folder and shortcut removed"
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
