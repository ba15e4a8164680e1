#!/usr/bin/env bash
# Plays Varnodel under the Orca screen reader in a private X session and prints what
# Orca says after each step: a sample loaded, a given and an open cell reached, a
# right and a wrong digit typed, a given refusing a digit, a stalled solve with the
# candidate grid, the grid copied, pasted back (which solves it) and solved again, the
# help window and two turned pages.
#   orca-speech.sh PROGRAM SOLUTION_OF_THE_SIMPLE_SAMPLE [--check]
# With --check, it fails unless every utterance a player needs was heard. It exits
# with 77 where Orca is not installed.
#
# Everything runs in its own session bus, accessibility bus, X server and home folder,
# so a screen reader the user runs is neither reached nor replaced, and the user's
# Orca settings are never touched. Orca speaks to no speech server here: it writes
# every utterance to its debug file as "SPEECH OUTPUT", which is what is read back.
set -euo pipefail

ORCA=$(command -v orca || true)
# Orca's own interpreter, which has its modules.
PYTHON=$([ -n "$ORCA" ] && head -n1 "$ORCA" | sed 's/^#! *//')
if [ -z "$ORCA" ] || ! $PYTHON -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: Orca is not installed"
    exit 77
fi
if [ -z "${ORCA_SPEECH_BUS:-}" ]; then
    ORCA_SPEECH_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

. "$(dirname "$0")/../tests/e2e/xsession.sh"

PROGRAM=$(realpath "$1")
SOLUTION_FILE=$(realpath "$2")
CHECK=${3:-}
PROGRAM_DIR=$(dirname "$PROGRAM")
WORK=$(mktemp -d)

export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_CACHE_HOME="$WORK/home/.cache" XDG_RUNTIME_DIR="$WORK/run" GSETTINGS_BACKEND=memory
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM

stop_all() {
    [ -n "${ORCA_LOG_COPY:-}" ] && [ -n "${LOG:-}" ] && cp "$LOG" "$ORCA_LOG_COPY"
    # The private Orca may hang on the way out when its buses are gone; it keeps nothing.
    [ -n "${ORCA_PID:-}" ] && kill -KILL "$ORCA_PID" 2>/dev/null
    [ -n "${BUS_PID:-}" ] && kill "$BUS_PID" 2>/dev/null
    stop_session
}

# A private copy of Orca: the launcher refuses to start beside another Orca of the same
# user and names itself "orca", which `orca --replace` ends; this copy does neither, and
# writes its debug file a line at a time, so that it can be read as Orca goes.
sed -e 's/^def otherOrcas():/def otherOrcas():\n    return []\n\ndef _systemOrcas():/' \
    -e "s/setProcessName('orca')/setProcessName('orca-check')/" \
    -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" "$ORCA" >"$WORK/orca-check"

start_xvfb
trap stop_all EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
BUS_PID=$!
sleep 1
LOG="$WORK/orca.log"
$PYTHON "$WORK/orca-check" --debug-file "$LOG" -u "$WORK/orca-prefs" >"$WORK/orca.out" 2>&1 &
ORCA_PID=$!
# Orca is up once it has said so.
for _ in $(seq 300); do
    grep -q "SPEECH OUTPUT: 'Screen reader on" "$LOG" 2>/dev/null && break
    kill -0 "$ORCA_PID" 2>/dev/null || fail "Orca did not start: $(tail -n3 "$WORK/orca.out")"
    sleep 0.1
done
sleep 1

TRANSCRIPT="$WORK/transcript.txt"
: >"$TRANSCRIPT"
SEEN=0
# Waits for Orca to finish speaking, then prints and records what it said since the
# last step, one utterance a line.
# Waits until Orca has finished, that is, its debug file has stopped growing for a second.
settle() {
    local size last=-1 quiet=0
    for _ in $(seq 150); do
        sleep 0.1
        size=$(stat -c %s "$LOG")
        if [ "$size" = "$last" ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 10 ] && break
        else
            quiet=0
            last=$size
        fi
    done
}

