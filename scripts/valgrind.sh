#!/usr/bin/env bash
# Runs every offscreen test program once under valgrind's memcheck, leak check
# included, and fails on any error. Reports that come from Qt, fontconfig and the
# platform libraries alone are suppressed in tests/valgrind.supp, each with its reason.
#   scripts/valgrind.sh [BUILD_DIR]      (a plain Debug build; default build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
scripts/deps.sh valgrind
export QT_QPA_PLATFORM=offscreen VARNODEL_MONKEY_ACTIONS=2000
failed=0
for test in "$build"/tests/tst_*; do
    [ -f "$test" ] && [ -x "$test" ] || continue
    name=$(basename "$test")
    if valgrind --error-exitcode=9 --leak-check=full --show-leak-kinds=definite,indirect \
        --errors-for-leak-kinds=definite,indirect --num-callers=40 \
        --suppressions=tests/valgrind.supp --log-file="/tmp/valgrind-$name.log" \
        "$test" >/dev/null 2>&1; then
        echo "ok: $name ($(grep -o 'ERROR SUMMARY.*' "/tmp/valgrind-$name.log"))"
    else
        echo "FAIL: $name, see /tmp/valgrind-$name.log"
        failed=1
    fi
done
exit "$failed"
