#!/usr/bin/env bash
# What --pdf answers besides a page: the help file, a missing help file, nothing
# requested, a request the format cannot carry, bad chart data, missing charts,
# an output that is the data file or not a file, copies started together.
# Usage: e2e_pdf_outcomes.sh VIRELAI_EXECUTABLE SAMPLES_DIR
source "$(dirname "$0")/lib.sh"
setup_copy "$1"
SAMPLES="$2"
unset DISPLAY

# run_pdf NAME REQUEST [OPTION...]: writes $WORK/NAME.pdf, a hang bounded; sets STATUS, ERRORS
run_pdf() {
    STATUS=0
    timeout 60 "$PROGRAM" --pdf "$WORK/$1.pdf" "${@:3}" -- "$2" 2>"$WORK/$1.err" || STATUS=$?
    ERRORS="$(cat "$WORK/$1.err")"
}

[ -f "$WORK/aide.rtf" ] || fail "le fichier d'aide n'est pas à côté du programme"
run_pdf aide "11,0,aide.rtf,,"
[ "$STATUS" -eq 0 ] || fail "aide : statut $STATUS ($ERRORS)"
TEXT="$(pdf_text "$WORK/aide.pdf")"
assert_in_order "$TEXT" "Aide de Virelai" "À quoi sert ce programme ?" "Élèves faibles" \
    "Résultats d'un élève"
case "$TEXT" in *"Suggestions pédagogiques du"*) fail "l'aide porte un pied de page" ;; esac

# A help file longer than the pages a document may have: the pages that fit,
# and one line on stderr that says the rest is not shown.
{
    printf '{\\rtf1\\fs1200 '
    for _ in $(seq 510); do printf 'a\\par '; done
    printf '}'
} >"$WORK/longue.rtf"
run_pdf longue "11,0,longue.rtf,,"
[ "$STATUS" -eq 0 ] || fail "aide trop longue : statut $STATUS ($ERRORS)"
[ "$(pdfinfo "$WORK/longue.pdf" | awk '/^Pages:/ { print $2 }')" -eq 500 ] \
    || fail "aide trop longue : pas 500 pages"
TOLD="Le document ne montre pas tout son texte : un texte plus long que 500 pages est coupé"
[ "$(grep -c "$TOLD" "$WORK/longue.err")" -eq 1 ] || fail "aide trop longue : message « $ERRORS »"

run_pdf absent "-3,0,absent.rtf,,"
[ "$STATUS" -eq 1 ] || fail "aide absente : statut $STATUS au lieu de 1"
case "$ERRORS" in
    *"Impossible d'ouvrir le fichier $WORK/absent.rtf"*) ;;
    *) fail "aide absente : message « $ERRORS »" ;;
esac
[ ! -e "$WORK/absent.pdf" ] || fail "aide absente : un PDF a été écrit"

# An output named as the data file is refused: the pupils' list stays.
cp "$SAMPLES/type5.txt" "$WORK/liste.pdf"
run_pdf liste "5,0,Élèves,CE2," --data "$WORK/liste.pdf"
[ "$STATUS" -eq 1 ] || fail "sortie sur les données : statut $STATUS au lieu de 1"
cmp -s "$SAMPLES/type5.txt" "$WORK/liste.pdf" || fail "les données ont été remplacées"

mkdir "$WORK/dossier.rtf"
run_pdf dossier "12,0,dossier.rtf,,"
[ "$STATUS" -eq 1 ] || fail "dossier pris pour une aide : statut $STATUS"

run_pdf rien "0,1,a,b,"
[ "$STATUS" -eq 3 ] || fail "type 0 : statut $STATUS au lieu de 3"
[ ! -e "$WORK/rien.pdf" ] || fail "type 0 : un PDF a été écrit"

run_pdf trop "40000,1,a,b,"
[ "$STATUS" -eq 2 ] || fail "type hors limites : statut $STATUS au lieu de 2"
[ -n "$ERRORS" ] || fail "type hors limites : aucun message"

# Chart data that cannot be carried: one message, the page with notices, status 4.
printf '1|60|1{T}' >"$WORK/mauvais.txt"
run_pdf mauvais "2,1,20,," --data "$WORK/mauvais.txt"
[ "$STATUS" -eq 4 ] || fail "données illisibles : statut $STATUS au lieu de 4"
[ -n "$ERRORS" ] || fail "données illisibles : aucun message"
assert_in_order "$(pdf_text "$WORK/mauvais.pdf")" "Profil de la classe" "Graphique non disponible" \
    "Proposition"

