#!/usr/bin/env bash
# Starts the real program on a real X server (Xvfb), named by Qt's option in
# its joined form, and waits for its window, which asks the window manager for
# no maximize (its Motif hints' functions).
# Usage: window_starts.sh PROGRAM TITLE
set -u
program=$1 title=$2
# xvfb-run can hand over a display whose server is still starting (or one
# that is just closing): wait until it answers.
exec xvfb-run -a -n 100 bash -c '
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    env -u DISPLAY "$0" --display="$DISPLAY" & pid=$!
    for _ in $(seq 100); do
        read -r window _ < <(xwininfo -root -tree | grep -F "\"$1\"")
        if [[ -n ${window:-} ]]; then
            functions=$(xprop -id "$window" _MOTIF_WM_HINTS | cut -d, -f2)
            kill $pid
            if [[ ! $functions =~ 0x ]] || (( functions & 0x10 )); then
                echo "maximize not left out: $functions"; exit 1
            fi
            exit 0
        fi
        sleep 0.1
    done
    kill $pid; echo "no window titled \"$1\" within 10 s"; exit 1' "$program" "$title"
