#!/usr/bin/env bash
# Runs a command (by default the format check, the README's test command and
# the package checks) on a clean clone of the current commit in a fresh minimal Debian
# root of the given release, made by mmdebstrap from the mirrors this
# machine's apt already uses. The root's mounts and processes live in
# namespaces of their own, so they end with this script however it ends, and
# the root is removed.
# Usage (as root): tools/debian-root.sh [RELEASE [COMMAND]]
#   RELEASE   a Debian code name, trixie by default
#   COMMAND   run by bash in the clone, by default "tools/check-format.sh &&
#             ./setup.sh test && tools/debian-package.sh"
set -euo pipefail
cd "$(dirname "$0")/.."
release=${1:-trixie}
command=${2:-tools/check-format.sh && ./setup.sh test && tools/debian-package.sh}
[[ $(id -u) -eq 0 ]] || { echo "tools/debian-root.sh needs root" >&2 && exit 2; }
tools/install-missing.sh git mmdebstrap debian-archive-keyring util-linux

# This machine's Debian suites (its release, -updates, -security), each with
# the release asked for in place of its own.
own=$(. /etc/os-release && echo "$VERSION_CODENAME")
mapfile -t sources < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' \
    'Created-By: Packages' 'Component: main' | sort -u |
    awk -v own="$own" -v release="$release" '$2 ~ "^" own "(-updates|-security)?$" {
        sub(own, release, $2); print "deb " $1 " " $2 " main" }')
((${#sources[@]})) || { echo "no Debian $own suite in this machine's apt sources" >&2 && exit 1; }

root=$(mktemp -d /var/tmp/tavrin-"$release".XXXXXX)
# --one-file-system: should a mount outlive its namespace, nothing beneath it is removed.
trap 'rm -rf --one-file-system "$root"' EXIT
SECONDS=0
mmdebstrap --quiet --variant=minbase "$release" "$root" "${sources[@]}"
echo "$release root: $SECONDS s, $(du -sm "$root" | cut -f1) MB"
git clone -q "$PWD" "$root/usr/src/tavrin"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# No service of a package installed in the root starts (as debootstrap does).
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"

SECONDS=0
status=0
unshare --mount --propagation private --pid --fork --kill-child bash -c '
    set -e
    root=$1
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    exec chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        bash -c "cd /usr/src/tavrin && $2"' bash "$root" "$command" || status=$?
echo "$release: \"$command\" ended with status $status after $SECONDS s"
exit $status
