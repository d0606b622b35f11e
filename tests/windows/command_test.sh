#!/usr/bin/env bash
# baritemp-convert.exe under Wine prints the same bytes as the Linux build: one value, its
# JSON, a stream and a CSV file on standard input (CR LF kept), a unit outside ASCII ("°C") in
# the arguments. Output to a file is UTF-8, as on Linux.
#   command_test.sh WINDOWS_BUILD LINUX_COMMAND
set -uo pipefail
export WINDOWS_BUILD=$1
linux=$2
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=$WINDOWS_BUILD/deploy/baritemp-convert.exe
fixed=(--locale fr_FR --decimals 4 --lang FR) # not the settings of whoever runs it

printf 'when;pressure\r\n1;"1 013,25"\r\n2;x\r\n3;2,5e3\r\n' >"$work/log.csv"
printf '1\n2,5\n\n-1 000\nabc\n' >"$work/values"
cases=("1 bar" "-40 °C" "0,1 bar --json" "csv" "stream")
run() { # how name: the command's output and status into $work/<how>-<name>.*
    local how=$1 name=$2 case=$3 input=/dev/null
    local -a arguments
    case $case in
        csv) arguments=(--csv pressure --from mbar --to psi); input=$work/log.csv ;;
        stream) arguments=(--from bar --to kPa); input=$work/values ;;
        *) read -r -a arguments <<<"$case" ;;
    esac
    if [ "$how" = linux ]; then
        "$linux" "${arguments[@]}" "${fixed[@]}" <"$input" >"$work/$how-$name.out" \
            2>"$work/$how-$name.err"
    else
        "$wine" "$program" "${arguments[@]}" "${fixed[@]}" <"$input" >"$work/$how-$name.out" \
            2>"$work/$how-$name.err"
    fi
    echo $? >"$work/$how-$name.status"
}
for i in "${!cases[@]}"; do
    run linux "$i" "${cases[$i]}"
    run wine "$i" "${cases[$i]}"
done
stop_wine
status=0
for i in "${!cases[@]}"; do
    for part in out status; do
        if ! cmp -s "$work/linux-$i.$part" "$work/wine-$i.$part"; then
            echo "FAIL: ${cases[$i]}: the $part differs"
            od -c "$work/linux-$i.$part" | head -5
            od -c "$work/wine-$i.$part" | head -5
            status=1
        fi
    done
    echo "${cases[$i]}: $(wc -c <"$work/linux-$i.out") bytes, status $(cat "$work/linux-$i.status"), the same from both"
done
# The stream's report names the line in both.
grep -q "ligne 5 : 'abc'" "$work/wine-4.err" || { echo "FAIL: no report of line 5"; status=1; }
exit $status
