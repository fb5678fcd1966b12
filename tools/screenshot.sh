#!/usr/bin/env bash
# Takes the README's screenshots of the real window under Xvfb:
# docs/tavrin.png (collapsed, value 0x1F set with the mouse) and
# docs/tavrin-expanded.png (size panel shown). Needs the build of
# ./setup.sh, and Debian's xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/app/tavrin
[[ -x $program ]] || { echo "build first: ./setup.sh test" >&2; exit 1; }

exec xvfb-run -a -s "-screen 0 640x480x24" bash -c '
    set -euo pipefail
    "$0" & pid=$!
    trap "kill $pid 2>/dev/null" EXIT
    window=$(xdotool search --sync --onlyvisible --name "^Tavrin V1.0$" | head -n1)
    click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
    # Bits 0 to 4 are the last five buttons of the lower row (centres in pixels).
    for x in 352 398 423 447 472; do click "$x" 144; done
    sleep 0.7   # one tick of the refresh cycle
    import -window "$window" docs/tavrin.png
    click 476 224   # the size-panel toggle
    sleep 0.3
    import -window "$window" docs/tavrin-expanded.png
' "$program"
