#!/usr/bin/env bash
# What --pdf answers besides a page: the help file, a missing help file, nothing
# requested, a request the format cannot carry, bad chart data.
# Usage: e2e_pdf_outcomes.sh VIRELAI_EXECUTABLE SAMPLES_DIR
source "$(dirname "$0")/lib.sh"
setup_copy "$1"
SAMPLES="$2"
unset DISPLAY

# run_pdf NAME REQUEST: sets STATUS and ERRORS
run_pdf() {
    STATUS=0
    "$PROGRAM" --pdf "$WORK/$1.pdf" -- "$2" 2>"$WORK/$1.err" || STATUS=$?
    ERRORS="$(cat "$WORK/$1.err")"
}

[ -f "$WORK/aide.rtf" ] || fail "le fichier d'aide n'est pas à côté du programme"
run_pdf aide "11,0,aide.rtf,,"
[ "$STATUS" -eq 0 ] || fail "aide : statut $STATUS ($ERRORS)"
TEXT="$(pdf_text "$WORK/aide.pdf")"
assert_in_order "$TEXT" "Aide de Virelai" "À quoi sert ce programme ?" "Élèves faibles" \
    "Résultats d'un élève"
case "$TEXT" in *"Suggestions pédagogiques du"*) fail "l'aide porte un pied de page" ;; esac

run_pdf absent "-3,0,absent.rtf,,"
[ "$STATUS" -eq 1 ] || fail "aide absente : statut $STATUS au lieu de 1"
case "$ERRORS" in
    *"Impossible d'ouvrir le fichier $WORK/absent.rtf"*) ;;
    *) fail "aide absente : message « $ERRORS »" ;;
esac
[ ! -e "$WORK/absent.pdf" ] || fail "aide absente : un PDF a été écrit"

mkdir "$WORK/dossier.rtf"
run_pdf dossier "12,0,dossier.rtf,,"
[ "$STATUS" -eq 1 ] || fail "dossier pris pour une aide : statut $STATUS"

run_pdf rien "0,1,a,b,"
[ "$STATUS" -eq 3 ] || fail "type 0 : statut $STATUS au lieu de 3"
[ ! -e "$WORK/rien.pdf" ] || fail "type 0 : un PDF a été écrit"

run_pdf trop "40000,1,a,b,"
[ "$STATUS" -eq 2 ] || fail "type hors limites : statut $STATUS au lieu de 2"
[ -n "$ERRORS" ] || fail "type hors limites : aucun message"

# Chart data that cannot be carried: one message, the page with notices.
printf '1|60|1{T}' >"$WORK/mauvais.txt"
STATUS=0
"$PROGRAM" --pdf "$WORK/mauvais.pdf" --data "$WORK/mauvais.txt" -- "2,1,20,," \
    2>"$WORK/mauvais.err" || STATUS=$?
[ "$STATUS" -eq 0 ] || fail "données illisibles : statut $STATUS"
[ "$(grep -c . "$WORK/mauvais.err")" -ge 1 ] || fail "données illisibles : aucun message"
assert_in_order "$(pdf_text "$WORK/mauvais.pdf")" "Profil de la classe" "Graphique non disponible" \
    "Proposition"

# An earlier run's picture is never shown as this one's.
cp "$SAMPLES/type2.txt" "$WORK/profil.txt"
"$PROGRAM" --pdf "$WORK/avant.pdf" --data "$WORK/profil.txt" -- "2,1,20,," 2>/dev/null
[ -s "$WORK/mychart1.wmf" ] || fail "le graphique n'a pas été écrit"
assert_in_order "$(pdf_text "$WORK/avant.pdf")" "Profil de la classe : textes narratifs"
"$PROGRAM" --pdf "$WORK/apres.pdf" -- "2,1,20,," 2>/dev/null
TEXT="$(pdf_text "$WORK/apres.pdf")"
case "$TEXT" in *"Profil de la classe : textes narratifs"*) fail "ancien graphique affiché" ;; esac
assert_in_order "$TEXT" "Graphique non disponible"
# A hundred bytes of empty, widely spaced paragraphs, as a help file and as a
# pupil list: each page is laid out in bounded pieces and the PDF is written.
printf '{\\rtf1\\sb31680\\sa31680%s}' "$(printf '\\par%.0s' $(seq 20))" >"$WORK/espaces.rtf"
[ "$(wc -c <"$WORK/espaces.rtf")" -eq 103 ] || fail "entrée espacée mal écrite"
for request in "11,0,espaces.rtf,," "5,0,Liste,CE2," "8,0,Liste,textes documentaires,"; do
    STATUS=0
    timeout 60 "$PROGRAM" --pdf "$WORK/espaces.pdf" --data "$WORK/espaces.rtf" -- "$request" \
        2>/dev/null || STATUS=$?
    [ "$STATUS" -eq 0 ] || fail "paragraphes vides espacés ($request) : statut $STATUS"
done
echo "Toutes les issues sont conformes."
