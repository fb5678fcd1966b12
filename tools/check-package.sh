#!/usr/bin/env bash
# Builds the Debian package from the build of ./setup.sh, checks it with
# lintian (no error and no warning), installs it with apt, starts the
# installed program under Xvfb, finds its window, and removes the package
# again. Prints the package's size and dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-missing.sh dpkg-dev lintian

rm -rf build/package
(cd build && cpack -G DEB -B package >/dev/null)
deb=$(ls build/package/tavrin_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
echo "depends: $(dpkg-deb -f "$deb" Depends)"
lintian --allow-root --fail-on error,warning "$deb"
echo "lintian: no error, no warning"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tavrin >/dev/null' EXIT
tests/window_starts.sh /usr/bin/tavrin "Tavrin V1.0"
echo "installed package starts: window found"
