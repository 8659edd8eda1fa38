#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Builds the Release benchmarks, runs them (about 6 minutes) and writes
# bench/README.md, the performance table, from their outputs.
# Usage: scripts/bench_table.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
quillora_install_missing sox libsox-fmt-all ffmpeg python3
cmake --preset release >/dev/null
cmake --build --preset release --target transfer_bench detect_bench window_bench audio_bench channel_throughput_bench
bench=build/release/bench
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
echo "$(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1), $(date -u +%Y-%m-%d)" >"$out/machine.txt"
echo "transfers (about 3 minutes)"
"$bench/transfer_bench" >"$out/transfer.txt"
echo "detection"
"$bench/detect_bench" --benchmark_out="$out/detect.json" --benchmark_out_format=json >>"$out/log.txt"
echo "the program's window"
"$bench/window_bench" >"$out/window.txt"
echo "sound converters"
"$bench/audio_bench" --benchmark_out="$out/audio.json" --benchmark_out_format=json >>"$out/log.txt"
echo "channel"
# A pty's speed drifts with the load: ours and the plain copies take turns,
# and the table compares the medians.
"$bench/channel_throughput_bench" --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true --benchmark_out="$out/channel.json" --benchmark_out_format=json >>"$out/log.txt"
python3 scripts/bench_table.py "$out" bench/README.md
