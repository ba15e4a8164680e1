#!/bin/bash
# Shows what a screen reader is told about Varnodel. In a private X session with its own
# session bus and accessibility bus, it types a puzzle, solves it (Alt+O), goes back to
# the last cell with F6, types a right digit into cell 81 and a wrong one into cell 72,
# and prints the accessibility tree. Needs Xvfb, xdotool, dbus, at-spi2-core and
# python3-pyatspi.   Usage: tools/atspi-dump.sh path/to/varnodel
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 1 ] || { echo "usage: $0 path/to/varnodel" >&2; exit 2; }
if [ -z "${ATSPI_DUMP_SESSION:-}" ]; then
    exec env ATSPI_DUMP_SESSION=1 dbus-run-session -- "$0" "$(realpath "$1")"
fi
source "$here/../tests/e2e/xsession.sh"
start_xvfb
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
BUS_PID=$!
trap 'kill "$BUS_PID" 2>/dev/null; stop_session' EXIT
# Qt speaks to the accessibility bus whenever it is there; no screen reader need run.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_app "$1"

type_puzzle '.71......28.....9.9...5.....93......7.8.3....5..72...93...916...6.3...2..1...298.'
xdotool key alt+o
answer_message "Solve"
xdotool key F6 3 Up 5
sleep 0.5
# Debian's own Python, which has pyatspi.
"$here/atspi-dump.py"
