#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Installs what is missing, builds, and runs the main job: for now a short
# exchange with a scripted modem on a pseudo-terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
quillora_install_missing
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target trelvix-demo
build/release/tools/trelvix-demo
