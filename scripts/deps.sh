#!/usr/bin/env bash
# Makes sure the Debian packages named on the command line are installed. As root it
# installs what is missing; otherwise it says what to install and fails.
set -euo pipefail

missing=()
for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
    echo "Please install these Debian packages first:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
