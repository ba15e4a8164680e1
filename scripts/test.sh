#!/usr/bin/env bash
# Sets up, builds and runs every test of Varnodel:
#   1. the plain build: unit, window, corpus, monkey and real-window tests, and the package;
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the libFuzzer targets, each for FUZZ_SECONDS (30 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/build-packages.txt scripts/test-packages.txt)
jobs=$(nproc)

echo "== Plain build"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

echo "== Sanitizers"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVARNODEL_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
# The package test would only repackage the same files; the rest all run.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -E e2e_package

echo "== Fuzzing"
cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ \
    -DFUZZ_SECONDS="${FUZZ_SECONDS:-30}" >/dev/null
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
