#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Builds the fuzz targets and runs each for a while (default 600 seconds):
#   scripts/fuzz_long.sh [seconds [target...]]   target: at_reply, modem_recv, ...
# What a target finds is kept in build/fuzz/long-corpus/<name>/, so a later
# run builds on it; crashing inputs and their logs go to build/fuzz/crashes/.
# Prints a line per target; the status is nonzero when any target crashed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
[ $# -gt 0 ] && shift

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "${QUILLORA_JOBS:-$(nproc)}" >/dev/null

bin=build/fuzz/tests/fuzz
targets=()
if [ $# -gt 0 ]; then
  for name in "$@"; do targets+=("$bin/${name}_fuzz"); done
else
  targets=("$bin"/*_fuzz)
fi

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
crashes=build/fuzz/crashes
mkdir -p "$crashes"
failed=0
for target in "${targets[@]}"; do
  name=$(basename "$target" _fuzz)
  corpus=build/fuzz/long-corpus/$name
  mkdir -p "$corpus"
  log=$logs/$name.log
  status=0
  # The committed seeds are read, never added to; -timeout catches an input
  # that hangs, which is a fault like a crash.
  "$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$crashes/$name-" "$corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then
    result=ok
  else
    failed=1
    cp "$log" "$crashes/$name.log"
    artefact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    result="CRASH (exit $status) ${artefact:-no input written}, log $crashes/$name.log"
  fi
  printf '%-18s %11s runs %7s exec/s %5s MB  %s\n' "$name" "${runs:-?}" "${rate:-?}" "${rss:-?}" "$result"
done
exit "$failed"
