#!/usr/bin/env bash
# Runs one Windows test program under Wine on a virtual display of its own, with a window
# manager. Its standard output comes out here; Wine's own messages go to standard error.
#   run_program.sh WINDOWS_BUILD PROGRAM [ARGUMENTS...]
set -uo pipefail
export WINDOWS_BUILD=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
program=$(realpath "$1")
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%q ' "$@" >"$work/arguments"
cat >"$work/session.sh" <<SCRIPT
source "$here/wine.sh"
start_window_manager
wm=\$!
cd "$(dirname "$program")" || exit 1
# Through files, never a pipe: Wine's background processes would keep a pipe open.
eval "\"\$wine\" \"$program\" \$(cat "$work/arguments")" >"$work/out" 2>"$work/err"
echo \$? >"$work/status"
stop_wine
kill \$wm 2>/dev/null
wait \$wm 2>/dev/null
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh" >/dev/null 2>&1
cat "$work/out"
cat "$work/err" >&2
exit "$(cat "$work/status" 2>/dev/null || echo 1)"
