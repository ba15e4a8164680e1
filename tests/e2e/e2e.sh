#!/usr/bin/env bash
# Plays Varnodel in a real X session as a user would: types a puzzle, solves it, checks
# typed digits' colours on screen, shows the result, saves it through the real save
# dialog, loads a sample through the real open dialog, saves again and quits. The
# saved files must hold exactly the expected bytes.
#   e2e.sh PROGRAM SOLUTION_FILE
set -euo pipefail
. "$(dirname "$0")/xsession.sh"

PROGRAM=$(realpath "$1")
SOLUTION_FILE=$(realpath "$2")
PROGRAM_DIR=$(dirname "$PROGRAM")
WORK=$(mktemp -d)
trap stop_session EXIT

# The 81 cells of a puzzle file as one line, '.' for an open cell.
cells_of() { tr -d '\n' <"$1" | sed 's/\r\r/\r.\r/g; s/^\r/.\r/; s/\r\r/\r.\r/g' | tr -d '\r'; }

# The colour on screen inside puzzle box i, as RRGGBB.
box_colour() {
    local r=$(($1 / 9)) c=$(($1 % 9))
    local x=$((MAIN_X + (1080 + 480 * c + 120 * (c / 3)) / 15 + 4))
    local y=$((MAIN_Y + MENU_H + (840 + 480 * r + 120 * (r / 3)) / 15 + 4))
    import -window root -crop "1x1+$x+$y" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1 | tr -d '#'
}

expect_colour() {
    local got
    got=$(box_colour "$1")
    [ "$got" = "$2" ] || fail "box $1 shows #$got, expected #$2 ($3)"
    echo "ok: box $1 is #$got ($3)"
}

PUZZLE=$(cells_of "$PROGRAM_DIR/puzzle-simple.txt")
SOLUTION=$(cells_of "$SOLUTION_FILE")
[ ${#PUZZLE} -eq 81 ] && [ ${#SOLUTION} -eq 81 ] || fail "could not read the puzzle and its solution"

start_xvfb
APP_LOG="$WORK/app.log"
start_app "$PROGRAM"
echo "ok: main window up on $DISPLAY"

type_puzzle "$PUZZLE"
click_solve
answer_message "Solve"
echo "ok: solved message answered"

# A given is yellow; a wrong digit turns light orange, the right one pale green.
prefix=${PUZZLE%%[1-9]*}
given=${#prefix}
prefix=${PUZZLE%%.*}
open=${#prefix}
right=${SOLUTION:open:1}
wrong=$((right % 9 + 1))
expect_colour "$given" FFFF00 "a given"
click_box "$open"
xdotool key "$wrong"
expect_colour "$open" FFE0C0 "a wrong digit"
xdotool key BackSpace "$right"
expect_colour "$open" C0FFC0 "the right digit"

click_result
click_save
answer_file_dialog "$WORK/solution.txt"
for _ in $(seq 100); do [ -s "$WORK/solution.txt" ] && break; sleep 0.05; done
cmp "$WORK/solution.txt" <(grid_bytes "$SOLUTION") || fail "the saved result differs from the solution"
echo "ok: Show Result then Save File wrote the solution"

click_clear
sample_saves_back

quit_ends_program
echo "1 passed, 0 failed"
