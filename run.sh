#!/usr/bin/env bash
# Installs what is missing, builds and starts Quillon.
set -euo pipefail
cd "$(dirname "$0")"

tools/ensure-packages.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target quillon
exec build/quillon "$@"
