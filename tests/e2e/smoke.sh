#!/usr/bin/env bash
# Starts an installed Varnodel in a private X session as the player starts it, opens its
# help window (which must find its help file), loads a sample puzzle through Get File,
# saves it back and quits. Run by the package check on the unpacked package and by
# Debian's CI (debian/tests) on the installed one.
#   smoke.sh COMMAND    (the link the player types, /usr/games/varnodel when installed)
set -euo pipefail
. "$(dirname "$0")/xsession.sh"

PROGRAM=$1
PROGRAM_DIR=$(dirname "$(realpath "$PROGRAM")")
WORK=$(mktemp -d)
trap stop_session EXIT

start_xvfb
APP_LOG="$WORK/app.log"
start_app "$PROGRAM"
echo "ok: $PROGRAM starts"

xdotool mousemove --sync $((MAIN_X + 20)) $((MAIN_Y + MENU_H / 2)) click 1
sleep 0.3
xdotool key Down Return
help=$(wait_for_window '^Help Information$') || fail "the help window did not open"
sleep 1 # a problem with the help file would show a message box by now
[ -z "$(xdotool search --onlyvisible --name '^Varnodel$' | grep -vx "$MAIN")" ] \
    || fail "the program could not read its help file"
xdotool windowfocus --sync "$help" key Escape
wait_gone '^Help Information$'
xdotool windowfocus --sync "$MAIN"
echo "ok: the help window finds its file"

sample_saves_back

quit_ends_program
