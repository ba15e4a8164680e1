#!/usr/bin/env bash
# Sets up, builds and starts Varnodel.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/build-packages.txt)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target varnodel -j "$(nproc)"
exec build/src/varnodel
