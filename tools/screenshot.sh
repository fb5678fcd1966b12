#!/usr/bin/env bash
# Takes the README's screenshots of the real window under Xvfb:
# docs/tavrin.png (collapsed, value 0x1F set with the mouse),
# docs/tavrin-expanded.png (size panel shown) and docs/tavrin-2x.png (at
# QT_SCALE_FACTOR=2, 0x1F typed). Needs the build of ./setup.sh, and
# Debian's xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/app/tavrin
[[ -x $program ]] || { echo "build first: ./setup.sh test" >&2; exit 1; }

exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -euo pipefail
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    start() { "$0" 2>/dev/null & pid=$!
              window=$(xdotool search --sync --onlyvisible --name "^Tavrin V1.0$" | head -n1); }
    click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }

    start
    # Bits 0 to 4 are the last five buttons of the lower row (centres in pixels).
    for x in 352 398 423 447 472; do click "$x" 144; done
    sleep 0.7   # one tick of the refresh cycle
    import -window "$window" docs/tavrin.png
    click 476 224   # the size-panel toggle
    sleep 0.3
    import -window "$window" docs/tavrin-expanded.png
    kill $pid

    QT_SCALE_FACTOR=2 start
    xdotool windowfocus --sync "$window"
    xdotool key --window "$window" BackSpace BackSpace BackSpace
    xdotool type --delay 50 1f
    sleep 0.3
    import -window "$window" docs/tavrin-2x.png
    kill $pid
' "$program"
