# Shared by the end-to-end scripts: a private copy of the program, checks.
# Usage in a script: source lib.sh; setup_copy VIRELAI_EXECUTABLE

set -euo pipefail

fail() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

# Each script works in its own folder with its own copy of the program, so that
# the chart files it writes never meet those of another test.
setup_copy() {
    WORK="$(mktemp -d)"
    trap cleanup EXIT
    cp "$1" "$WORK/virelai"
    if [ -f "$(dirname "$1")/aide.rtf" ]; then
        cp "$(dirname "$1")/aide.rtf" "$WORK/aide.rtf"
    fi
    PROGRAM="$WORK/virelai"
}

CLEANUP_PIDS=()
cleanup() {
    for pid in "${CLEANUP_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$WORK"
}

# The PDF's text in reading order.
pdf_text() {
    pdftotext -enc UTF-8 "$1" -
}

# Every string appears, each after the previous one.
assert_in_order() {
    local text="$1"
    shift
    local rest="$text"
    for wanted in "$@"; do
        case "$rest" in
            *"$wanted"*) rest="${rest#*"$wanted"}" ;;
            *) fail "« $wanted » manque ou n'est pas à sa place" ;;
        esac
    done
}

# landscape or portrait, from the first page's size.
pdf_orientation() {
    pdfinfo "$1" | awk '/^Page size:/ { print ($3 > $5) ? "landscape" : "portrait" }'
}
