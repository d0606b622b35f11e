#!/usr/bin/env bash
# Brings the translation files up to date with the sources: lupdate adds each new source text to
# every translations/baritemp_<locale>.ts (to be translated there, with Qt Linguist or by hand)
# and drops the texts the sources no longer have; lrelease then compiles each file into the
# baritemp_<locale>.qm beside it, which the build takes as it is. Commit both.
#   bash tools/translations.sh [NEW_LOCALE]   a locale (de) starts that language's file too
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh test >/dev/null
bin=/usr/lib/qt6/bin
if [ $# -gt 0 ]; then
    "$bin/lupdate" -silent -locations none -no-obsolete -target-language "$1" src \
        -ts "translations/baritemp_$1.ts"
fi
for ts in translations/*.ts; do
    "$bin/lupdate" -silent -locations none -no-obsolete src -ts "$ts"
    "$bin/lrelease" -silent -nounfinished "$ts" -qm "${ts%.ts}.qm"
    echo "$ts: $(grep -c 'type="unfinished"' "$ts" || true) texts to translate"
done
