#!/usr/bin/env bash
# Runs accessibility_walk.py against PROGRAM as a screen reader meets it: on
# Xvfb, with its own session bus, where the accessibility bus and registry
# start on demand.
# Usage: accessibility.sh PROGRAM
set -euo pipefail
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
walk=$(dirname "$0")/accessibility_walk.py
# Debian's own interpreter, which has the pyatspi bindings.
xvfb-run -a -n 130 bash -c '
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    exec dbus-run-session -- /usr/bin/python3 "$0" "$1" 2> >(grep -v "^dbus-daemon" >&2)' \
    "$walk" "$1"
