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
          libgtest-dev xvfb xauth x11-utils desktop-file-utils appstream)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build

if [[ $mode == run ]]; then
    exec build/app/tavrin
fi
cd build
exec ctest -j2 --output-on-failure
