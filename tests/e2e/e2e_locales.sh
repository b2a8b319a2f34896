#!/usr/bin/env bash
# The host's numbers and the page's figures do not follow the desktop's locale:
# under French, German and Turkish locales the request table, the chart files and
# the pages of types 1 and 10 are exactly those of the C locale.
# Usage: e2e_locales.sh VIRELAI_EXECUTABLE SAMPLES_DIR GOLDEN_DIR
source "$(dirname "$0")/lib.sh"
setup_copy "$1"
SAMPLES="$2"
GOLDEN="$3"
export TZ=UTC SOURCE_DATE_EPOCH=1796461500
unset DISPLAY LANG LANGUAGE

# A locale that the system cannot set would silently run as C: refuse it.
require_locale() {
    local wanted="${1%.UTF-8}"
    locale -a | grep -qix "$wanted.utf8" \
        || fail "la locale $1 n'est pas installée (scripts/install-deps la génère)"
}

# pages LOCALE: the pages of types 1 and 10 and their chart files, in $WORK/LOCALE/
pages() {
    local out="$WORK/$1"
    mkdir -p "$out"
    rm -f "$WORK"/mychart*.wmf
    LC_ALL="$1" "$PROGRAM" --pdf "$out/type1.pdf" --data "$SAMPLES/type1.txt" \
        -- "1,4,textes narratifs,textes documentaires," || fail "$1 : type 1 a rendu $?"
    cp "$WORK"/mychart*.wmf "$out/"
    pdf_text "$out/type1.pdf" > "$out/type1.txt"
    LC_ALL="$1" "$PROGRAM" --pdf "$out/type10.pdf" --data "$SAMPLES/type10.txt" \
        -- "10,3,20,8,Résultats de Léa Martin,3" || fail "$1 : type 10 a rendu $?"
    for chart in 1 2; do cp "$WORK/mychart$chart.wmf" "$out/type10-mychart$chart.wmf"; done
    pdf_text "$out/type10.pdf" > "$out/type10.txt"
}

pages C.UTF-8
# The decimals that a locale-following reader loses.
grep -q "13,2" "$WORK/C.UTF-8/type10.txt" || fail "C : 13,2 manque sur la page du type 10"
for name in fr_FR.UTF-8 de_DE.UTF-8 tr_TR.UTF-8; do
    require_locale "$name"
    LC_ALL="$name" bash "$GOLDEN/check-dump-advice.sh" "$PROGRAM" "$GOLDEN/dump-advice.cases" \
        "$GOLDEN/dump-advice.jsonl" > "$WORK/golden.log" \
        || { cat "$WORK/golden.log"; fail "$name : les requêtes ne se lisent pas comme en C"; }
    pages "$name"
    for file in "$WORK/C.UTF-8"/*.txt "$WORK/C.UTF-8"/*.wmf; do
        cmp -s "$file" "$WORK/$name/$(basename "$file")" \
            || fail "$name : $(basename "$file") diffère de celui de la locale C"
    done
    echo "$name : comme en C"
done
