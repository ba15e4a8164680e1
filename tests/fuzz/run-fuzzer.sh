#!/usr/bin/env bash
# Runs a libFuzzer target for a bounded time from its seeds. New inputs go to a
# throw-away folder; the seeds, which include every input that once found a fault, are
# never written to.
#   run-fuzzer.sh FUZZER SEED_DIR SECONDS
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cd "$work"
"$1" -max_total_time="$3" -timeout=5 -rss_limit_mb=2048 -max_len=70000 -print_final_stats=1 \
    corpus "$2" >"$work/log" 2>&1
status=$?
if [ "$status" -ne 0 ]; then
    cat "$work/log"
    echo "the fuzzer found a fault; the input is saved as crash-*/timeout-* in $work" >&2
    mkdir -p /tmp/varnodel-fuzz-findings && cp crash-* timeout-* leak-* /tmp/varnodel-fuzz-findings/ 2>/dev/null
    exit "$status"
fi
grep -E '^(#[0-9]+ +DONE|Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/log"
echo "$(basename "$1"): $(find corpus -type f | wc -l) new inputs kept"
