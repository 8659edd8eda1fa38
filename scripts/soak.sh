#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Builds the soak in the Release tree and runs it: connect, send, list,
# retrieve, delete and disconnect cycles against simulated phones that are
# unplugged and made noisy, with this process's memory, threads and
# descriptors sampled (1000 cycles take about 20 minutes, most of it the
# reply time-outs after a replug).
# Usage: scripts/soak.sh [--cycles N] [--seed S] [other soak options]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target soak quillora-phonesim
if [ "$#" -eq 0 ]; then
  set -- --cycles 1000
fi
exec build/release/bench/soak "$@"
