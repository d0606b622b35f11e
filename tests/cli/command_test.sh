#!/usr/bin/env bash
# The real baritemp-convert: the user's regional settings from LANG, the window's saved decimals
# and language from the settings file in the documents folder, a stream on standard input, a
# CSV file by name, exit statuses.
set -uo pipefail
command=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
expect() { # what got expected
    echo "$1: [$2]"
    [ "$2" = "$3" ] || fail "$1: expected [$3]"
}
export HOME=$work XDG_RUNTIME_DIR=$work
unset LC_ALL LC_NUMERIC

expect "LANG=de_DE" "$(LANG=de_DE.UTF-8 "$command" 1 bar --to mbar)" "1.000,0000 mbar"
expect "LANG=en_US" "$(LANG=en_US.UTF-8 "$command" 1 bar --to mbar)" "1,000.0000 mbar"
expect "LANG=fr_FR" "$(LANG=fr_FR.UTF-8 "$command" 1 bar --to mbar | sed 's/\xe2\x80\xaf/_/')" \
    "1_000,0000 mbar"
expect "LC_NUMERIC over LANG" "$(LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8 "$command" 2,5 bar --to psi)" \
    "36,2594 psi"

# Messages in one language: --lang, else the window's saved one, else the user's own; a cause
# the reading can name is named.
LANG=fr_FR.UTF-8 "$command" 2.5 bar --lang UK 2>"$work/err"
expect "French user, --lang UK" "$(cat "$work/err")" \
    "'2.5' is not a number here: the decimal separator of your settings is ','."
LANG=en_US.UTF-8 "$command" 2,5 bar --lang FR 2>"$work/err"
expect "English user, --lang FR" "$(cat "$work/err")" \
    "'2,5' n'est pas un nombre ici : le séparateur décimal de vos réglages est '.'."
LANG=en_US.UTF-8 "$command" 2x5 bar 2>"$work/err"
expect "English user, nothing saved" "$(cat "$work/err")" \
    "'2x5' is not a valid floating-point number."
LANG=fr_FR.UTF-8 "$command" 2x5 bar 2>"$work/err"
expect "French user, nothing saved" "$(cat "$work/err")" \
    "'2x5' n'est pas une valeur en virgule flottante correcte."
LANG=en_US.UTF-8 "$command" "12 xyz" bar 2>"$work/err"
expect "exit status of an unknown unit in a value" "$?" 1
expect "an unknown unit named" "$(cat "$work/err")" "'12 xyz': xyz is not a unit Baritemp knows."

# Values as datasheets write them.
expect "1 atm in hPa, French" "$(LANG=fr_FR.UTF-8 "$command" "1 atm" --to hPa | sed 's/\xe2\x80\xaf/_/')" \
    "1_013,2500 hPa"
expect "10 barg in psi" "$(LANG=en_US.UTF-8 "$command" "10 barg" --to psi)" "145.0377 psig"
expect "-5 K floored" "$(LANG=en_US.UTF-8 "$command" "-5 K" --to °C 2>/dev/null)" "-273.1500 °C"

# What the window saved: 2 decimals, English.
mkdir -p "$work/Documents/Quorzen/CfgFiles"
printf '<Configuration><f_main><Lang>UK</Lang><Dec>2</Dec></f_main></Configuration>' \
    >"$work/Documents/Quorzen/CfgFiles/Baritemp.xml"
expect "saved decimals" "$(LANG=en_US.UTF-8 "$command" 1 bar --to psi)" "14.50 psi"
LANG=en_US.UTF-8 "$command" 1 parsec 2>"$work/err"
expect "exit status of a usage error" "$?" 2
expect "saved language" "$(head -1 "$work/err")" "unknown unit: parsec"

printf '1\r\n2.5\r\nx\r\n' | LANG=en_US.UTF-8 "$command" --from bar --to psi --no-unit \
    >"$work/out" 2>"$work/err"
expect "exit status of a stream with a bad line" "$?" 1
expect "stream" "$(od -An -c "$work/out" | tr -s ' ' | tr -d '\n')" \
    " 1 4 . 5 0 \r \n 3 6 . 2 6 \r \n x \r \n"
expect "stream's report" "$(cat "$work/err")" \
    "line 3: 'x' is not a valid floating-point number."

printf 'when,psi\n1,14.5\n2,29\n' >"$work/log.csv"
LANG=en_US.UTF-8 "$command" --csv psi --from psi --to bar "$work/log.csv" >"$work/out"
expect "exit status of a clean CSV" "$?" 0
expect "CSV" "$(cat "$work/out")" "$(printf 'when,psi (bar)\n1,1.00\n2,2.00')"
"$command" --csv psi --from psi --to bar "$work/missing.csv" 2>/dev/null
expect "exit status of a missing file" "$?" 2
# As command-line tools do: --version from the executable's own version record, JSON that JSON
# readers take, every write checked, a byte-order mark skipped, "-" for standard input.
expect "--version" "$("$command" --version)" "baritemp-convert 2011.1.2.0"
for value in 1e308 -1e308 1e-320 0 1e4000; do
    "$command" "$value" bar --json >"$work/out" 2>/dev/null
    status=$?
    if [ "$status" = 0 ]; then
        python3 -c 'import json, sys
def refuse(constant): sys.exit("not JSON: " + constant)
json.loads(open(sys.argv[1]).read(), parse_constant=refuse)' "$work/out" ||
            fail "--json $value: not JSON"
        echo "--json $value: JSON"
    else
        expect "--json $value: exit $status, standard output" "$(cat "$work/out")" ""
    fi
done
LANG=en_US.UTF-8 "$command" 1 bar --to psi >/dev/full 2>"$work/err"
expect "exit status of a full disk" "$?" 1
expect "a full disk said" "$(cat "$work/err")" "cannot write the output: No space left on device"
expect "a closed pipe stays quiet" \
    "$(seq 1 100000 | "$command" --from bar --to psi 2>&1 >/dev/null | head -1; seq 1 100000 |
       "$command" --from bar --to psi 2>"$work/err" | head -1 >/dev/null; cat "$work/err")" ""
expect "a byte-order mark in a CSV" \
    "$(printf '\xef\xbb\xbfp\n1000\n' | "$command" --csv p --from bar --to psi --locale en_US --decimals 4 | tail -1)" \
    "14503.7738"
expect "a byte-order mark in a stream" \
    "$(printf '\xef\xbb\xbf1\n' | "$command" --from bar --to psi --locale en_US --decimals 4)" "14.5038 psi"
expect "- for standard input, a header in the source unit" \
    "$(printf 'Pressure (bar)\n1\n' | "$command" --csv 'Pressure (bar)' --from bar --to psi --locale en_US - | head -1)" \
    "Pressure (psi)"
"$command" 1 bar --lang XX 2>/dev/null
expect "exit status of an unknown language" "$?" 2
echo "the command as expected"
