#!/usr/bin/env bash
# Two builds of the cross-check program must print the same lines for each set of arguments.
#   same_output.sh "ARGS1,ARGS2,..." -- HOST COMMAND... -- TARGET COMMAND...
# Each command gets the arguments after its own words (a target may run under an emulator, or
# through tests/windows/run_program.sh).
set -uo pipefail
IFS=',' read -r -a modes <<<"$1"
shift
[ "$1" = -- ] || { echo "usage: $0 \"ARGS,...\" -- HOST... -- TARGET..." >&2; exit 2; }
shift
host=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do host+=("$1"); shift; done
shift
target=("$@")
fail=0
for args in "${modes[@]}"; do
    # shellcheck disable=SC2086
    a=$("${host[@]}" $args | tr -d '\r') || fail=1
    # shellcheck disable=SC2086
    b=$("${target[@]}" $args | tr -d '\r') || fail=1
    [ -n "$a" ] || { echo "NOTHING printed for: $args"; fail=1; }
    if [ "$a" != "$b" ]; then
        echo "DIFFERENT: $args"
        diff <(echo "$a") <(echo "$b") | head -20
        fail=1
    else
        echo "same: $args: $(echo "$a" | tail -1 | cut -c1-100)"
    fi
done
exit $fail
