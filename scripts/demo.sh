#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Installs what is missing, builds, and runs the main job: the simulated
# phone on a pseudo-terminal, found by the library's detection, which prints
# every status line with its code, then the phone's model, IMEI and speed.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
quillora_install_missing
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target quillora-phonesim trelvix-detect

out=$(mktemp)
build/release/tools/phonesim/quillora-phonesim >"$out" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -f "$out"' EXIT
for _ in $(seq 100); do [ -s "$out" ] && break; sleep 0.05; done
port=$(head -n 1 "$out")
[ -n "$port" ] || { echo "the simulated phone did not start" >&2; exit 1; }
echo "Simulated phone on $port"
# The phone is added to the machine's own ports; set TRELVIX_PORTS=$port to
# probe it alone.
TRELVIX_EXTRA_PORTS=$port build/release/tools/trelvix-detect 30
