#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, and only those that are missing,
# so that a second run costs nothing. Arguments name further packages that a caller needs.
set -euo pipefail

# desktop-file-utils and appstream validate the installed menu entry and metainfo in the tests.
packages=(cmake g++ make locales libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev libgl-dev
    desktop-file-utils appstream "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
