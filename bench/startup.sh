#!/usr/bin/env bash
# Start-up time to the first painted window and memory (PSS) one second later, for
# Varnodel and for the floor (a bare Qt window of its shape), started alternately in a
# private Xvfb. Prints the medians, the ratio of the medians, and the median of the
# ratios of each round's pair, which a slow moment of the machine moves least.
#   bench/startup.sh [BUILD_DIR] [RUNS]      (a Release build; default build-bench, 30)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
runs=${2:-30}
. tests/e2e/xsession.sh
start_xvfb
export XDG_RUNTIME_DIR=$(mktemp -d)
# A point in the client area, below the grids, that both windows cover once painted.
x=700 y=660

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for program in varnodel floor; do : >"/tmp/startup-$program.txt"; done
for ((i = 0; i <= runs; i++)); do
    for program in varnodel floor; do
        path=$build/src/varnodel
        [ "$program" = floor ] && path=$build/bench/varnodel_floor
        result=$("$build/bench/startup_probe" "$path" $x $y)
        # The first round warms the caches and is not counted.
        [ "$i" -gt 0 ] && echo "$result" >>"/tmp/startup-$program.txt"
        sleep 0.2
    done
done

for program in varnodel floor; do
    t=$(cut -d' ' -f1 "/tmp/startup-$program.txt" | median)
    m=$(cut -d' ' -f2 "/tmp/startup-$program.txt" | median)
    printf '%-9s first painted window %7.1f ms   PSS after 1 s %6.0f KiB   (median of %d)\n' "$program" "$t" "$m" "$runs"
    eval "${program}_t=$t ${program}_m=$m"
done
pairs=$(paste -d' ' /tmp/startup-varnodel.txt /tmp/startup-floor.txt | awk '{ print $1 / $3 }' | median)
printf 'median ratio of the %d rounds, start-up %.3f\n' "$runs" "$pairs"
awk -v a="$varnodel_t" -v b="$floor_t" -v c="$varnodel_m" -v d="$floor_m" \
    'BEGIN { printf "ratio     start-up %.3f   memory %.3f\n", a / b, c / d }'
