#!/usr/bin/env bash
# Runs `virelai --dump-advice` for every case of a cases file and checks it.
#   check-dump-advice.sh VIRELAI CASES GOLDEN   compare stdout with GOLDEN, line by line
#   check-dump-advice.sh VIRELAI CASES --errors expect exit 2, empty stdout, a message
# A cases line is: name, then the arguments, separated by tabs; an argument
# starting with "@" is a path relative to this folder; "\t" inside an argument
# stands for a tab. Set UPDATE_GOLDEN=1 to
# rewrite GOLDEN from the program (then check the new lines by hand).
set -uo pipefail
virelai="$1"
cases="$2"
expectation="$3"
here="$(cd "$(dirname "$0")" && pwd)"

if [ "$expectation" != "--errors" ] && [ "${UPDATE_GOLDEN:-}" = 1 ]; then
    : > "$expectation"
fi

stderr_file="$(mktemp)"
trap 'rm -f "$stderr_file"' EXIT
failures=0
line_number=0
# Tabs become a non-blank separator so that empty arguments are not merged away.
while IFS=$'\x1f' read -r -a fields; do
    line_number=$((line_number + 1))
    name="${fields[0]}"
    arguments=()
    for argument in "${fields[@]:1}"; do
        case "$argument" in
        @*) arguments+=("$here/${argument#@}") ;;
        *) arguments+=("${argument//\\t/$'\t'}") ;;
        esac
    done
    output="$("$virelai" --dump-advice "${arguments[@]}" 2>"$stderr_file")"
    status=$?
    message="$(cat "$stderr_file")"
    if [ "$expectation" = "--errors" ]; then
        if [ $status -ne 2 ] || [ -n "$output" ] || [ -z "$message" ]; then
            echo "FAIL: $name: exit $status, stdout '${output:0:80}', stderr '$message'"
            failures=$((failures + 1))
        fi
        continue
    fi
    if [ "${UPDATE_GOLDEN:-}" = 1 ]; then
        printf '%s\n' "$output" >> "$expectation"
        continue
    fi
    expected="$(sed -n "${line_number}p" "$expectation")"
    if [ $status -ne 0 ] || [ "$output" != "$expected" ]; then
        echo "FAIL: $name (line $line_number): exit $status $message"
        diff <(printf '%s\n' "$expected" | tr ',' '\n') <(printf '%s\n' "$output" | tr ',' '\n') | head -20
        failures=$((failures + 1))
    fi
done < <(tr '\t' '\037' < "$cases")

if [ "$expectation" != "--errors" ] && [ "${UPDATE_GOLDEN:-}" != 1 ]; then
    golden_lines=$(wc -l < "$expectation")
    if [ "$golden_lines" -ne "$line_number" ]; then
        echo "FAIL: $line_number cases but $golden_lines golden lines"
        failures=$((failures + 1))
    fi
fi
echo "$line_number cases, $failures failed"
[ $failures -eq 0 ]
