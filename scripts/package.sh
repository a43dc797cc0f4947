#!/usr/bin/env bash
# Builds K41's Debian package: a release build installed under /usr, packed by CPack, checked
# by lintian (errors fail the build) and its installed menu entry and AppStream file by their
# validators. The package is left as build-deb/k41_<version>_<arch>.deb.
# Usage: scripts/package.sh [cmake options...], e.g. -DK41_HOMEPAGE=https://...
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build-deb -DCMAKE_BUILD_TYPE=Release -DK41_BUILD_TESTS=OFF \
  -DK41_BUILD_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr "$@"
rm -f build-deb/k41_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/k41_*.deb)
lintian --fail-on error "$deb"
# The files as installed, validated where they land.
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
echo "$deb"
