#!/usr/bin/env bash
# Runs a command as a Wayland client of a headless weston of its own.
# Usage: on_weston.sh COMMAND [ARGS...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=tavrin-test --idle-time=0 \
    --log="$runtime/weston.log" &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do [[ -S $runtime/tavrin-test ]] && break; sleep 0.1; done
WAYLAND_DISPLAY=tavrin-test QT_QPA_PLATFORM=wayland "$@"
