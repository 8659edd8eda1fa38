#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Quillora developers
# Writes click.wav, the buttons' soft tick: 40 ms of 16-bit mono PCM at
# 22050 Hz. A short 1.8 kHz burst with a little low body and a fast decay;
# deterministic, so that running it again gives the same file.
# Usage: make_click.py [output.wav]
import math
import struct
import sys
import wave

RATE = 22050
SAMPLES = RATE * 40 // 1000
PEAK = 0.35 * 32767  # soft: well below full scale


def sample(n):
    t = n / RATE
    attack = min(1.0, n / 22.0)  # 1 ms rise avoids a hard edge
    decay = math.exp(-t / 0.006)
    tone = 0.8 * math.sin(2 * math.pi * 1800 * t) + 0.2 * math.sin(2 * math.pi * 420 * t)
    # Fade the last 5 ms to silence so the end does not click on its own.
    tail = min(1.0, (SAMPLES - 1 - n) / (RATE * 0.005))
    return int(round(PEAK * attack * decay * tail * tone))


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "click.wav"
    frames = b"".join(struct.pack("<h", sample(n)) for n in range(SAMPLES))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
