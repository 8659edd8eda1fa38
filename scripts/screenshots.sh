#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Renders every window of the program offscreen, against the simulated phone.
# Without language ids: all 25 languages, and one contact sheet per window
# (the window in every language side by side) as docs/screenshots/<window>.png.
# With ids: <window>-<id>.png for those languages into build/screenshots or the
# folder given with --out. Texts a window cuts off are listed; the exit status
# is then 1. The tool is built in build/debug (or $QUILLORA_BUILD_DIR) first.
# Usage: scripts/screenshots.sh [--out DIR] [--window NAME]... [LOCALE_ID]...
set -euo pipefail
start=$PWD
cd "$(dirname "$0")/.."
out=
build=${QUILLORA_BUILD_DIR:-build/debug}
args=()
languages=()
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out=$2; [[ $out = /* ]] || out=$start/$out; shift 2 ;;
    --window) args+=(--window "$2"); shift 2 ;;
    -h | --help) sed -n '4,10p' "$0" | cut -c3-; exit 0 ;;
    *) languages+=("$1"); shift ;;
  esac
done
if [ ${#languages[@]} -eq 0 ]; then
  languages=(1026 1028 1029 1030 1031 1032 1033 1034 1036 1038 1040 1043 1044
             1045 1046 1048 1049 1050 1051 1053 1055 1058 1060 2052 2070)
  [ -n "$out" ] || { out=$(mktemp -d); trap 'rm -rf "$out"' EXIT; }
  args+=(--sheets "$PWD/docs/screenshots")
fi
[ -n "$out" ] || out=$PWD/build/screenshots
for id in "${languages[@]}"; do args+=(--language "$id"); done

if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  if [ "$build" = build/debug ]; then cmake --preset debug >/dev/null
  else cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null; fi
fi
cmake --build "$build" --target quillora-screenshots
"$build/tools/screenshots/quillora-screenshots" "${args[@]}" --out "$out"
