#!/usr/bin/env bash
# The x86-64 build and a cross build must print the same lines: the bits of a million random
# Extended operations, and the version line from each executable's own record.
#   compare.sh HOST_CROSSCHECK EMULATOR SYSROOT TARGET_CROSSCHECK
set -uo pipefail
host=$1 emulator=$2 sysroot=$3 target=$4
fail=0
for args in "extended 20261209 1000000" "version"; do
    # shellcheck disable=SC2086
    a=$("$host" $args)
    # shellcheck disable=SC2086
    b=$("$emulator" -L "$sysroot" "$target" $args)
    if [ "$a" != "$b" ]; then
        echo "DIFFERENT: $args"
        diff <(echo "$a") <(echo "$b") | head -20
        fail=1
    else
        echo "same: $args: $(echo "$a" | tail -1 | cut -c1-100)"
    fi
done
exit $fail
