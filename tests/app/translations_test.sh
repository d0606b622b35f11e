#!/usr/bin/env bash
# Every text of the sources has its translation in every language's file, and the files hold
# nothing else: lupdate reads the sources into a copy of each file, which must come out the same,
# with no unfinished translation. The compiled file beside each (the one the build takes) is
# what lrelease makes of it.
#   translations_test.sh LUPDATE LRELEASE SOURCE_DIR
set -uo pipefail
lupdate=$1
lrelease=$2
source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source"/translations/*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none -no-obsolete "$source/src" -ts "$copy" >/dev/null 2>&1 ||
        { echo "FAIL: lupdate cannot read the sources for $(basename "$ts")"; exit 1; }
    if grep -q 'type="unfinished"' "$copy"; then
        echo "FAIL: $(basename "$ts") lacks translations:"
        grep -B2 'type="unfinished"' "$copy" | grep '<source>'
        status=1
    fi
    if ! cmp -s "$ts" "$copy"; then
        echo "FAIL: $(basename "$ts") is not what the sources give:"
        diff "$ts" "$copy" | head -20
        status=1
    fi
    "$lrelease" -silent -nounfinished "$ts" -qm "$work/compiled.qm" >/dev/null 2>&1
    if ! cmp -s "$work/compiled.qm" "${ts%.ts}.qm"; then
        echo "FAIL: $(basename "${ts%.ts}.qm") is not $(basename "$ts") compiled:" \
            "bash tools/translations.sh makes it"
        status=1
    fi
    echo "$(basename "$ts"): $(grep -c '<message>' "$ts") texts, every one translated"
done
exit $status
