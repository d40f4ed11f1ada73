#!/usr/bin/env bash
# Builds the Debian package build/package/qv7100_<version>_<arch>.deb: a release build with
# Debian's hardening flags, laid out under /usr, packed by CPack with the dependencies that
# dpkg-shlibdeps finds in the programs, then checked by lintian (any error fails the script).
# Install it with: sudo apt install ./build/package/qv7100_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh dpkg-dev file lintian

build=build/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
rm -f "$build"/qv7100_*.deb
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/qv7100_*.deb)
lintian --fail-on error --info "$deb"
echo "$deb"
