#!/usr/bin/env bash
# The real baritemp.exe under Wine, driven as a user would, on a virtual display:
#   1. first start: the splash window, the start-up banner on the debug output stream, then the
#      settings window (no configuration file yet); Save, "Oui"; the main window captioned from
#      the program's own version resource; closing it ends the program with 0; the file in the
#      documents folder (asked of the shell) is byte for byte the first listing;
#   2. next start: no settings window, the main window at once; closing it ends with 0.
#   program_test.sh WINDOWS_BUILD WINE_PROBE(Linux)
set -uo pipefail
export WINDOWS_BUILD=$1
probe=$2
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=$WINDOWS_BUILD/deploy/baritemp.exe
"$probe" listing first >"$work/expected.xml"

cat >"$work/session.sh" <<SCRIPT
source "$(dirname "$0")/wine.sh"
start_window_manager
documents=\$(documents_folder) || fail "the shell gives no documents folder"
echo "documents folder: \$documents"
rm -rf "\$documents/Quorzen"

# First start. The debug stream: Wine reports OutputDebugString on its seh channel.
WINEDEBUG=-all,warn+seh "\$wine" "$program" >"$work/first.out" 2>"$work/first.err" &
pid=\$!
wait_window '^SplashFormv2011\$' 300 >/dev/null || fail "no splash window"
echo "splash window shown"
settings=\$(wait_window '^Configuration\$' 300) || fail "no settings window at the first start"
xdotool search --onlyvisible --name '^Baritemp v' >/dev/null 2>&1 &&
    fail "the main window shows before the settings window closes"
echo "settings window opened by itself"
sleep 0.5
xdotool mousemove --window "\$settings" 103 317 click 1 # Enregistrer
wait_window '^Avertissement\$' 100 >/dev/null || fail "no confirmation"
sleep 0.3
xdotool key Return # the default button, Oui
main=\$(wait_window '^Baritemp v2011\\.1\\.2\\.0\$' 300) || fail "no main window captioned Baritemp v2011.1.2.0"
echo "main window: \$(xdotool getwindowname "\$main")"
sleep 0.5
close_program \$pid "first start"
echo "closed: exit code 0"
grep -c 'OutputDebugStringA "Dev ' "$work/first.err" >"$work/lines"
[ "\$(cat "$work/lines")" -ge 30 ] || fail "only \$(cat "$work/lines") Dev lines on the debug stream"
grep -q 'OutputDebugStringA "Dev \\* \\{32\\}Baritemp v2011.1.2.0"' "$work/first.err" ||
    fail "no banner version line on the debug stream"
echo "debug stream: \$(cat "$work/lines") Dev lines, the banner's version line among them"
file="\$documents/Quorzen/CfgFiles/Baritemp.xml"
cmp "$work/expected.xml" "\$file" || { od -c "\$file" | head; fail "the file is not the first listing"; }
echo "file: the first listing, byte for byte"

# Next start.
"\$wine" "$program" >/dev/null 2>&1 &
pid=\$!
main=\$(wait_window '^Baritemp v2011\\.1\\.2\\.0\$' 300) || fail "next start: no main window"
xdotool search --onlyvisible --name '^Configuration\$' >/dev/null 2>&1 &&
    fail "next start: the settings window opened"
echo "next start: the main window, no settings window"
sleep 0.5
close_program \$pid "next start"
stop_wine
echo "next start: exit code 0"
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
