#!/usr/bin/env bash
# The real program as a client of a real weston (its X11 backend, in Xvfb),
# with real keys that weston's own bindings take: Super+Shift+M maximizes,
# Super+Shift+F toggles fullscreen; Space on the size-panel toggle (Tab, Tab
# from the hexadecimal box) meanwhile. The program stays up, draws every label
# whole while fullscreen, and comes back to its fixed size, the toggle's.
# Usage: compositor_keys.sh PROGRAM FOLDER, on an Xvfb of 1024x768 at 24 bits
# that writes its screen into FOLDER (its -fbdir)
set -u
program=$1 screen=$2/Xvfb_screen0 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -m 700 "$work/run"
# No on-screen keyboard over the screen when a box takes the focus.
printf '%s\n' '[shell]' panel-position=none background-color=0xff3050a0 locking=false \
    '[input-method]' path= >"$work/weston.ini"
XDG_RUNTIME_DIR=$work/run weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 \
    --config="$work/weston.ini" --socket=keys --idle-time=0 --log="$work/weston.log" &
weston=$!
for _ in $(seq 100); do [[ -S $work/run/keys ]] && break; sleep 0.1; done
: >"$work/client.log"
XDG_RUNTIME_DIR=$work/run WAYLAND_DISPLAY=keys QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    "$program" 2>"$work/client.log" &
client=$!
trap 'kill $client $weston 2>/dev/null; wait; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    grep -E 'error|set_window_geometry' "$work/client.log" | tail -5
    exit 1
}
# The size the program last gave its window, title bar and borders included.
geometry() {
    sed -n 's/.*set_window_geometry(0, 0, \([0-9]*\), \([0-9]*\)).*/\1x\2/p' "$work/client.log" |
        tail -1
}
# Polls for up to 5 s until "$@" succeeds.
within() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; "$@"; }
# libwayland writes an object as wl_keyboard@16 up to 1.22 (Debian 12) and as
# wl_keyboard#16 from 1.23 on (Debian 13).
alive() { kill -0 $client 2>/dev/null && ! grep -qE 'wl_display[@#]1\.error' "$work/client.log"; }
# Fullscreen, the panel collapsed or expanded: the labels show whole at their
# places (as tests/opens.txt gives them, in pixels), not black, the size
# panel's only when expanded; the rest of the screen is the window's plain
# background. ("hexbox": the hexadecimal box read instead.)
drawn() {
    opens=$(dirname "$0")/opens.txt python3 - "$screen" "$@" <<'EOF' >"$work/drawn" 2>&1
import os, re, struct, sys
opens = os.environ["opens"]
data = open(sys.argv[1], "rb").read()
head = struct.unpack(">25I", data[:100])
start, line = head[0] + head[19] * 12, head[12]
pixel = lambda x, y: data[start + y * line + 4 * x : start + y * line + 4 * x + 3]
labels = {line.split()[0]: [int(n) for n in re.findall(r"\d+", line.split(" text=")[0])[-4:]]
          for line in open(opens, encoding="utf-8") if line.startswith(("Label", "LableBin"))}
if sys.argv[2] == "hexbox":  # its background's bytes, and how many pixels inside differ
    back = pixel(236, 188)
    sys.exit(print(back.hex(), sum(pixel(x, y) != back for x in range(107, 238)
                                   for y in range(179, 199))))
back, wrong = pixel(8, 100), []  # left of every control
rest = [pixel(x, y) for x in range(520, 1000, 7) for y in range(360, 740, 7)]
if back == b"\0\0\0" or rest.count(back) < len(rest):
    wrong.append("the window does not fill the screen with its background")
for name, (x0, y0, w, h) in labels.items():
    area = [pixel(x, y) for x in range(x0, x0 + w) for y in range(y0, y0 + h)]
    black, ink = area.count(b"\0\0\0"), len(area) - area.count(back)
    if sys.argv[2] == "collapsed" and name in ("Label7", "Label8", "Label9"):
        wrong += [f"{name} shown"] if ink else []
    elif not ink or black > len(area) // 2:
        wrong.append(f"{name}: {100 * black // len(area)}% black, {ink} pixels not background")
print("; ".join(wrong))
sys.exit(bool(wrong))
EOF
}

entered() { grep -qE 'wl_keyboard[@#][0-9]+\.enter' "$work/client.log"; }
within entered || fail "no window with the keyboard"
normal=$(geometry) # collapsed
declare -A size=([collapsed]=$normal [expanded]=${normal%x*}x$((${normal#*x} + 365 - 252)))
at() { alive && [[ $(geometry) == "$1" ]]; }
# The pointer out of the way, the keyboard's focus on the toggle.
xdotool mousemove 1020 10 sleep 0.2 key Tab Tab
# binding, the panel before, the panel after a toggle in that state
cases=("m collapsed expanded" "m expanded collapsed" "f collapsed expanded" "f expanded collapsed")
for case in "${cases[@]}"; do
    read -r binding before after <<<"$case"
    at "${size[$before]}" || fail "$case: $(geometry) before, not ${size[$before]}"
    if [[ $binding == m ]]; then # a maximize only flashes: the toggle follows at once
        xdotool key super+shift+m space
    else
        xdotool key super+shift+f
        within drawn "$before" || fail "$case, fullscreen: $(cat "$work/drawn")"
        xdotool key space
        within drawn "$after" || fail "$case, fullscreen, toggled: $(cat "$work/drawn")"
        xdotool key super+shift+f
    fi
    if ! { within at "${size[$after]}" && sleep 0.3 && at "${size[$after]}"; }; then
        alive || fail "$case: the program ended"
        fail "$case: $(geometry), not ${size[$after]}"
    fi
done
# Typed into the hexadecimal box around a click on the toggle: every key lands
# in the box, which stays light cyan (the bytes of 80 ff ff as Xvfb stores them).
xdotool key super+shift+f
within drawn collapsed || fail "fullscreen again: $(cat "$work/drawn")"
xdotool mousemove 172 188 click 1 sleep 0.3 type 12 && xdotool mousemove 1020 10 # pointer away
sleep 0.3 && drawn hexbox && read -r back before <"$work/drawn"
xdotool mousemove 476 224 click 1 sleep 0.3 type 3 && xdotool mousemove 1020 10
within drawn expanded || fail "the toggle clicked from the box: $(cat "$work/drawn")"
sleep 0.3 && drawn hexbox && read -r backAfter after <"$work/drawn"
[[ $back == ffff80 && $backAfter == ffff80 && $after -gt $before ]] ||
    fail "the toggle clicked between keys: box $back, $before of ink; then $backAfter, $after"
echo "ok: ${#cases[@]} cases, and keys around a click on the toggle"
