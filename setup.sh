#!/usr/bin/env bash
# Installs the Debian packages Tavrin needs (only those missing), builds it in
# Release, then either opens the calculator or runs every test.
#   ./setup.sh run    build and open Tavrin
#   ./setup.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
    echo "usage: ./setup.sh run|test" >&2
    exit 2
fi

packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins fonts-dejavu-core fonts-wqy-microhei
          libgtest-dev xvfb xauth x11-utils xdotool desktop-file-utils appstream
          at-spi2-core dbus-daemon python3-pyatspi weston qt6-wayland)
tools/install-missing.sh "${packages[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build

if [[ $mode == run ]]; then
    exec build/app/tavrin
fi
cd build
exec ctest -j2 --output-on-failure
