#!/usr/bin/env bash
# Installs what is missing, builds and starts Quillon.
set -euo pipefail
cd "$(dirname "$0")"

tools/ensure-packages.sh
tools/configure-build.sh
cmake --build build -j2 --target quillon
exec build/quillon "$@"
