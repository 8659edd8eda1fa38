#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Reads every kind of WAV header quillora-cli writes back with independent
# readers: soxi for the PCM copies, ffprobe for those and for the phone's
# ADPCM form (which sox does not decode, but whose header ffprobe reads).
# Usage: scripts/check_audio_headers.sh [path/to/quillora-cli]
set -euo pipefail
cli=${1:-build/debug/app/cli/quillora-cli}
for tool in sox soxi ffprobe; do
  command -v "$tool" >/dev/null || { echo "check_audio_headers: $tool missing, skipped"; exit 0; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "check_audio_headers: $*" >&2; exit 1; }
probe() { ffprobe -v error -show_entries "stream=$2" -of default=noprint_wrappers=1:nokey=1 "$1" | tr '\n' ' '; }

sox -n -r 8000 -c 1 -b 16 "$work/tone.wav" synth 2 sine 300-3000 vol 0.5
sox "$work/tone.wav" -t amr-nb -C 7 "$work/tone.amr"
"$cli" compress "$work/tone.wav" "$work/phone.wav"
"$cli" convert "$work/phone.wav" "$work/phone-pcm.wav"
"$cli" convert "$work/tone.amr" "$work/amr.wav"

for f in phone-pcm amr; do
  [ "$(soxi -r "$work/$f.wav")" = 8000 ] || fail "$f.wav: soxi rate"
  [ "$(soxi -c "$work/$f.wav")" = 1 ] || fail "$f.wav: soxi channels"
  [ "$(soxi -b "$work/$f.wav")" = 16 ] || fail "$f.wav: soxi bits"
  [ "$(probe "$work/$f.wav" codec_name,sample_rate,channels)" = "pcm_s16le 8000 1 " ] || fail "$f.wav: ffprobe"
done
# The AMR copy holds 160 samples per frame: 2 s of sound, 100 frames.
[ "$(soxi -s "$work/amr.wav")" = 16000 ] || fail "amr.wav: sample count"
# The phone form: ffprobe reads its header, and its fact chunk's count.
[ "$(probe "$work/phone.wav" sample_rate,channels,duration_ts)" = "8000 1 16000 " ] || fail "phone.wav: ffprobe"
echo "check_audio_headers: all headers read back"
