#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

tools/ensure-packages.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2

# A German locale of our own, so that the tests can check that numbers do not follow the C locale's
# decimal comma. The system's locales stay untouched.
if [ ! -d build/locale/de_DE.UTF-8 ] && command -v localedef >/dev/null; then
    mkdir -p build/locale
    localedef -i de_DE -f UTF-8 build/locale/de_DE.UTF-8 >/dev/null 2>&1 || true
fi
cd build
LOCPATH="$PWD/locale" QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
