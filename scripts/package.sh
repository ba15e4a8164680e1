#!/usr/bin/env bash
# Builds the Debian package with Debian's own tools (dpkg-buildpackage, debhelper) and
# prints the path of the varnodel_<version>_<arch>.deb it made.
#   package.sh [OUT_DIR]    (OUT_DIR is build-package/ by default)
# The build runs in a copy of the source tree in a temporary folder, so the tree stays
# clean; its log goes to standard error. As root, the missing build dependencies are
# installed first. DEB_BUILD_OPTIONS works as usual (nocheck, parallel=N).
set -euo pipefail
cd "$(dirname "$0")/.."
SRC=$PWD
OUT=$(realpath -m "${1:-build-package}")

scripts/deps.sh dpkg-dev
if ! dpkg-checkbuilddeps 2>/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing the build dependencies" >&2
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get build-dep -y -qq --no-install-recommends ./ >/dev/null
    else
        dpkg-checkbuilddeps || true
        echo "Please install them first: sudo apt-get build-dep ./" >&2
        exit 1
    fi
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
version=$(dpkg-parsechangelog -S Version)
TREE=$WORK/varnodel-$version
mkdir "$TREE"
# Everything but version control data and build folders.
tar -C "$SRC" --exclude-vcs --exclude='./build*' -cf - . | tar -C "$TREE" -xf -
(cd "$TREE" && dpkg-buildpackage --build=binary --no-sign) >&2

mkdir -p "$OUT"
rm -f "$OUT"/varnodel_*.deb
cp "$WORK"/varnodel_"${version}"_*.deb "$OUT"/
ls "$OUT"/varnodel_"${version}"_*.deb
