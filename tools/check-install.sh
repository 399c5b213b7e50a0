#!/usr/bin/env bash
# Installs the build folder into a temporary DESTDIR and checks what arrives there: exactly the
# expected files, a menu entry and metainfo that the desktop validators accept, PNG icons of their
# sizes, and an installed program that answers --version without a display.
# Usage: check-install.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR APP_ID VERSION}
id=${2:?}
version=${3:?}

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr/local >/dev/null
share=usr/local/share

expected=$(LC_ALL=C sort <<EOF2
usr/local/bin/quillon
$share/applications/$id.desktop
$share/icons/hicolor/256x256/apps/$id.png
$share/icons/hicolor/48x48/apps/$id.png
$share/icons/hicolor/scalable/apps/$id.svg
$share/man/man1/quillon.1
$share/metainfo/$id.metainfo.xml
$share/quillon/README.md
EOF2
)
actual=$(cd "$dest" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "installed files differ from the expected list (< expected, > installed):"
    diff <(echo "$expected") <(echo "$actual") || true
    exit 1
fi

desktop-file-validate "$dest/$share/applications/$id.desktop"
appstreamcli validate --no-net --no-color "$dest/$share/metainfo/$id.metainfo.xml"

for size in 48 256; do
    # A PNG holds its width and height as big-endian words at bytes 16 to 23.
    dims=$(od -An -tu1 -j16 -N8 "$dest/$share/icons/hicolor/${size}x$size/apps/$id.png" | tr -s ' ')
    want=" 0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))"
    [ "$dims" = "$want" ] || { echo "the ${size}px icon is not ${size}x$size:$dims"; exit 1; }
done

answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$dest/usr/local/bin/quillon" --version)
[ "$answer" = "Quillon $version" ] || { echo "--version printed '$answer', not 'Quillon $version'"; exit 1; }
echo "install tree, validators and --version: fine"
