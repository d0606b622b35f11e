#!/usr/bin/env bash
# Copying results from the real program under a virtual display, read back from the X
# clipboard: 10000 bar converted (French regional settings), then Ctrl+C in the mmCE field
# (nothing selected: its result, whole, although the field cuts it with "…"), then
# Ctrl+Shift+C (every result of the conversion, one line per field in tab order).
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Documents/Quorzen/CfgFiles"

cat >"$work/session.sh" <<SCRIPT
export HOME=$work XDG_RUNTIME_DIR=$work LANG=fr_FR.UTF-8
fail() { echo "FAIL: \$*"; kill \$pid 2>/dev/null; exit 1; }
source "$(dirname "$0")/x11.sh"
"$program" >/dev/null 2>&1 &
pid=\$!
w=\$(wait_window --name '^Baritemp v')
[ -n "\$w" ] || fail "no main window"
sleep 0.5
xdotool mousemove --window "\$w" 84 46 click 1 # the bar field
xdotool type --delay 30 10000
xdotool key Return
sleep 0.3
xdotool mousemove --window "\$w" 256 226 click 1 # the mmCE field
sleep 0.2
xdotool key ctrl+c
sleep 0.3
got=\$(clipboard)
echo "Ctrl+C in mmCE: [\$got]"
[ "\$got" = "101 971 621,2990 mmCE" ] || fail "Ctrl+C copied [\$got]"
xdotool key ctrl+shift+c
sleep 0.3
clipboard >"$work/all"
echo "Ctrl+Shift+C:"; cat "$work/all"; echo
[ "\$(wc -l <"$work/all")" -eq 13 ] || fail "not 14 lines" # the last has no line end
[ "\$(head -1 "$work/all")" = "10 000,0000 bar" ] || fail "first line"
[ "\$(sed -n 12p "$work/all")" = "101 971 621,2990 mmCE" ] || fail "line of mmCE"
[ "\$(tail -1 "$work/all")" = "4 014 742,1331 inch CE" ] || fail "last line"
kill -TERM \$pid
wait \$pid
echo "copied as expected"
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
