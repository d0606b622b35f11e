#!/usr/bin/env bash
# Two copies of the real program on one settings file, under a virtual display with a window
# manager: English saved in the first, then the second closed. The second's closing writes its
# window placement into what the file holds by then: the first one's save survives.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file=$work/Documents/Quorzen/CfgFiles/Baritemp.xml

cat >"$work/session.sh" <<SCRIPT
export HOME=$work XDG_RUNTIME_DIR=$work LANG=fr_FR.UTF-8
fail() { echo "FAIL: \$*"; kill \$first \$second 2>/dev/null; exit 1; }
source "$(dirname "$0")/x11.sh"
openbox >/dev/null 2>&1 &
sleep 0.5
"$program" >/dev/null 2>&1 &
first=\$!
one=\$(wait_window --all --pid \$first --name '^Baritemp v')
"$program" >/dev/null 2>&1 &
second=\$!
two=\$(wait_window --all --pid \$second --name '^Baritemp v')
[ -n "\$one" ] && [ -n "\$two" ] || fail "two main windows expected"
sleep 0.5
xdotool windowmove "\$one" 20 20 windowmove "\$two" 520 20 # side by side
sleep 0.3
xdotool windowactivate --sync "\$one"
xdotool mousemove --window "\$one" 21 412 click 1 # the tools icon
settings=\$(wait_window --all --pid \$first --name '^Configuration\$')
[ -n "\$settings" ] || fail "no settings window in the first copy"
xdotool mousemove --window "\$settings" 208 48 click 1 # English
sleep 0.3
xdotool mousemove --window "\$settings" 103 317 click 1 # Save
sleep 0.5
xdotool key Return # Oui
sleep 0.5
grep -q '<Lang>UK</Lang>' "$file" || fail "the first copy's save did not reach the file"
echo "first copy: English saved"
kill -TERM \$second # closes its main window as the user would
wait \$second
grep -q '<Lang>UK</Lang>' "$file" || fail "the second copy's closing undid the save"
echo "second copy closed: the save is still there"
kill -TERM \$first
wait \$first
grep -q '<Lang>UK</Lang>' "$file" || fail "the first copy's closing lost its own save"
echo "both closed: <Lang>UK</Lang> kept"
SCRIPT
mkdir -p "$(dirname "$file")"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
