#!/usr/bin/env bash
# Builds the Debian package of the calculators: a Release build with the hardening flags Debian
# builds its own packages with, installed and packed by CPack, then checked by lintian (an error
# fails the script). Writes build-package/norvik_<version>_<arch>.deb.
#
#     scripts/package.sh            then, as root:   apt-get install ./build-package/norvik_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev) and file compute the dependencies on the libraries the programs use.
scripts/setup-deps.sh dpkg-dev file lintian desktop-file-utils appstream

build="build-package"
# The package's dates are the last commit's, so that packing the same commit twice gives the same
# files.
# All of the hardening Debian knows, bind-now included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DNORVIK_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)" --target norvik_installed
rm -f "$build"/norvik_*.deb
(cd "$build" && cpack -G DEB >/dev/null)

package=$(ls "$build"/norvik_*.deb)
echo "built $package ($(stat -c %s "$package") bytes; installed size $(dpkg-deb -f "$package" Installed-Size) KiB)"
echo "lintian:"
lintian --fail-on error --info --pedantic "$package" | sed 's/^/    /'
echo "lintian reports no error"
