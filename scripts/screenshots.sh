#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Renders every window of the program, offscreen, in the given languages
# (locale ids; default 1033 and 1036) as <window>-<id>.png into
# docs/screenshots/ or the folder given with --out, building the tool in
# build/debug (or $QUILLORA_BUILD_DIR) first when it is out of date. Texts a
# window cuts off are listed; the exit status is then 1.
# Usage: scripts/screenshots.sh [--out DIR] [--window NAME]... [LOCALE_ID]...
set -euo pipefail
start=$PWD
cd "$(dirname "$0")/.."
out=$PWD/docs/screenshots
build=${QUILLORA_BUILD_DIR:-build/debug}
args=()
languages=()
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out=$2; [[ $out = /* ]] || out=$start/$out; shift 2 ;;
    --window) args+=(--window "$2"); shift 2 ;;
    -h | --help) sed -n '4,9p' "$0" | cut -c3-; exit 0 ;;
    *) languages+=("$1"); shift ;;
  esac
done
[ ${#languages[@]} -gt 0 ] || languages=(1033 1036)
for id in "${languages[@]}"; do args+=(--language "$id"); done

if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  if [ "$build" = build/debug ]; then cmake --preset debug >/dev/null
  else cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null; fi
fi
cmake --build "$build" --target quillora-screenshots
exec "$build/tools/screenshots/quillora-screenshots" "${args[@]}" --out "$out"
