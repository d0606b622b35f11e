#!/usr/bin/env bash
# How fast baritemp-convert converts a column of values, beside GNU units (Debian's units) doing
# the same conversions in one process: a million psi readings from a file, to bar, each program
# run three times, the best run kept. Prints values per second for both.
#   bash tools/convert_bench.sh [COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000000}
bash tools/deps.sh >/dev/null
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target baritemp-convert >/dev/null
command=$PWD/build/src/cli/baritemp-convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Readings as a logger writes them: up to four decimals, from 0 to 5000 psi.
awk -v n="$count" 'BEGIN { srand(2026); for (i = 0; i < n; i++) printf "%.4f\n", rand() * 5000 }' \
    >"$work/psi.txt"
# The same for units: each value with its unit, each followed by the unit wanted.
awk '{ print $1 " psi"; print "bar" }' "$work/psi.txt" >"$work/units.txt"

best() { # command...: the best of three wall-clock times, in seconds
    local fastest=""
    for _ in 1 2 3; do
        local start end
        start=$(date +%s.%N)
        "$@" >"$work/out"
        end=$(date +%s.%N)
        fastest=$(echo "$start $end ${fastest:-1e9}" | awk '{ t = $2 - $1; print (t < $3) ? t : $3 }')
    done
    echo "$fastest"
}
ours=$(best sh -c "LANG=C.UTF-8 '$command' --from psi --to bar --no-unit --locale en_US \
    --thousands-separator '' --decimals 8 <'$work/psi.txt'")
lines=$(wc -l <"$work/out")
[ "$lines" -eq "$count" ] || { echo "baritemp-convert wrote $lines lines for $count values" >&2; exit 1; }
theirs=$(best sh -c "units -t <'$work/units.txt'")
lines=$(wc -l <"$work/out")
[ "$lines" -eq "$count" ] || { echo "units wrote $lines lines for $count values" >&2; exit 1; }
awk -v n="$count" -v a="$ours" -v b="$theirs" 'BEGIN {
    printf "values:            %d (psi to bar)\n", n
    printf "baritemp-convert:  %.2f s, %.0f values per second\n", a, n / a
    printf "GNU units:         %.2f s, %.0f values per second\n", b, n / b
    printf "ratio:             %.1f times as fast\n", b / a
}'
