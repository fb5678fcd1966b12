#!/usr/bin/env bash
# The command line needs no display: --help and --version print and end with
# 0; a value that is none, a second value or an unknown option print one line
# and end with 2. Usage: command_line.sh PROGRAM
set -u
program=$1
failures=0
expect() { # expect STATUS LINES ARGUMENT...
    local status=$1 lines=$2
    shift 2
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1)
    actual=$?
    if [[ $actual != "$status" || ($lines != any && $(printf "%s\n" "$output" | wc -l) != "$lines") ]]; then
        echo "tavrin $*: status $actual, output: $output"
        failures=$((failures + 1))
    fi
}
expect 0 1 --version
[[ $("$program" --version) == "tavrin 1.0" ]] || { echo "--version: $("$program" --version)"; failures=$((failures + 1)); }
expect 0 any --help
expect 2 1 0x1FFFFFFFF
expect 2 1 1F
expect 2 1 0x1F 31
expect 2 1 --bogus
exit $((failures > 0))
