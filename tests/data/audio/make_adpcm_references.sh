#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Regenerates the committed sound files the audio tests compare against:
# a speech-like 8 kHz mono source, IMA ADPCM and G.711 files made from it
# by sox and by ffmpeg, and each of those decoded to 16-bit PCM by both
# tools. The tests never run this; they read what it left here. Needs sox
# (with libsox-fmt-all) and ffmpeg. Output is deterministic: sox runs with
# its fixed random seed and no dither, ffmpeg in bit-exact mode without
# metadata, so a rerun gives the same bytes unless a tool changes.
set -euo pipefail
cd "$(dirname "$0")"
sox_q=(sox -R -D -q)
ffmpeg_q=(ffmpeg -hide_banner -loglevel error -y)
ffmpeg_out=(-fflags +bitexact -flags:a +bitexact -map_metadata -1)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A second of something speech-like: a voice (a sawtooth with a rising
# pitch, its harmonics falling off as a glottal pulse's do, three formant
# peaks, a syllable-rate envelope) mixed with a fricative (quiet high-passed
# noise with its own envelope, heard in the voice's pauses). No real speech
# recording ships on the build machines, so it is synthesized.
"${sox_q[@]}" -n -r 8000 -c 1 -e floating-point -b 32 "$scratch/voice.wav" \
  synth 1 sawtooth 100-180 synth 1 sine amod 3.3 0 lowpass -1 300 lowpass -1 300 \
  equalizer 700 1q +10 equalizer 1250 1.5q +8 equalizer 2600 2q +6 lowpass 3400
"${sox_q[@]}" -n -r 8000 -c 1 -e floating-point -b 32 "$scratch/fricative.wav" \
  synth 1 whitenoise synth 1 sine amod 2.1 0 50 vol 0.03 highpass 2500 lowpass 3400
"${sox_q[@]}" -m "$scratch/voice.wav" "$scratch/fricative.wav" -e signed-integer -b 16 speech_like_8k.wav gain -n -2

# IMA ADPCM: sox writes 256-byte blocks of 505 samples, ffmpeg 1024-byte
# blocks of 2041.
"${sox_q[@]}" speech_like_8k.wav -e ima-adpcm ima_sox.wav
"${ffmpeg_q[@]}" -i speech_like_8k.wav "${ffmpeg_out[@]}" -c:a adpcm_ima_wav ima_ffmpeg.wav

# G.711: every one of the 256 codes once (made by sox from raw bytes), and a
# quarter second of the source encoded by ffmpeg.
for i in $(seq 0 255); do printf "\\$(printf %03o "$i")"; done >"$scratch/codes.raw"
"${sox_q[@]}" -t raw -r 8000 -c 1 -e a-law -b 8 "$scratch/codes.raw" alaw_codes.wav
"${sox_q[@]}" -t raw -r 8000 -c 1 -e u-law -b 8 "$scratch/codes.raw" mulaw_codes.wav
"${ffmpeg_q[@]}" -t 0.25 -i speech_like_8k.wav "${ffmpeg_out[@]}" -c:a pcm_alaw alaw_speech.wav
"${ffmpeg_q[@]}" -t 0.25 -i speech_like_8k.wav "${ffmpeg_out[@]}" -c:a pcm_mulaw mulaw_speech.wav

# Each coded file decoded by both tools.
for coded in ima_sox ima_ffmpeg alaw_codes mulaw_codes alaw_speech mulaw_speech; do
  "${sox_q[@]}" "$coded.wav" -e signed-integer -b 16 "$coded.by-sox.wav"
  "${ffmpeg_q[@]}" -i "$coded.wav" "${ffmpeg_out[@]}" -c:a pcm_s16le "$coded.by-ffmpeg.wav"
done
ls -l ./*.wav

# A real recording: a human voice saying "front center", from alsa-utils'
# speaker-test sounds (GPL-2; apt-get install alsa-utils), resampled to 8 kHz.
if [ -f /usr/share/sounds/alsa/Front_Center.wav ]; then
  "${sox_q[@]}" /usr/share/sounds/alsa/Front_Center.wav -r 8000 -c 1 -b 16 -e signed-integer voice_8k.wav
fi
