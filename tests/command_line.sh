#!/usr/bin/env bash
# The command line as a terminal user meets it. --help, --version, --print
# and every mistake need no display; a mistake prints one line and ends with
# 2, a display that cannot be reached one line and 1.
# Usage: command_line.sh PROGRAM
set -u
program=$1
failures=0
out=$(mktemp) err=$(mktemp) here=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$here"' EXIT
fail() { echo "$*"; failures=$((failures + 1)); }
run() { # run ARGUMENT...: every byte of output and errors, and the status; the X display
    # :$display, XDG_RUNTIME_DIR $runtime, WAYLAND_DISPLAY $wayland and PATH $path where those
    # are set, else none (PATH as it is); QT_PLUGIN_PATH $plugins where set
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR -u QT_PLUGIN_PATH \
        ${display:+DISPLAY=:$display} ${runtime:+XDG_RUNTIME_DIR=$runtime} \
        ${plugins:+QT_PLUGIN_PATH=$plugins} ${seconds:+timeout $seconds} \
        ${wayland:+WAYLAND_DISPLAY=$wayland} ${path:+PATH=$path} "${copy:-$program}" "$@" \
        >"$out" 2>"$err"
    status=$?
    output=$(cat "$out" && echo .) errors=$(cat "$err" && echo .)
    output=${output%.} errors=${errors%.}
}
expect() { # expect STATUS OUTPUT ERROR ARGUMENT...: OUTPUT every byte on standard output,
    # ERROR every line on standard error ("" for none)
    local want_status=$1 want_output=$2 want_error=$3
    shift 3
    run "$@"
    [[ $status == "$want_status" && $output == "$want_output" &&
        ($errors == "$want_error" || $errors == "$want_error"$'\n') ]] ||
        fail "tavrin $*: status $status, output: $output, errors: $errors"
}

forms=" A VALUE is decimal (31, -1), hexadecimal (0x1F, 1Fh) or binary (0b11111), at most 32 bits; \
tavrin --help tells more."

# Each option in each spelling a user may give it, and Qt's options left to Qt.
# The help and a value's block, every byte as the README shows them.
shown() { sed -n "/^$1/,/^\`\`\`/p" "$(dirname "$0")/../README.md" | sed '1{/^\$/d};$d'; }
help=$(shown Usage:)$'\n' block=$(shown '\$ tavrin --print 0xdead_beef')$'\n'
for option in -h -help --help; do expect 0 "$help" "" $option; done
for option in -v -version --version; do expect 0 $'tavrin 1.0\n' "" $option; done
for option in -print --print; do expect 0 "$block" "" $option 0xdead_beef; done
expect 0 "$block" "" --display=:1 -qwindowgeometry=1x1+2+3 --qwindowtitle=t --print 0xdead_beef
expect 0 "$block" "" -style=Fusion -platform=xcb:x=1 -qmljsdebugger=port:1 --print 0xdead_beef
expect 0 "$block" "" --reverse -widgetcount -reverse=1 -name -display --print 0xdead_beef -platform
expect 2 "" "tavrin: '-platform' is no VALUE.$forms" --print 1 -- -platform offscreen
expect 0 "$block" "" --print $'\t3735928559\r\n'
run --print -- 0 -1
[[ $output == $'hex  0x0\n'*$'GB   0\n\nhex  0xFFFFFFFF'*$'GB   3.9999\n' ]] ||
    fail "--print -- 0 -1: $output"
# A mistake: one line, the value forms after it.
expect 2 "" "tavrin: '0x1FFFFFFFF' is no VALUE.$forms" --print 1 0x1FFFFFFFF
expect 2 "" "tavrin: --print needs a VALUE.$forms" --print
expect 2 "" "tavrin: '1F' is no VALUE.$forms" 1F
expect 2 "" "tavrin: One VALUE at most, not also '31'.$forms" 0x1F 31
expect 2 "" "tavrin: Unknown option '--bogus'.$forms" --bogus
expect 2 "" "tavrin: Unknown option '-p'.$forms" -p
expect 2 "" "tavrin: '4\\n2' is no VALUE.$forms" $'4\n2'
long=$(head -c 100000 /dev/zero | tr '\0' 7) # quoted only to its 80th character
expect 2 "" "tavrin: '${long:0:80}...' is no VALUE.$forms" "$long"

