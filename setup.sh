#!/usr/bin/env bash
# Installs the Debian packages Tavrin needs (only when some are missing),
# builds it in Release, then either opens the calculator or runs every test.
#   ./setup.sh run    build and open Tavrin
#   ./setup.sh test   build and run every test
# debian/ names every package: debian/control what building and running
# need (the test-only build dependencies carry the nocheck profile), and
# debian/tests/control what the tests on a display need besides.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
    echo "usage: ./setup.sh run|test" >&2
    exit 2
fi

# The packages that the Depends fields of a deb822 file name, without
# versions, substitution variables (${shlibs:Depends}) or autopkgtest's @.
named_depends() {
    awk '/^Depends:/ { on = 1; sub(/^Depends:/, ""); print; next }
         on && /^[ \t]/ { print; next }
         { on = 0 }' "$1" |
        tr ',' '\n' | sed 's/[(<[].*//; s/[[:space:]]//g' | grep -v -e '^$' -e '^[$@]' | sort -u
}

if [[ $mode == run ]]; then
    profile=(-P nocheck) testing=OFF
    packages=($(named_depends debian/control))
else
    profile=() testing=ON
    packages=($(cat <(named_depends debian/control) <(named_depends debian/tests/control) | sort -u))
fi
if ! command -v dpkg-checkbuilddeps >/dev/null || ! dpkg-checkbuilddeps "${profile[@]}" 2>/dev/null; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    echo "Installing the build dependencies of debian/control"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends \
        "${profile[@]}" ./ >/dev/null
fi
tools/install-missing.sh "${packages[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=$testing >/dev/null
cmake --build build

if [[ $mode == run ]]; then
    exec build/app/tavrin
fi
cd build
exec ctest -j2 --output-on-failure
