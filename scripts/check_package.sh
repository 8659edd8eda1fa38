#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Builds the Debian packages and the source tarball, runs lintian on the
# packages (anything it says that packaging/lintian-explained.txt does not
# explain fails the check), then installs the program, the library and the
# simulated phone into a fresh Debian 12 chroot that holds nothing but
# their declared dependencies, runs `quillora-cli --help`, `quillora
# --version` and the command line's round trip against the installed
# phone there, removes them and checks that no file of theirs is left.
# Needs root, mounts and the Debian mirror the machine's apt uses; with
# QUILLORA_PACKAGE_CHECK=auto (as scripts/test.sh runs it) a machine that
# allows no chroot skips the check with a note instead of failing.
# Usage: scripts/check_package.sh [BUILD_DIR]
# Without BUILD_DIR the packages are built in build/package (RelWithDebInfo,
# as they are released); a BUILD_DIR already configured is used as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${QUILLORA_PACKAGE_CHECK:-on}" = auto ]; then
  probe=$(mktemp -d)
  if [ "$(id -u)" -ne 0 ] || ! mount -t tmpfs none "$probe" 2>/dev/null; then
    rmdir "$probe"
    echo "package check skipped: it needs root and mount (for the chroot)"
    exit 0
  fi
  umount "$probe"
  rmdir "$probe"
fi
. scripts/deps.sh
quillora_install_missing debootstrap lintian dpkg-dev fakeroot file
build=${1:-build/package}
[[ $build = /* ]] || build=$PWD/$build

echo "=== packages ==="
if [ -f "$build/CMakeCache.txt" ] && [ "$build" != "$PWD/build/package" ]; then
  # A tree of the caller's (the test script's Debug tree, to spare a build):
  # only the prefix the packages install under changes.
  cmake -S . -B "$build" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DQUILLORA_TESTS=OFF -DQUILLORA_BENCH=OFF -DQUILLORA_WERROR=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/*.deb "$build"/*.tar.gz
(cd "$build" && cpack -G DEB >/dev/null && cpack --config CPackSourceConfig.cmake >/dev/null)
ls -l "$build"/*.deb "$build"/*.tar.gz

echo "=== lintian ==="
# One tag per line, with the reason it stands, in the explanations file.
explained=$(grep -v '^#' packaging/lintian-explained.txt | awk 'NF {print $1}' | paste -sd, -)
lintian --fail-on error,warning ${explained:+--suppress-tags "$explained"} "$build"/*.deb
echo "lintian: clean (explained: ${explained:-none})"

echo "=== a fresh Debian 12 ==="
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}
root=$(mktemp -d /tmp/quillora-chroot.XXXXXX)
cleanup() {
  umount "$root/dev/pts" "$root/proc" 2>/dev/null || true
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
  { tail -n 20 "$root.log" >&2; exit 1; }
mount -t proc proc "$root/proc"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
ln -sf pts/ptmx "$root/dev/ptmx"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
# What the system holds before; the same must be there after the removal.
snapshot() { in_root find /usr /etc /opt /var/lib -xdev -not -path '/var/lib/apt/*' -not -path '/var/lib/dpkg/*' | sort; }
snapshot >"$root.before"

mkdir -p "$root/tmp/check"
cp "$build"/quillora_*.deb "$build"/libtrelvix0_*.deb "$build"/quillora-phonesim_*.deb "$root/tmp/check/"
cp scripts/round_trip.sh tests/data/audio/voice_8k.wav "$root/tmp/check/"
in_root apt-get -o APT::Sandbox::User=root update -q >/dev/null
debs=$(cd "$root/tmp/check" && ls *.deb | sed "s|^|/tmp/check/|")
# shellcheck disable=SC2086 # one word per package file
in_root env DEBIAN_FRONTEND=noninteractive apt-get -o APT::Sandbox::User=root install -y -q --no-install-recommends $debs >/dev/null
in_root dpkg-query -W quillora libtrelvix0 quillora-phonesim

echo "=== the installed programs ==="
in_root quillora-cli --help >"$root.help"
head -n 3 "$root.help"
# No display there: the version is printed without one.
in_root quillora --version
in_root bash /tmp/check/round_trip.sh /usr/bin/quillora-phonesim /usr/bin/quillora-cli /tmp/check/voice_8k.wav

echo "=== removal ==="
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q --autoremove quillora libtrelvix0 quillora-phonesim >/dev/null
rm -rf "$root/tmp/check"
snapshot >"$root.after"
if ! diff "$root.before" "$root.after"; then
  echo "the removal left files behind (above)" >&2
  exit 1
fi
rm -f "$root.before" "$root.after" "$root.log" "$root.help"
echo "installed, ran and removed cleanly"