# An output that cannot take it all: one line, status 1.
for arguments in "--print 1" --help --version; do
    for redirect in ">/dev/full No space left on device" ">&- Bad file descriptor"; do
        errors=$(eval '"$program" $arguments '"${redirect%% *}" 2>&1)
        [[ $?$errors == "1tavrin: cannot write to standard output: ${redirect#* }" ]] ||
            fail "$arguments ${redirect%% *}: $errors"
    done
done

# Where no platform starts: one line, status 1, no core. A copy whose qt.conf
# gives it three platforms; a display no server answers; libwayland's own line
# first where XDG_RUNTIME_DIR is missing; xvfb's package named where xvfb-run is
# not on the PATH.
plugins=$here/plugins/platforms && mkdir -p "$plugins" && cp "$program" "$here/"
ln -s /usr/lib/*/qt6/plugins/platforms/libq{offscreen,wayland-generic,xcb}.so "$plugins"
printf '[Paths]\nPlugins=plugins\n' >"$here/qt.conf" && copy=$here/tavrin runtime=/run/user/1
display=99 && while [[ -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
platforms="offscreen, wayland, xcb" reach="tavrin: cannot reach the display"
for given in wayand "xcbx -platform wayand"; do # twice: the last, as Qt reads it
    expect 1 "" "tavrin: there is no platform 'wayand'; the platforms here are $platforms." \
        -platform $given
done
for given in "-platform ''" -platform= "-platform ';'"; do
    eval expect 1 '""' "\"tavrin: the platform's name is empty; name one of the platforms here \
($platforms), or none for the desktop's own.\"" "$given"
done
xvfb="; run it on a desktop, or under Xvfb: xvfb-run -a '$copy'"
expect 1 "" "$reach (platform xcb, display ':$display')$xvfb" 0x1F
display='' expect 1 "" "$reach (platform xcb, DISPLAY not set)$xvfb"
expect 1 "" "$reach (platform wayland, display 'wayland-0')." -platform wayland
wayland=/tmp/w-1 runtime='' expect 1 "" "$reach (platform wayland, display '/tmp/w-1')." \
    -platform wayland
wayland=w-1 expect 1 "" "$reach (platform wayland, display 'w-1'; platform xcb, display \
':$display')$xvfb" # a Wayland session's own order
wayland=w-1 display=$'\e[31m:9' expect 1 "" "$reach (platform wayland, display 'w-1'; platform \
xcb, display ':\\x1B[31m:9')$xvfb" -platform 'wayland;xcb:x=1'
wayland=w-1 runtime=run expect 1 "" "error: XDG_RUNTIME_DIR is invalid or not set in the \
environment.
$reach (platform wayland, display 'w-1', XDG_RUNTIME_DIR 'run' not a full path; platform xcb, \
display ':$display'); start it from the desktop session, which sets XDG_RUNTIME_DIR$xvfb" \
    -platform 'wayland;xcb'
# Platforms where Qt looks besides: QT_PLUGIN_PATH, -platformpluginpath. One
# that starts after one missing: Qt's message about the first keeps its category.
mkdir -p "$here/more/platforms" && ln -s /usr/lib/*/qt6/plugins/platforms/libqminimal.so "$_"
plugins=$here/more expect 1 "" "tavrin: there is no platform 'wayand'; the platforms here are \
minimal, $platforms." -platform wayand
expect 1 "" "tavrin: there is no platform 'wayand'; the platforms here are minimal, $platforms." \
    -platform wayand -platformpluginpath "$here/more/platforms"
seconds=1 run -platform 'wayand;offscreen'
[[ $status == 124 && ${errors%%: *} == qt.qpa.plugin && ${errors%%$'\n'*} == *'"wayand"'* ]] ||
    fail "tavrin -platform 'wayand;offscreen': status $status, errors: $errors"
long=$(printf '%0300d' 0 | tr 0 x) # quoted only to its 80th character
expect 1 "" "tavrin: there is no platform '${long:0:80}...'; the platforms here are $platforms." \
    -platform "$long"
path=$here expect 1 "" "$reach (platform xcb, display ':$display'); run it on a desktop, or \
install Debian's package xvfb and run it under Xvfb: xvfb-run -a '$copy'"
runtime='' expect 1 "" "error: XDG_RUNTIME_DIR is invalid or not set in the environment.
$reach (platform wayland, display 'wayland-0', XDG_RUNTIME_DIR not set); start it from the \
desktop session, which sets XDG_RUNTIME_DIR." -platform wayland
exit $((failures > 0))
