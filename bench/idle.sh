#!/usr/bin/env bash
# Varnodel left alone, beside the floor (a bare Qt window of its shape): after start-up
# and with the keyboard focus given to the window, the CPU time and the context
# switches of all its threads (every wake-up is one) over some seconds.
#   bench/idle.sh [BUILD_DIR] [SECONDS]      (default build-bench, 10)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
seconds=${2:-10}
. tests/e2e/xsession.sh
start_xvfb
export XDG_RUNTIME_DIR=$(mktemp -d)

ticks() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }
switches() { cat /proc/"$APP_PID"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }
for program in varnodel floor; do
    path=$build/src/varnodel title='^Varnodel$'
    [ "$program" = floor ] && path=$build/bench/varnodel_floor title='^Floor$'
    APP_TITLE=$title start_app "$path"
    sleep 2
    t0=$(ticks) s0=$(switches)
    sleep "$seconds"
    t1=$(ticks) s1=$(switches)
    printf '%-9s idle %d s: %d clock ticks of CPU (%d a second), %d context switches, %d threads\n' \
        "$program" "$seconds" $((t1 - t0)) "$(getconf CLK_TCK)" $((s1 - s0)) "$(ls /proc/$APP_PID/task | wc -l)"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    MAIN=
done
