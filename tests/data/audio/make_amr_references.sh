#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
#
# Regenerates the AMR-NB reference files under amr/: one 0.8 s speech-like
# sound encoded by sox in each of the eight modes (modeN.amr), sox's decoding
# of each (modeN.sox.s16: sox decodes with the same opencore-amr decoder we
# use, so ours must match it sample for sample), and ffmpeg's decoding of the
# lowest and highest mode (modeN.ffmpeg.s16: an independent decoder, which
# ours may only approximate). The .s16 files are bare 16-bit little-endian
# samples. Needs sox (with AMR-NB) and ffmpeg; the tests need neither.
# ffmpeg's decoding of the other modes is compared here and only printed,
# to keep the committed files small.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out="$here/amr"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$out"

# -R: sox's random numbers (pink noise) the same on every run; -D: no
# dither, so the source is the same bytes wherever this runs.
voiced="|sox -R -D -n -r 8000 -c 1 -p synth 0.8 sawtooth 110-160 synth 0.8 sine amod 3.5 80 gain -n -24 equalizer 700 1.5q 12 equalizer 1200 2q 9 equalizer 2600 3q 6 highpass 80"
hiss="|sox -R -D -n -r 8000 -c 1 -p synth 0.8 pinknoise synth 0.8 sine amod 2 100 0 0.5 gain -n -30 highpass 2000"
sox -R -D -m -v 1 "$voiced" -v 1 "$hiss" -b 16 -e signed-integer "$work/source.wav" gain -n -3 fade 0.03 0.8 0.08

for mode in 0 1 2 3 4 5 6 7; do
    sox -R -D "$work/source.wav" -t amr-nb -C "$mode" "$out/mode$mode.amr"
    sox -R -D "$out/mode$mode.amr" -t s16 "$out/mode$mode.sox.s16"
    ffmpeg -nostdin -loglevel error -y -c:a amrnb -i "$out/mode$mode.amr" \
        -f s16le -c:a pcm_s16le "$work/mode$mode.ffmpeg.s16"
    case "$mode" in
    0 | 7) cp "$work/mode$mode.ffmpeg.s16" "$out/" ;;
    esac
    # How far ffmpeg's decoding is from sox's (and so from ours), as sox measures it.
    echo "mode $mode: sox decoding minus ffmpeg decoding"
    sox -m -t s16 -r 8000 -c 1 -v 1 "$out/mode$mode.sox.s16" \
        -t s16 -r 8000 -c 1 -v -1 "$work/mode$mode.ffmpeg.s16" -n stats 2>&1 |
        grep -E 'Pk lev dB|RMS lev dB'
done
