#!/usr/bin/env bash
# Runs screen_reader_test.py on a virtual display with a private session bus, on which the
# accessibility bus (at-spi2-core) starts on demand, as on a desktop.
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_RUNTIME_DIR=$home NO_AT_BRIDGE=0
xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$program" "$home"
