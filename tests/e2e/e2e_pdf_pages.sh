#!/usr/bin/env bash
# Every document type through --pdf, without any display: texts, their order,
# orientation, footer with a fixed moment, and the chart files written.
# Usage: e2e_pdf_pages.sh VIRELAI_EXECUTABLE SAMPLES_DIR
source "$(dirname "$0")/lib.sh"
setup_copy "$1"
SAMPLES="$2"
export TZ=UTC SOURCE_DATE_EPOCH=1796461500 # 05-12-2026 at 09:05
unset DISPLAY
FOOTER="Suggestions pédagogiques du : 05-12-2026 à 09:05"
VERSION="Document réalisé par le logiciel 'Virelai' V2.1.0"
CAPTION=$'\nProposition\n' # the caption alone on its line

# build TYPE REQUEST: the page of the sample of that type, as $WORK/typeN.pdf
build() {
    local pdf="$WORK/type$1.pdf"
    rm -f "$WORK"/mychart*.wmf
    "$PROGRAM" --pdf "$pdf" --data "$SAMPLES/type$1.txt" -- "$2" \
        || fail "type $1 : le programme a rendu $?"
    [ -s "$pdf" ] || fail "type $1 : pas de PDF"
    TEXT="$(pdf_text "$pdf")"
}

expect_charts() {
    local count
    count=$(find "$WORK" -maxdepth 1 -name 'mychart*.wmf' | wc -l)
    [ "$count" -eq "$1" ] || fail "$count fichiers de graphique au lieu de $1"
}

build 1 "1,4,textes narratifs,textes documentaires,"
assert_in_order "$TEXT" "Moyenne de la classe" "Suggestions Pédagogiques" "Textes narratifs" \
    "Textes documentaires" "Recherche d'informations" "$CAPTION" \
    "sur les textes narratifs et sur les textes documentaires" "-1" "$FOOTER" "$VERSION"
[ "$(pdf_orientation "$WORK/type1.pdf")" = portrait ] || fail "type 1 n'est pas en portrait"
expect_charts 3

for t in 2 3 4; do
    case $t in
        2) request="2,1,20,Note," heading="Profil de la classe pour les textes Narratifs" ;;
        3) request="3,5,10,," heading="Profil de la classe pour les textes Documentaires" ;;
        4) request="4,2,20,," heading="Profil de la classe pour l'Aptitude à la Recherche" ;;
    esac
    build $t "$request"
    assert_in_order "$TEXT" "$heading" "$CAPTION" "$FOOTER" "$VERSION"
    [ "$(pdf_orientation "$WORK/type$t.pdf")" = portrait ] || fail "type $t n'est pas en portrait"
    expect_charts 1
done

build 5 "5,0,Élèves concernés (CE2 B),CE2,"
# The two columns may come out in either order: each is checked on its own.
assert_in_order "$TEXT" "Elèves faibles en compréhension générale" "Élèves concernés (CE2 B)" \
    "BERNARD Chloé" "ROUSSEAU Inès" "$FOOTER"
assert_in_order "$TEXT" "Elèves faibles en compréhension générale" "$CAPTION" "$FOOTER"
build 6 "6,0,Élèves lents (CM1 A),CM1,"
assert_in_order "$TEXT" "Elèves faibles en vitesse de lecture" "Élèves lents (CM1 A)" \
    "GARNIER Lucas" "$FOOTER"
assert_in_order "$TEXT" "Elèves faibles en vitesse de lecture" "$CAPTION" "$FOOTER"
for t in 7 8 9; do
    case $t in
        7) domain="textes narratifs" pupil="CHEVALIER Hugo" ;;
        8) domain="textes documentaires" pupil="GIRARD Océane" ;;
        9) domain="la recherche d'informations" pupil="DUPUIS Héloïse" ;;
    esac
    build $t "$t,0,Élèves marqués d'une croix,$domain,"
    assert_in_order "$TEXT" "Elèves faibles en $domain" "Élèves marqués d'une croix" "Trim" \
        "1 2 3" "$pupil" "$FOOTER"
    assert_in_order "$TEXT" "Elèves faibles en $domain" "$CAPTION" "$FOOTER"
done
for t in 5 6 7 8 9; do
    [ "$(pdf_orientation "$WORK/type$t.pdf")" = landscape ] || fail "type $t n'est pas en paysage"
done

build 10 "10,3,20,8,Résultats de Léa Martin,3"
assert_in_order "$TEXT" "Résultats par type de compréhension" "Performances cumulées sur 3 épreuves." \
    "$CAPTION" "$FOOTER" "$VERSION"
[ "$(pdf_orientation "$WORK/type10.pdf")" = landscape ] || fail "type 10 n'est pas en paysage"
expect_charts 2
echo "Toutes les pages sont conformes."
