#!/usr/bin/env bash
# The real program under a virtual display with a window manager (openbox): both windows ask
# the window system for a caption and a close box only. Read back from the X properties that
# carry the request: the Motif hints (no minimise or maximise decoration or function), the size
# hints (minimum = maximum: not resizable), and what the window manager then allows (no
# maximise, no resize). Openbox keeps its own minimise button on every window whatever a
# window asks ("mwm hints don't kill buttons" in its source); other window managers honour it.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/session.sh" <<SCRIPT
export HOME=$work XDG_RUNTIME_DIR=$work
source "$(dirname "$0")/x11.sh"
openbox >/dev/null 2>&1 &
sleep 0.5
"$program" >/dev/null 2>&1 &
pid=\$!
check() { # window name
    local id
    id=\$(wait_window --name "\$1")
    [ -n "\$id" ] || { echo "FAIL: no window \$1"; return 1; }
    sleep 0.3
    local motif normal allowed
    motif=\$(xprop -id "\$id" _MOTIF_WM_HINTS | sed 's/.*= //')
    normal=\$(xprop -id "\$id" WM_NORMAL_HINTS)
    allowed=\$(xprop -id "\$id" _NET_WM_ALLOWED_ACTIONS)
    IFS=', ' read -r flags functions decorations _ <<<"\$motif"
    echo "\$1: motif \$motif"
    (( (functions & 0x18) == 0 )) || { echo "FAIL: \$1 asks for minimise/maximise functions"; return 1; }
    (( (functions & 0x20) != 0 )) || { echo "FAIL: \$1 has no close function"; return 1; }
    (( (decorations & 0x60) == 0 )) || { echo "FAIL: \$1 asks for minimise/maximise buttons"; return 1; }
    local min max
    min=\$(sed -n 's/.*minimum size: //p' <<<"\$normal")
    max=\$(sed -n 's/.*maximum size: //p' <<<"\$normal")
    [ -n "\$min" ] && [ "\$min" = "\$max" ] || { echo "FAIL: \$1 is resizable (\$min / \$max)"; return 1; }
    ! grep -q 'MAXIMIZE\|RESIZE' <<<"\$allowed" || { echo "FAIL: \$1: the window manager allows \$allowed"; return 1; }
    echo "\$1: \$min, fixed; allowed: \${allowed#*= }"
}
status=0
check '^Configuration\$' || status=1 # the first start opens the settings window first
xdotool key Escape
check '^Baritemp v' || status=1
kill -TERM \$pid; wait \$pid
exit \$status
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
