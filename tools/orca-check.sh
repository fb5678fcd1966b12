#!/usr/bin/env bash
# Hears the calculator as a blind user does: Orca, Debian's screen reader,
# with its speech written to its debug log instead of a sound card, while
# real keys and clicks (xdotool) go to the window under Xvfb and openbox.
# Each step must make Orca say its words: Space on the size-panel toggle its
# new state, a click on the toggle or a bit from a box what the click did.
# Usage: tools/orca-check.sh [PROGRAM [RUNS]]  (build/app/tavrin, 3 runs)
set -uo pipefail
self=$(realpath "$0")
cd "$(dirname "$0")/.."

# One run, inside its own X server and session bus.
run() {
    export HOME=$1 XDG_RUNTIME_DIR=$1 LANG=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    sleep 0.5
    "$program" 2>"$HOME/errors" &
    # On a terminal of its own, where Orca writes its log line by line.
    script -qfc 'orca --replace --debug-file=/dev/tty' "$HOME/orca.log" >/dev/null 2>&1 &
    terminal=$!
    # Orca ready: it has read the hexadecimal box, where the focus starts.
    for _ in $(seq 150); do
        grep -q "SPEECH OUTPUT: '十六进制" "$HOME/orca.log" && break
        sleep 0.1
    done
    window=$(xdotool search --onlyvisible --name Tavrin | head -1)
    failures=0
    # said SINCE: Orca's utterances after the first SINCE, one a line
    said() {
        grep 'SPEECH OUTPUT' "$HOME/orca.log" | tail -n +$(($1 + 1)) |
            sed "s/.*SPEECH OUTPUT: '\([^']*\)'.*/\1/"
    }
    # step WORDS XDOTOOL-ARGUMENTS...: Orca says WORDS within 5 s (alone, or as
    # a notification's name), its speech lagging as it may
    step() {
        local words=$1 before
        shift
        before=$(grep -c 'SPEECH OUTPUT' "$HOME/orca.log")
        xdotool "$@"
        for _ in $(seq 50); do
            said "$before" | sed 's/^notification //; s/\.$//' | grep -qxF "$words" && break
            sleep 0.1
        done
        if said "$before" | sed 's/^notification //; s/\.$//' | grep -qxF "$words"; then
            echo "  ok: $words ($(said "$before" | paste -sd '|'))"
        else
            echo "  MISSING: $words, heard: $(said "$before" | paste -sd '|')"
            failures=$((failures + 1))
        fi
        sleep 0.5
    }
    step "显示大小面板 collapsed push button" key Tab Tab
    step expanded key space
    step collapsed key space
    xdotool mousemove --window "$window" 172 188 click 1 && sleep 1
    step 大小面板已显示 mousemove --window "$window" 476 224 click 1
    step 大小面板已隐藏 mousemove --window "$window" 476 224 click 1
    step "位 3 置 1" mousemove --window "$window" 398 144 click 1
    step "位 3 置 0" mousemove --window "$window" 398 144 click 1
    [[ ! -s $HOME/errors ]] || { echo "  standard error:" && cat "$HOME/errors"; }
    pkill -P "$terminal" # Orca itself, then its terminal, the program and openbox
    kill %3 %2 %1 2>/dev/null
    wait
    return $((failures > 0))
}
[[ ${1:-} != --inside ]] || { program=$2 && run "$3"; exit; }

program=$(realpath "${1:-build/app/tavrin}") runs=${2:-3}
tools/install-missing.sh orca openbox xvfb xauth xdotool x11-utils dbus-x11 at-spi2-core bsdutils
passed=0
for n in $(seq "$runs"); do
    echo "run $n:"
    home=$(mktemp -d)
    xvfb-run -a dbus-run-session -- "$self" --inside "$program" "$home" 2>/dev/null &&
        passed=$((passed + 1))
    rm -rf "$home"
done
echo "$passed of $runs runs heard every step"
((passed == runs))
