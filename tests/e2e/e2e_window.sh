#!/usr/bin/env bash
# The window as the host starts it: under its own X server, with the class's
# figures on the clipboard, until the page is painted.
# Usage: e2e_window.sh VIRELAI_EXECUTABLE SAMPLES_DIR
source "$(dirname "$0")/lib.sh"
setup_copy "$1"
SAMPLES="$2"
CAPTION="Aide et Suggestions pédagogiques - V2.1.0"
# libxkbcommon-x11 calls strndup on key names that are not NUL-terminated, which
# is allowed; AddressSanitizer's strict string checks take it for an overflow.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"

# wait_for SECONDS COMMAND...: until the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# Without any display the window cannot open: one French line, status 1.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" -- "1,4,a,b," \
    >/dev/null 2>"$WORK/nodisplay" || status=$?
[ "$status" -eq 1 ] || fail "sans affichage, statut $status au lieu de 1"
[ "$(wc -l <"$WORK/nodisplay")" -eq 1 ] && grep -q -- "--pdf" "$WORK/nodisplay" \
    || fail "sans affichage, message inattendu : $(cat "$WORK/nodisplay")"

# As on a desktop: a session's runtime folder, an X server of its own (on a
# display number it chooses itself) and a window manager.
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$WORK/display" >/dev/null 2>&1 &
CLEANUP_PIDS+=($!)
wait_for 20 test -s "$WORK/display" || fail "Xvfb n'a pas démarré"
export DISPLAY=":$(head -n1 "$WORK/display")"
# A window manager that gives up while the new server settles is started again;
# what it said is kept for the failure message.
start_openbox() {
    openbox >>"$WORK/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    CLEANUP_PIDS+=($OPENBOX_PID)
}
openbox_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    kill -0 "$OPENBOX_PID" 2>/dev/null || start_openbox
    return 1
}
start_openbox
wait_for 60 openbox_ready || fail "openbox n'a pas démarré : $(cat "$WORK/openbox.log")"

# Puts the text of FILE on the clipboard; xclip serves it until it is ended.
# Until the new xclip owns the clipboard, the previous owner still answers:
# wait for this file's text, not for any text.
set_clipboard() {
    xclip -quiet -selection clipboard -i "$1" >/dev/null 2>&1 &
    CLEANUP_PIDS+=($!)
    wait_for 60 sh -c 'xclip -selection clipboard -o 2>/dev/null | cmp -s - "$1"' _ "$1" \
        || fail "le presse-papiers ne reçoit pas $(basename "$1")"
}

# start_window REQUEST [OPTION...]: until the page is painted; sets VIRELAI_PID.
start_window() {
    rm -f "$WORK/timing"
    VIRELAI_TIMING=1 "$PROGRAM" "${@:2}" -- "$1" >"$WORK/timing" 2>"$WORK/stderr" &
    VIRELAI_PID=$!
    CLEANUP_PIDS+=($VIRELAI_PID)
    wait_for 60 grep -q "page-shown-ms=" "$WORK/timing" \
        || fail "la page de « $1 » n'a pas été affichée : $(cat "$WORK/stderr")"
    WINDOW=$(timeout 20 xdotool search --sync --name "^$CAPTION\$" | head -n1)
    [ -n "$WINDOW" ] || fail "aucune fenêtre « $CAPTION »"
}

# Qt says nothing on stderr in normal use.
stop_window() {
    kill "$VIRELAI_PID"
    wait "$VIRELAI_PID" 2>/dev/null || true
    [ ! -s "$WORK/stderr" ] || fail "messages sur stderr : $(cat "$WORK/stderr")"
}

# The charts on the screen, counted by their light-yellow walls: the yellow is
# cut out (trimmed to its own band of rows) and its columns counted as runs.
chart_count() {
    convert "$1" -fill black -fuzz 6% +opaque "#FFFF80" -fill white -opaque "#FFFF80" \
        "$WORK/walls.png"
    if [ "$(convert "$WORK/walls.png" -format "%[fx:maxima]" info:)" = 0 ]; then
        echo 0
        return
    fi
    convert "$WORK/walls.png" -trim +repage "$WORK/walls.png"
    convert "$WORK/walls.png" -scale "$(identify -format %w "$WORK/walls.png")x1!" -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 { v = $3 + 0; if (v > 0 && !run) { runs++; run = 1 } else if (v == 0) run = 0 }
                       END { print runs + 0 }'
}

