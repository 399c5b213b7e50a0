#!/usr/bin/env bash
# Configures build/ unless it already holds a complete configuration with the user interface and the
# tests on. A failed configure or a cache made with either switched off is made again rather than
# silently reused; what was compiled stays and is reused where it still fits.
set -euo pipefail
cd "$(dirname "$0")/.."

cache=build/CMakeCache.txt
if [ -f "$cache" ] && [ -f build/Makefile ] &&
    grep -q '^QUILLON_GUI:BOOL=ON$' "$cache" && grep -q '^BUILD_TESTING:BOOL=ON$' "$cache"; then
    exit 0
fi
[ ! -f "$cache" ] || echo "build/ holds an incomplete or different configuration; configuring it again."
rm -f "$cache"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_GUI=ON -DBUILD_TESTING=ON
