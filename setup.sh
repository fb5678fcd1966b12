#!/usr/bin/env bash
# Installs the Debian packages Tavrin needs (only those missing: to run it,
# or to test it too), builds it in Release, then either opens the calculator
# or runs every test.
#   ./setup.sh run    build and open Tavrin
#   ./setup.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
    echo "usage: ./setup.sh run|test" >&2
    exit 2
fi

# What building and running need; the tests need their display servers,
# screen-reader bus and validators besides.
packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins fonts-dejavu-core fonts-wqy-microhei)
test_packages=(libgtest-dev xvfb xauth x11-utils xdotool desktop-file-utils appstream
               at-spi2-core dbus-daemon python3-pyatspi weston qt6-wayland)
testing=OFF
if [[ $mode == test ]]; then
    packages+=("${test_packages[@]}")
    testing=ON
fi
tools/install-missing.sh "${packages[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$testing >/dev/null
cmake --build build

if [[ $mode == run ]]; then
    exec build/app/tavrin
fi
cd build
exec ctest -j2 --output-on-failure
