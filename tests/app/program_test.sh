#!/usr/bin/env bash
# Starts the real program, lets it come up, asks it to close (SIGTERM, as a desktop session
# does) and checks its exit code and its "Dev " banner on standard error. Then does the same
# with a copy whose version section was removed, under a virtual X display, and reads the main
# window's caption there.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_RUNTIME_DIR=$work

fail() { echo "FAIL: $*"; exit 1; }

run_and_stop() { # program, output file; sets $code
    "$1" >"$2" 2>&1 &
    local pid=$!
    for _ in $(seq 1 100); do
        grep -q '^Dev \*.*[0-9]\+\.[0-9]\+\.[0-9]\+' "$2" && break
        sleep 0.1
    done
    sleep 0.5
    kill -TERM "$pid"
    wait "$pid"
    code=$?
}

QT_QPA_PLATFORM=offscreen run_and_stop "$program" "$work/out"
[ "$code" -eq 0 ] || fail "exit code $code"
# The banner's 30 lines come first (closing the settings window later adds ReadConfig's).
[ "$(grep '^Dev ' "$work/out" | head -30 | grep -c '^Dev ')" -eq 30 ] || { cat "$work/out"; fail "banner lines"; }
[ "$(grep '^Dev ' "$work/out" | sed -n 21p)" = "Dev $(printf '%.0s*' $(seq 85))" ] || fail "banner line 21"
grep -qx 'Dev f_main.ReadCfg' "$work/out" || fail "the settings window's closing did not read the settings"
grep -qx 'Dev \*\{85\}' "$work/out" || fail "banner stars"
grep -qx 'Dev \* \{32\}Baritemp v2011.1.2.0' "$work/out" || fail "banner version line"
echo "program: exit 0, banner of 30 lines"

objcopy --remove-section .vs_version_info "$program" "$work/baritemp-stripped"
QT_QPA_PLATFORM=offscreen run_and_stop "$work/baritemp-stripped" "$work/stripped"
[ "$code" -eq 0 ] || fail "stripped copy: exit code $code"
grep -q 'No FileVersion' "$work/stripped" || fail "stripped copy: no warning line"

if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
    cat >"$work/caption.sh" <<SCRIPT
"$work/baritemp-stripped" >/dev/null 2>&1 &
pid=\$!
for _ in \$(seq 1 100); do
    xdotool search --name '^No Filversion\$' >/dev/null 2>&1 && break
    sleep 0.1
done
found=\$(xdotool search --name '^No Filversion\$' 2>/dev/null | head -1)
kill -TERM \$pid; wait \$pid
[ -n "\$found" ]
SCRIPT
    xvfb-run -a bash "$work/caption.sh" || fail "stripped copy: no window captioned No Filversion"
    echo "stripped copy: caption No Filversion"
fi
