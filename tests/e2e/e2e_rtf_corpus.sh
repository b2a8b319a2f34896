#!/usr/bin/env bash
# Help documents written by word processors, shown by the program as the host
# asks for them (type 11, the file next to the program, --pdf), against the
# word processor's own rendering: each document of the list must pass the
# corpus's compare.py (text recall, words in place, page count).
# Usage: e2e_rtf_corpus.sh VIRELAI_EXECUTABLE CORPUS_DIR LIST_FILE
# Exits 77 (skipped) when the corpus folder is absent.
set -euo pipefail

PROGRAM_SOURCE="$1"
CORPUS="$2"
LIST="$3"
SKIPPED=77

if [ ! -d "$CORPUS/corpus" ] || [ ! -f "$CORPUS/compare.py" ]; then
    echo "Corpus RTF absent : le dossier $CORPUS n'existe pas ou n'a pas de compare.py ; test sauté."
    exit $SKIPPED
fi

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
# One copy of the program for every document: help pages write no chart file,
# so the runs can share its folder.
cp "$PROGRAM_SOURCE" "$WORK/virelai"
mapfile -t DOCUMENTS < <(grep -v '^[[:space:]]*\(#\|$\)' "$LIST")
for name in "${DOCUMENTS[@]}"; do
    cp "$CORPUS/corpus/$name.rtf" "$WORK/" || {
        echo "ÉCHEC : $name.rtf manque au corpus" >&2
        exit 1
    }
done

export WORK CORPUS TZ=UTC SOURCE_DATE_EPOCH=1796461500
unset DISPLAY
render_and_compare() {
    local name="$1"
    local report="$WORK/$name.report"
    if ! "$WORK/virelai" --pdf "$WORK/$name.pdf" -- "11,0,$name.rtf,," >"$report" 2>&1; then
        echo "FAIL (le programme a échoué)" >>"$report"
        return 0
    fi
    python3 "$CORPUS/compare.py" "$WORK/$name.pdf" "$CORPUS/reference/$name.pdf" >"$report" 2>&1 || true
}
export -f render_and_compare
printf '%s\n' "${DOCUMENTS[@]}" | xargs -P "$(nproc)" -I{} bash -c 'render_and_compare {}'

failed=0
for name in "${DOCUMENTS[@]}"; do
    report="$WORK/$name.report"
    summary="$(awk '/^(recall|placed)/ { printf "%s %s  ", $1, $2 } /^pages/ { printf "pages %s/%s  ", $2, $4 }' "$report")"
    verdict="$(tail -n 1 "$report")"
    printf '%-26s %s%s\n' "$name" "$summary" "$verdict"
    [ "$verdict" = PASS ] || failed=$((failed + 1))
done
if [ "$failed" -gt 0 ]; then
    echo "ÉCHEC : $failed document(s) de la liste ne passent plus" >&2
    exit 1
fi
