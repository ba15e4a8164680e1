#!/usr/bin/env bash
# Builds the Debian package varnodel_<version>_<arch>.deb in build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh $(cat scripts/build-packages.txt) dpkg-dev file
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >/dev/null
cmake --build build-package --target varnodel -j "$(nproc)"
(cd build-package && cpack -G DEB)
ls build-package/varnodel_*.deb