# An earlier run's picture is never shown as this one's. A killed run's
# temporary picture is removed at the next build once a minute old; a younger
# one may be another copy's, writing now.
cp "$SAMPLES/type2.txt" "$WORK/profil.txt"
touch -d '2 minutes ago' "$WORK/mychart1.wmf.99999.tmp" "$WORK/notes.99999.tmp"
touch "$WORK/mychart2.wmf.99998.tmp"
run_pdf avant "2,1,20,," --data "$WORK/profil.txt"
[ -s "$WORK/mychart1.wmf" ] || fail "le graphique n'a pas été écrit"
[ ! -e "$WORK/mychart1.wmf.99999.tmp" ] || fail "fichier temporaire abandonné laissé en place"
[ -e "$WORK/mychart2.wmf.99998.tmp" ] || fail "fichier temporaire récent supprimé"
[ -e "$WORK/notes.99999.tmp" ] || fail "fichier d'un autre programme supprimé"
assert_in_order "$(pdf_text "$WORK/avant.pdf")" "Profil de la classe : textes narratifs"
run_pdf apres "2,1,20,,"
[ "$STATUS" -eq 4 ] || fail "graphique manquant : statut $STATUS au lieu de 4"
TEXT="$(pdf_text "$WORK/apres.pdf")"
case "$TEXT" in *"Profil de la classe : textes narratifs"*) fail "ancien graphique affiché" ;; esac
assert_in_order "$TEXT" "Graphique non disponible"

# An output that exists and is not a regular file is refused, never replaced.
# The device is the test's own node (a FIFO without the right to make one), so
# that a fault here can never replace the system's /dev/full.
DEVICE="$WORK/full.pdf"
mknod "$DEVICE" c 1 7 2>/dev/null || mkfifo "$DEVICE"
run_pdf full "2,1,20,," --data "$WORK/profil.txt"
[ "$STATUS" -eq 1 ] || fail "périphérique : statut $STATUS au lieu de 1"
[ -c "$DEVICE" ] || [ -p "$DEVICE" ] || fail "le périphérique a été remplacé"
case "$ERRORS" in
    *"Impossible d'écrire le fichier PDF $DEVICE : ce n'est pas un fichier ordinaire"*) ;;
    *) fail "périphérique : message « $ERRORS »" ;;
esac

# Copies started together from one folder each show their own charts: every
# copy's PDF carries its three chart titles and none of another copy's.
copies_data() {
    local copy="$1" k
    printf '3|1|1'
    for k in 1 2 3; do
        printf '{Copie %s graphique %s}{Classe}{%s}{0,0,255}{A}' "$copy" "$k" "$k"
    done
}
for copy in A B C D; do copies_data "$copy" >"$WORK/copie$copy.txt"; done
for copies in "A B" "A B C D"; do
    for round in $(seq 1 10); do
        pids=()
        for copy in $copies; do
            "$PROGRAM" --pdf "$WORK/copie$copy.pdf" --data "$WORK/copie$copy.txt" \
                -- "1,4,a,b," 2>"$WORK/copie$copy.err" &
            pids+=("$!")
        done
        for pid in "${pids[@]}"; do
            wait "$pid" || fail "copies ensemble (tour $round) : statut $?"
        done
        for copy in $copies; do
            TEXT="$(pdf_text "$WORK/copie$copy.pdf")"
            ! grep -q "Impossible" "$WORK/copie$copy.err" || fail "copie $copy : $(cat "$WORK/copie$copy.err")"
            assert_in_order "$TEXT" "Copie $copy graphique 1" "Copie $copy graphique 2" \
                "Copie $copy graphique 3"
            for other in $copies; do
                [ "$other" = "$copy" ] && continue
                case "$TEXT" in
                    *"Copie $other graphique"*) fail "tour $round : la copie $copy montre $other" ;;
                esac
            done
        done
    done
done

# A hundred bytes of empty, widely spaced paragraphs, as a help file and as a
# pupil list: each page is laid out in bounded pieces and the PDF is written.
printf '{\\rtf1\\sb31680\\sa31680%s}' "$(printf '\\par%.0s' $(seq 20))" >"$WORK/espaces.rtf"
[ "$(wc -c <"$WORK/espaces.rtf")" -eq 103 ] || fail "entrée espacée mal écrite"
for request in "11,0,espaces.rtf,," "5,0,Liste,CE2," "8,0,Liste,textes documentaires,"; do
    run_pdf espaces "$request" --data "$WORK/espaces.rtf"
    [ "$STATUS" -eq 0 ] || fail "paragraphes vides espacés ($request) : statut $STATUS"
done
echo "Toutes les issues sont conformes."