heard() {
    settle
    utterances >"$WORK/said"
    echo "== $1" | tee -a "$TRANSCRIPT"
    tail -n +$((SEEN + 1)) "$WORK/said" | sed 's/^/    /' | tee -a "$TRANSCRIPT"
    SEEN=$(wc -l <"$WORK/said")
}

# Every utterance in Orca's debug file so far, one a line.
utterances() {
    perl -0777 -ne 'while (/SPEECH OUTPUT: \x27(.*?)\x27 ?(?:voice=\w+ ?)?\{/sg) {
        (my $u = $1) =~ s/\s*\n\s*/ \/ /g; print "$u\n" }' "$LOG"
}

# The 81 cells of a puzzle file as one line, '.' for an open cell.
cells_of() { tr -d '\n' <"$1" | sed 's/\r\r/\r.\r/g; s/^\r/.\r/; s/\r\r/\r.\r/g' | tr -d '\r'; }
PUZZLE=$(cells_of "$PROGRAM_DIR/puzzle-simple.txt")
SOLUTION=$(cells_of "$SOLUTION_FILE")
prefix=${PUZZLE%%[1-9]*}
GIVEN=${#prefix}
prefix=${PUZZLE%%.*}
OPEN=${#prefix}
RIGHT=${SOLUTION:OPEN:1}
WRONG=$((RIGHT % 9 + 1))

# Answers the message box in front with Enter, as a player would.
press_ok() {
    local box
    box=$(wait_for_window '^Varnodel$') || fail "no message box appeared"
    xdotool windowfocus --sync "$box" key Return
    wait_gone '^Varnodel$'
    give_focus_back
}

# The session has no window manager, so the script gives the window the focus back when
# a dialog over it closes, as a window manager would.
give_focus_back() {
    xdotool windowfocus "$MAIN" 2>/dev/null || true
}

# Get File by its access key, a sample's name typed into the open dialog.
get_file() {
    xdotool key alt+g
    local dialog name
    dialog=$(wait_for_window '.') || fail "no file dialog appeared"
    name=$(xdotool getwindowname "$dialog")
    settle
    xdotool key ctrl+a
    # Typed as a player does who hears each letter; a burst of typing floods a screen
    # reader no matter what the program does.
    xdotool type --delay 150 "$1"
    settle
    xdotool key Return
    # Every load ends in a message, which takes the focus itself; giving it to the main
    # window here could take it from the message before a screen reader has read it.
    wait_gone "^$name\$"
}

APP_LOG="$WORK/app.log"
start_app "$PROGRAM"
heard "Varnodel starts"

get_file puzzle-simple.txt
wait_for_window '^Varnodel$' >/dev/null || fail "no message after the load"
heard "Get File loads puzzle-simple.txt and solves it"
press_ok
heard "Enter closes the message"

# F6 brings the focus to the first puzzle box; Tab and Shift+Tab step through the grid.
xdotool key F6
heard "F6 to cell 1"
[ "$GIVEN" -gt 0 ] && xdotool key --delay 100 $(printf 'Tab %.0s' $(seq "$GIVEN"))
heard "onto a given: cell $((GIVEN + 1))"
if [ "$OPEN" -gt "$GIVEN" ]; then
    xdotool key --delay 100 $(printf 'Tab %.0s' $(seq $((OPEN - GIVEN))))
else
    xdotool key --delay 100 $(printf 'shift+Tab %.0s' $(seq $((GIVEN - OPEN))))
fi
heard "onto an open cell: cell $((OPEN + 1))"
xdotool key "$RIGHT"
heard "types the right digit $RIGHT"
xdotool key BackSpace "$WRONG"
heard "deletes it and types the wrong digit $WRONG"
if [ "$OPEN" -gt "$GIVEN" ]; then
    xdotool key --delay 100 $(printf 'shift+Tab %.0s' $(seq $((OPEN - GIVEN))))
else
    xdotool key --delay 100 $(printf 'Tab %.0s' $(seq $((GIVEN - OPEN))))
fi
heard "back onto the given"
xdotool key 5
wait_for_window '^Varnodel$' >/dev/null || fail "no refusal"
heard "types 5 into the given"
press_ok
heard "Enter closes the message"

get_file puzzle-expert.txt
wait_for_window '^Varnodel$' >/dev/null || fail "no message after the load"
heard "Get File loads puzzle-expert.txt, whose solve stalls"
press_ok
heard "Enter closes the message"
# The candidate grid follows the buttons in the Tab order: Shift+Tab from the first
# puzzle box goes round to its last box.
xdotool key F6
xdotool key --delay 100 $(printf 'shift+Tab %.0s' $(seq $((GIVEN + 3))))
heard "Shift+Tab back to the candidate grid"
xdotool key Up
heard "Up"
xdotool key ctrl+shift+c
xdotool key ctrl+shift+v
wait_for_window '^Varnodel$' >/dev/null || fail "no message after the paste"
heard "Ctrl+Shift+C copies the grid, Ctrl+Shift+V pastes it back and solves it"
press_ok
heard "Enter closes the message"
xdotool key alt+o
wait_for_window '^Varnodel$' >/dev/null || fail "no message after the solve"
heard "Solve by Alt+O"
press_ok
heard "Enter closes the message"

xdotool key alt+h i
wait_for_window '^Help Information$' >/dev/null || fail "the help window did not open"
heard "Help, Info opens the help window"
xdotool key alt+n
heard "Next"
xdotool key alt+n
heard "Next again"
xdotool key Escape
heard "Escape closes the help window"

echo "(the whole transcript: $(grep -c '^    ' "$TRANSCRIPT") utterances)"

[ "$CHECK" = "--check" ] || exit 0
# What a player must have heard, each as a pattern over the transcript of one step.
step() { awk -v s="== $1" '$0 == s {on = 1; next} /^== / {on = 0} on' "$TRANSCRIPT"; }
expect() {
    step "$1" | tr '\n' ' ' | tr -s ' ' | grep -qE "$2" || fail "after '$1' Orca did not say /$2/"
}
expect "Get File loads puzzle-simple.txt and solves it" "Solved"
expect "onto a given: cell $((GIVEN + 1))" "Cell $((GIVEN + 1)),.*${PUZZLE:GIVEN:1}.*given"
expect "types the right digit $RIGHT" "right"
expect "deletes it and types the wrong digit $WRONG" "wrong"
expect "types 5 into the given" "This is Already a Number"
expect "onto an open cell: cell $((OPEN + 1))" "Cell $((OPEN + 1)),.* empty"
expect "Get File loads puzzle-expert.txt, whose solve stalls" "This one is not so simple"
expect "Up" "Possible numbers, row 8, column 9 text\. [1-9]+\. [1-9, ]+and [1-9]"
expect "Ctrl+Shift+C copies the grid, Ctrl+Shift+V pastes it back and solves it" "This one is not so simple"
expect "Solve by Alt+O" "This one is not so simple"
expect "Help, Info opens the help window" "WELCOME TO VARNODEL"
expect "Next" "ENTERING A PUZZLE"
expect "Next again" "SOLVE"
[ "$(step "types the right digit $RIGHT" | grep -c right)" -eq 1 ] || fail "'right' was not said once"
# The focus in the menu bar is heard as its one item, "Help."
for s in "Get File loads puzzle-simple.txt and solves it" \
    "Get File loads puzzle-expert.txt, whose solve stalls" "Solve by Alt+O"; do
    step "$s" | grep -qx ' *Help\.' && fail "after '$s' the focus was in the menu bar"
done
echo "ok: Orca said everything a player needs"
