#!/usr/bin/env bash
# Builds the project with the address and undefined-behaviour sanitizers in
# build-sanitize/ and runs the unit tests and the offscreen GUI tests there.
# Any sanitizer report fails the run. Needs the packages of ./setup.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIN_SANITIZE=ON >/dev/null
cmake --build build-sanitize
export UBSAN_OPTIONS=print_stacktrace=1
cd build-sanitize
# Every test but those on a real X server or under weston (whose Wayland
# client library leaks a few hundred bytes at exit), and the checks of files.
ctest -j2 --output-on-failure -E '_xcb|_wayland|compositor|_valid'
