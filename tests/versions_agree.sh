#!/usr/bin/env bash
# One version and one release date: CMake's project version, the Debian
# changelog (the package's only changelog), the AppStream release, the manual
# page and --version agree. Usage: versions_agree.sh PROGRAM VERSION SOURCE_DIR
set -u
program=$1 version=$2 source=$3
failures=0
agree() { # agree WHAT ACTUAL EXPECTED
    [[ $2 == "$3" ]] || { echo "$1: \"$2\", expected \"$3\""; failures=$((failures + 1)); }
}
read -r _ changelog_version _ <"$source/debian/changelog"
date=$(date -ud "$(sed -n 's/^ -- .*>  //p' "$source/debian/changelog" | head -1)" +%F)
release=$(grep -m1 -o '<release [^>]*>' "$source/packaging/org.tavrin.Tavrin.metainfo.xml")
manual=$(sed -n '1s/^\.TH TAVRIN 1 \([^ ]*\) "Tavrin \([^"]*\)".*/\1 \2/p' \
    "$source/packaging/tavrin.1")

agree "debian/changelog" "$changelog_version" "($version)"
agree "metainfo release" "$release" "<release version=\"$version\" date=\"$date\"/>"
agree "manual page" "$manual" "$date $version"
agree "--version" "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" "tavrin $version"
exit $((failures > 0))
