#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

tools/ensure-packages.sh
tools/configure-build.sh
cmake --build build -j2

# A German locale of our own, so that the tests can check that numbers do not follow the C locale's
# decimal comma. The system's locales stay untouched. Without it that test is skipped, so a failure
# is reported (localedef also exits non-zero for mere warnings: what counts is the locale it made).
if [ ! -d build/locale/de_DE.UTF-8 ]; then
    mkdir -p build/locale
    output=$(localedef -i de_DE -f UTF-8 build/locale/de_DE.UTF-8 2>&1) || true
    if [ ! -f build/locale/de_DE.UTF-8/LC_NUMERIC ]; then
        echo "warning: localedef could not make the German test locale; the C locale test will be skipped:" >&2
        echo "$output" >&2
        rm -rf build/locale/de_DE.UTF-8
    fi
fi
cd build
LOCPATH="$PWD/locale" QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
