#!/usr/bin/env bash
# The command line as a terminal user meets it. --help, --version, --print
# and every mistake need no display; a mistake prints one line and ends with
# 2, a display that cannot be reached one line and 1.
# Usage: command_line.sh PROGRAM
set -u
program=$1
failures=0
out=$(mktemp) err=$(mktemp)
here=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$here"' EXIT
fail() { echo "$*"; failures=$((failures + 1)); }
run() { # run ARGUMENT...: every byte of output and errors, and the status; the X display
    # :$display, XDG_RUNTIME_DIR $runtime and PATH $path where those are set, else none
    # (PATH as it is)
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR \
        ${display:+DISPLAY=:$display} ${runtime:+XDG_RUNTIME_DIR=$runtime} \
        ${path:+PATH=$path} "${copy:-$program}" "$@" >"$out" 2>"$err"
    status=$?
    output=$(cat "$out" && echo .) errors=$(cat "$err" && echo .)
    output=${output%.} errors=${errors%.} lines=$(wc -l <"$err")
}
expect() { # expect STATUS OUTPUT ERROR ARGUMENT...: ERROR the pattern of the whole lines on
    # standard error, or "" for none
    local want_status=$1 want_output=$2 want_error=$3
    shift 3
    run "$@"
    [[ $status == "$want_status" && ($want_output == any || $output == "$want_output") &&
        ($errors == "$want_error" || ($lines == $(grep -c '' <<<"$want_error") &&
        $errors == $want_error$'\n')) ]] ||
        fail "tavrin $*: status $status, output: $output, errors: $errors"
}
block='hex  0xDEADBEEF
dec  3735928559
bin  1101 1110 1010 1101 1011 1110 1110 1111
bits 31 30 28 27 26 25 23 21 19 18 16 15 13 12 11 10 9 7 6 5 3 2 1 0
KB   3648367.7333
MB   3562.8591
GB   3.4793
'

for option in -v -version --version; do expect 0 $'tavrin 1.0\n' "" $option; done
expect 0 $'tavrin 1.0\n' "" -platform offscreen --style=Fusion --version
for option in -h -help --help; do # the help, as its first line says
    run $option && [[ $status$errors == 0 && $output == $'Usage: tavrin [options] [VALUE]\n'* ]] ||
        fail "$option: status $status, output: $output, errors: $errors"
done
expect 0 "$block" "" --print 0xdead_beef
expect 0 "$block" "" --print $'\t3735928559\r\n'
run --print -- 0 -1
[[ $output == *$'GB   0\n\nhex  0xFFFFFFFF'*$'GB   3.9999\n' ]] || fail "--print -- 0 -1: $output"
expect 2 "" "tavrin: '0x1FFFFFFFF' is no VALUE. *" --print 1 0x1FFFFFFFF
expect 2 "" "tavrin: --print needs a VALUE. *" --print
expect 2 "" "tavrin: '1F' is no VALUE. *" 1F
expect 2 "" "tavrin: One VALUE at most, not also '31'. *" 0x1F 31
expect 2 "" "tavrin: Unknown option '--bogus'. *" --bogus
expect 2 "" "tavrin: Unknown option '-p'. *" -p
expect 2 "" "tavrin: '4?n2' is no VALUE. *" $'4\n2'
long=$(head -c 100000 /dev/zero | tr '\0' 7) # quoted only to its 80th character
expect 2 "" "tavrin: '${long:0:80}...' is no VALUE. *" "$long"

# An output that cannot take it all: one line, status 1.
for arguments in "--print 1" --help --version; do
    for redirect in ">/dev/full" ">&-"; do
        errors=$(eval '"$program" $arguments '"$redirect" 2>&1)
        status=$?
        [[ $status == 1 && $errors == "tavrin: cannot write to standard output: "* &&
            $(grep -c '' <<<"$errors") == 1 ]] || fail "$arguments $redirect: $status, $errors"
    done
done

# No display, a platform that is none (given once, or twice as Qt reads it:
# the last), and a display no server answers: one line, status 1, no core.
expect 1 "" "tavrin: cannot reach the display (*platform xcb, DISPLAY not set)*" 0x1F
expect 1 "" "tavrin: there is no platform 'wayand'; *xcb." -platform wayand
expect 1 "" "tavrin: there is no platform 'wayand'; *xcb." -platform xcbx -platform wayand
display=99
while [[ -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
expect 1 "" "tavrin: cannot reach the display (*platform xcb, display ':$display')*" 0x1F

# A copy whose qt.conf gives it three platforms: an empty platform name, and a
# Wayland display without XDG_RUNTIME_DIR, as libwayland says (its own line
# first); the advice to install xvfb where xvfb-run is not on the PATH.
cp "$program" "$here/" && mkdir -p "$here/plugins/platforms" && printf '[Paths]\nPlugins=plugins\n' >"$here/qt.conf"
ln -s /usr/lib/*/qt6/plugins/platforms/libq{offscreen,wayland-generic,xcb}.so "$here/plugins/platforms/"
copy=$here/tavrin runtime=/run/user/1
empty="tavrin: the platform's name is empty; name one of the platforms here (offscreen, wayland, \
xcb), or none for the desktop's own."
expect 1 "" "$empty" -platform '' 0x1
expect 1 "" "$empty" -platform= 0x1
expect 1 "" "$empty" -platform ';'
runtime=
expect 1 "" "error: XDG_RUNTIME_DIR is invalid or not set in the environment.
tavrin: cannot reach the display (platform wayland, display 'wayland-0', XDG_RUNTIME_DIR not set); \
start it from the desktop session, which sets XDG_RUNTIME_DIR." -platform wayland
path=$here expect 1 "" "tavrin: cannot reach the display (platform xcb, display ':$display'); run \
it on a desktop, or install Debian's package xvfb and run it under Xvfb: xvfb-run -a '$copy'" 0x1F
exit $((failures > 0))
