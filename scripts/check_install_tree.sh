#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Installs a build tree under a fresh prefix and checks what users and
# library users meet there: the programs, the library with its SONAME, the
# header, the manuals, desktop files, icons and man pages; then builds a
# small C program against the library twice, through pkg-config and through
# find_package(Trelvix), and runs it.
# Usage: scripts/check_install_tree.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(dirname "$(find "$prefix" -name 'libtrelvix.so' | head -n 1)")

expect() {
  for f in "$@"; do
    [ -e "$prefix/$f" ] || { echo "missing from the installed tree: $f" >&2; exit 1; }
  done
}
expect bin/quillora bin/quillora-cli bin/quillora-phonesim include/trelvix.h \
  share/applications/org.quillora.Quillora.desktop share/metainfo/org.quillora.Quillora.metainfo.xml \
  share/mime/packages/org.quillora.Quillora.mime.xml \
  share/icons/hicolor/scalable/apps/org.quillora.Quillora.svg share/icons/hicolor/256x256/apps/org.quillora.Quillora.png \
  "share/doc/quillora/Quillora.html" "share/doc/quillora/Quillora FR.html" \
  share/man/man1/quillora.1.gz share/man/man1/quillora-cli.1.gz share/man/man1/quillora-phonesim.1.gz
soname=$(readelf -d "$libdir/libtrelvix.so" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
[ "$soname" = libtrelvix.so.0 ] || { echo "SONAME is '$soname', not libtrelvix.so.0" >&2; exit 1; }
[ -e "$libdir/$soname" ] || { echo "no $soname link" >&2; exit 1; }
echo "ok    installed tree ($(find "$prefix" -type f | wc -l) files, $soname)"

work=$prefix/consumer
mkdir -p "$work"
cat >"$work/uses_trelvix.c" <<'C'
#include <stdio.h>
#include <trelvix.h>
int main(void)
{
    /* Stopping a channel that never started is refused, not a crash. */
    printf("Comm_Stop: %d\n", Comm_Stop(0));
    return 0;
}
C
# shellcheck disable=SC2046 # pkg-config prints one word per flag
cc -Wall -Werror -o "$work/by_pkgconfig" "$work/uses_trelvix.c" \
  $(PKG_CONFIG_PATH=$libdir/pkgconfig pkg-config --cflags --libs trelvix)
LD_LIBRARY_PATH=$libdir "$work/by_pkgconfig" >/dev/null
echo "ok    pkg-config trelvix: built and ran"

cat >"$work/CMakeLists.txt" <<'CM'
cmake_minimum_required(VERSION 3.25)
project(uses_trelvix C)
find_package(Trelvix 0.1 REQUIRED)
add_executable(by_cmake uses_trelvix.c)
target_link_libraries(by_cmake PRIVATE Trelvix::trelvix)
CM
cmake -S "$work" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/build" >/dev/null
"$work/build/by_cmake" >/dev/null
echo "ok    find_package(Trelvix): built and ran"