screen_shows_charts() {
    import -window root "$WORK/screen.png" 2>/dev/null && [ "$(chart_count "$WORK/screen.png")" -eq "$1" ]
}

set_clipboard "$SAMPLES/type1.txt"
start_window "1,4,textes narratifs,textes documentaires,"
for n in 1 2 3; do
    [ -s "$WORK/mychart$n.wmf" ] || fail "mychart$n.wmf n'a pas été écrit"
done
# The painted page reaches the screen a moment after the paint itself.
wait_for 20 screen_shows_charts 3 || fail "les trois graphiques ne sont pas à l'écran"
spread=$(convert "$WORK/screen.png" -format "%[fx:standard_deviation]" info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "capture d'écran uniforme"
# Tall enough to read the page, with the program's own icon.
height=$(xdotool getwindowgeometry --shell "$WINDOW" | sed -n 's/^HEIGHT=//p')
[ "$height" -ge 850 ] || fail "fenêtre haute de $height pixels sur 1024"
xprop -id "$WINDOW" _NET_WM_ICON | grep -q "Icon (32 x 32)" || fail "la fenêtre n'a pas d'icône"
# No key sequence reaches the panes under the page: the host's figures stay on
# the clipboard byte for byte.
xdotool windowactivate --sync "$WINDOW"
xdotool key --clearmodifiers Tab ctrl+a ctrl+c shift+Tab ctrl+a ctrl+c Tab Tab ctrl+a ctrl+c
sleep 1
xclip -selection clipboard -o | cmp -s - "$SAMPLES/type1.txt" \
    || fail "les touches ont changé le presse-papiers"
# The teacher copies something else, then sets the page up: the page is built
# again from the figures the host left at start-up.
echo "Un texte copié dans un autre programme" >"$WORK/autre.txt"
set_clipboard "$WORK/autre.txt"
rm -f "$WORK"/mychart*.wmf
xdotool windowactivate --sync "$WINDOW"
xdotool key --clearmodifiers alt+i m
wait_for 20 sh -c "xdotool search --name '^Mise en page\$' >/dev/null" \
    || fail "la mise en page ne s'ouvre pas"
xdotool key Escape
wait_for 20 test -s "$WORK/mychart3.wmf" || fail "la page refaite a perdu ses graphiques"
wait_for 20 screen_shows_charts 3 || fail "la page refaite n'a plus ses trois graphiques"
# Retour vers l'Ecluse ends the program at once, with status 0 for the host.
xdotool windowactivate --sync "$WINDOW"
xdotool key --clearmodifiers alt+r r
timeout 60 tail --pid="$VIRELAI_PID" -f /dev/null || fail "le retour ne termine pas le programme"
status=0
wait "$VIRELAI_PID" || status=$?
[ "$status" -eq 0 ] || fail "retour : statut $status au lieu de 0"
[ ! -s "$WORK/stderr" ] || fail "messages sur stderr : $(cat "$WORK/stderr")"

# A pupil list: no chart on the page, no chart file.
rm -f "$WORK"/mychart*.wmf
set_clipboard "$SAMPLES/type5.txt"
start_window "5,0,Élèves concernés,CE2,"
wait_for 20 screen_shows_charts 0 || fail "un graphique est à l'écran"
[ -z "$(find "$WORK" -maxdepth 1 -name 'mychart*.wmf')" ] || fail "graphique écrit pour le type 5"
stop_window

# --data stands in for the clipboard in the window too.
start_window "10,3,20,8,Résultats de Léa Martin,3" --data "$SAMPLES/type10.txt"
wait_for 20 screen_shows_charts 2 || fail "les deux graphiques du type 10 ne sont pas à l'écran"
stop_window
echo "La fenêtre montre ses pages."
