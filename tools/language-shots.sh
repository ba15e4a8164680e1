#!/usr/bin/env bash
# Screenshots of Varnodel speaking one language, in a private X session, to look at
# for cut-off texts:  tools/language-shots.sh PROGRAM LANGUAGE OUTDIR [FONT_POINTS]
#   1-stalled.png  a sample that needs more than elimination, with its message
#   2-grid.png     the window with the Possible Numbers grid
#   3-dialog.png   Get File's dialog
#   4-refusal.png  the refusal of a file that is no puzzle (the help file)
#   5-help.png     the help window's first page
#   6-hint.png     the hint (F2) for that sample
# With FONT_POINTS, Qt's GTK theme (qt6-gtk-platformtheme) gives the program a desktop
# font of that size, as a player who set a larger font would have.
set -u
program=$(realpath "$1")
language=$2
out=$(realpath -m "$3")
mkdir -p "$out"
cd "$(dirname "$0")/.."
. tests/e2e/xsession.sh
WORK=$(mktemp -d)
export HOME="$WORK" XDG_CONFIG_HOME="$WORK/.config" LANGUAGE="$language" LC_ALL=C.UTF-8
if [ -n "${4:-}" ]; then
    mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
    printf '[Settings]\ngtk-font-name=Sans %s\n' "$4" >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
    export QT_QPA_PLATFORMTHEME=gtk3
fi
start_xvfb
start_app "$program"
shot() { sleep 0.6; import -window root "$out/$1"; echo "$out/$1"; }

click_get
answer_file_dialog "puzzle-expert.txt"
wait_for_window '^Varnodel$' >/dev/null
shot 1-stalled.png
answer_message "Get File"
shot 2-grid.png
click_get
wait_for_window '.' >/dev/null
shot 3-dialog.png
answer_file_dialog "GrdHelp.det"
wait_for_window '^Varnodel$' >/dev/null
shot 4-refusal.png
answer_message "the refusal"
# The menu's access key differs from language to language: the menu is clicked.
xdotool mousemove --window "$MAIN" 20 $((MENU_H / 2)) click 1
sleep 0.5
xdotool mousemove --window "$MAIN" 40 $((MENU_H + 12)) click 1
sleep 0.8
shot 5-help.png
xdotool key Escape
sleep 0.5
xdotool windowfocus --sync "$MAIN" key F2
wait_for_window '^Varnodel$' >/dev/null
shot 6-hint.png
