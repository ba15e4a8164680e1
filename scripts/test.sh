#!/usr/bin/env bash
# Sets up, builds and runs every test of Varnodel, as any user (root is not needed; the
# few tests that need it skip with the reason otherwise):
#   1. the sources' formatting, against .clang-format;
#   2. the plain build, with Qt's strict string and deprecation defines: unit, window,
#      corpus, monkey and real-window tests, and the package check;
#   3. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. the libFuzzer targets, each for FUZZ_SECONDS (30 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/build-packages.txt scripts/test-packages.txt)
jobs=$(nproc)

echo "== Formatting"
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z \
    | xargs -0 clang-format --dry-run --Werror
echo "ok: every source file is formatted"

echo "== Plain build"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVARNODEL_STRICT_QT=ON >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

echo "== Sanitizers"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVARNODEL_SANITIZE=ON -DVARNODEL_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
# The package test would only repackage the same files; the rest all run.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -E e2e_package

echo "== Fuzzing"
cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ \
    -DFUZZ_SECONDS="${FUZZ_SECONDS:-30}" >/dev/null
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
