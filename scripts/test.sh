#!/usr/bin/env bash
# Sets up, builds and runs every test of Varnodel.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/build-packages.txt scripts/test-packages.txt)

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-test -j "$(nproc)"
ctest --test-dir build-test --output-on-failure -j "$(nproc)"
