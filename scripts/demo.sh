#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Installs what is missing, builds, and runs the main job against the
# simulated phone on a pseudo-terminal with an object store. On a display
# (DISPLAY or WAYLAND_DISPLAY set) it starts the program, which finds the
# phone, shows it and sends a picture under its progress window, and the
# phone holds a large photo to retrieve from the phone browser; without one, or with --cli, it runs a round trip
# through quillora-cli: find the phone, send a picture, a melody, a vCard
# and a sound, list them, fetch them back into a fresh folder and compare
# them, delete them and list the empty store. Each command is printed
# before it runs.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
quillora_install_missing
cmake --preset release >/dev/null
gui=0
if [ "${1:-}" != "--cli" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } &&
  [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  gui=1
fi
targets=(quillora-phonesim quillora-cli)
[ $gui -eq 1 ] && targets+=(quillora)
cmake --build --preset release -j "$(nproc)" --target "${targets[@]}"

sim=build/release/tools/phonesim/quillora-phonesim
if [ $gui -eq 0 ]; then
  exec bash scripts/round_trip.sh "$sim" build/release/app/cli/quillora-cli tests/data/audio/voice_8k.wav
fi

work=$(mktemp -d)
# The demo's settings stay in its own folder.
export XDG_CONFIG_HOME=$work/config
# A phone at a real cable's pace (11520 bytes a second) holding a photo,
# so that the progress windows stay up long enough to be watched.
{ printf '\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01'; head -c 150000 /dev/urandom; } >"$work/send.jpg"
simopts=(--store="$work/store" --line-rate=11520
  "--object=pictures:JPEG:Beach at dawn:$PWD/tests/data/pictures/demo_photo.jpg")
mkfifo "$work/sim.out"
"$sim" "${simopts[@]}" >"$work/sim.out" &
simpid=$!
trap 'kill $simpid 2>/dev/null; wait $simpid 2>/dev/null; rm -rf "$work"' EXIT
exec 3<"$work/sim.out"
read -r -t 10 -u 3 port || { echo "the simulated phone did not start" >&2; exit 1; }
echo "Simulated phone on $port, its objects in $work/store"

echo "Starting Quillora with a picture to send: it goes to the phone as soon as the phone is found."
echo "Then press Receive..., select \"Beach at dawn\" and Retrieve... to watch a retrieval."
echo "Close the program to end the demo."
# A runtime folder of the demo's own, so an installed Quillora that runs
# already does not take the start over.
mkdir -m 700 "$work/run"
XDG_RUNTIME_DIR=$work/run TRELVIX_PORTS=$port TRELVIX_EXTRA_PORTS= build/release/app/shell/quillora "$work/send.jpg"
