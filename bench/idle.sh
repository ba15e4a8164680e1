#!/usr/bin/env bash
# Varnodel left alone: after start-up, its CPU time and its threads' context switches
# (every wake-up is one) over 10 seconds. Both should be zero.
#   bench/idle.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
seconds=${2:-10}
. tests/e2e/xsession.sh
start_xvfb
start_app "$build/src/varnodel"
sleep 2

ticks() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }
switches() { cat /proc/"$APP_PID"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }
t0=$(ticks) s0=$(switches)
sleep "$seconds"
t1=$(ticks) s1=$(switches)
echo "idle for ${seconds} s: $((t1 - t0)) clock ticks of CPU ($(getconf CLK_TCK) a second), $((s1 - s0)) context switches, $(ls /proc/$APP_PID/task | wc -l) threads"
