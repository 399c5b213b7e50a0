#!/usr/bin/env bash
# Builds the Debian package of Quillon with CPack in build-package/, installing into /usr. Prints the
# package's path; install it with `dpkg -i` (or `apt install ./<file>`), remove it with `dpkg -r quillon`.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev) reads the dependencies from the shared libraries; CPack finds them with file.
tools/ensure-packages.sh dpkg-dev file
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DQUILLON_GUI=ON -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package -j2
(cd build-package && cpack -G DEB >/dev/null)
ls -1 "$PWD"/build-package/quillon_*.deb
