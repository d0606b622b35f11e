#!/usr/bin/env bash
# The scale tests of the window tests (Looks/Scales.*) in the Windows program under Wine, the
# display set to DPI dots per inch in the prefix's registry (96, 120, 144, 168, 192: 100 to
# 200 %), on a virtual screen large enough for both windows at 200 %. The prefix's dpi is put
# back to 96 afterwards.
#   scale_test.sh WINDOWS_BUILD DPI
set -uo pipefail
export WINDOWS_BUILD=$1
dpi=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=$(realpath "$WINDOWS_BUILD/tests/ui/test_ui.exe")

cat >"$work/session.sh" <<SCRIPT
source "$here/wine.sh"
set_dpi() {
    "\$wine" reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d "\$1" /f \
        >/dev/null 2>&1
    stop_wine # read again by the next program
}
set_dpi $dpi
start_window_manager
cd "$(dirname "$program")" || exit 1
"\$wine" "$program" --gtest_filter='Looks/Scales.*' >"$work/out" 2>"$work/err"
echo \$? >"$work/status"
set_dpi 96
SCRIPT
xvfb-run -a -s "-screen 0 2400x1800x24" bash "$work/session.sh" >/dev/null 2>&1
cat "$work/out"
exit "$(cat "$work/status" 2>/dev/null || echo 1)"
