#!/usr/bin/env bash
# Lists every picture of resources/images in resources/quillon.qrc under its resource name
# (the file name without .svg), which is the name the program loads: ":/VecRes01".
set -euo pipefail
cd "$(dirname "$0")/../resources"
{
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    echo '<qresource prefix="/">'
    for f in $(ls images/*.svg 2>/dev/null | LC_ALL=C sort); do
        name=$(basename "$f" .svg)
        echo "    <file alias=\"$name\">$f</file>"
    done
    echo '</qresource>'
    echo '</RCC>'
} > quillon.qrc.tmp
mv quillon.qrc.tmp quillon.qrc
