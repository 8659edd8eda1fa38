#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Installs what is missing, builds, runs every test (Debug with warnings as
# errors), then the AddressSanitizer+UBSan and ThreadSanitizer builds, then
# the fuzz targets for a fixed number of runs, then builds the Debian
# packages and installs, runs and removes them in a fresh Debian 12 chroot.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# sox and ffmpeg read back the WAV headers the program writes; the rest
# validate the desktop entry, metainfo, MIME package and man pages.
quillora_install_missing sox libsox-fmt-all ffmpeg \
  desktop-file-utils appstream libxml2-utils man-db groff-base shared-mime-info

jobs=$(nproc)
# Most tests wait on the line or a timer rather than compute, so twice as
# many run side by side as there are cores.
test_jobs=$((2 * jobs))
# Each stage's time, so that a slow one shows in the CI log.
stage_start=$SECONDS
stage() {
  echo "(took $((SECONDS - stage_start)) s)"
  stage_start=$SECONDS
  echo "=== $1 ==="
}
run_preset() {
  local preset=$1
  stage "$preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$test_jobs"
}

run_preset debug
bash scripts/check_audio_headers.sh build/debug/app/cli/quillora-cli
run_preset asan
run_preset tsan

stage fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
for target in build/fuzz/tests/fuzz/*_fuzz; do
  corpus=tests/fuzz/corpus/$(basename "$target" _fuzz)
  # New inputs go to a scratch directory, so the seeds in the tree stay as committed.
  scratch=$(mktemp -d)
  echo -n "$(basename "$target"): "
  "$target" -runs=100000 -max_len=4096 -seed=1 "$scratch" "$corpus" 2>&1 | tail -n 1
  rm -rf "$scratch"
done
stage package
# The packages come from the Debug tree: their layout, dependencies and
# scripts are what the check is about, and a third full build would double
# its time.
QUILLORA_PACKAGE_CHECK=auto bash scripts/check_package.sh build/debug
echo "(took $((SECONDS - stage_start)) s; $SECONDS s in all)"
echo "all tests passed"
