#!/usr/bin/env bash
# The Linux and the Windows builds of the same program must print the same lines.
set -uo pipefail
windows_build=$1 linux=$2 windows=$3
here=$(dirname "$0")
fail=0
for args in "extended 20261209 1000000" "codepages" "version"; do
    # shellcheck disable=SC2086
    a=$("$linux" $args | tr -d '\r')
    # shellcheck disable=SC2086
    b=$(bash "$here/../windows/run_program.sh" "$windows_build" "$windows" $args | tr -d '\r')
    if [ "$a" != "$b" ]; then
        echo "DIFFERENT: $args"
        diff <(echo "$a") <(echo "$b") | head -20
        fail=1
    else
        echo "same: $args: $(echo "$a" | tail -1 | cut -c1-100)"
    fi
done
exit $fail
