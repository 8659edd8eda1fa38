// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The sample layer under the WAV converters: reading 16-bit samples out of
// PCM, G.711, IMA ADPCM (0x0011) and phone ADPCM (0x0101) data, and writing
// 16-bit PCM or phone ADPCM. Input and output are bounded spans that the
// calls advance as they consume or fill them; nothing reads or writes
// outside them, and nothing throws (a failed allocation is a result).
//
// Use: ParseWavHeader and CheckWavFormat (wav_container.h) fill a WavFormat,
// BeginSampleRead sets up its codec state, ReadSamples is called as often as
// needed, EndSampleRead releases the state. Writing is the same with a record
// filled as WriteWavHeader requires.
#pragma once

#include "wav_container.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quillora::audio {

// IMA ADPCM quantizer steps, indexed by the step index 0..88.
inline constexpr std::array<std::int16_t, 89> kImaStepTable = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// How a 4-bit code moves the step index (the sign bit does not matter).
inline constexpr std::array<std::int8_t, 16> kImaIndexTable = {-1, -1, -1, -1, 2, 4, 6, 8,
                                                               -1, -1, -1, -1, 2, 4, 6, 8};

inline constexpr std::uint8_t kMaxStepIndex = 88;

// ITU-T G.711 expansion of one A-law or mu-law code to 16-bit linear.
std::int16_t ALawToLinear(std::uint8_t code);
std::int16_t MuLawToLinear(std::uint8_t code);

// Samples per channel held by `bytes` of ADPCM data: whole blocks of
// `blockAlign` bytes with `samplesPerBlock` each, and a shorter rest that
// holds its header sample plus 8 for every whole 4-byte group per channel
// (never more than a block's worth). 0 for a zero channel count or block.
std::uint64_t SamplesInAdpcmBytes(std::uint64_t bytes, std::uint32_t channels, std::uint32_t blockAlign,
                                  std::uint32_t samplesPerBlock);

// Sets up reading after ParseWavHeader and CheckWavFormat: sampleCount
// (per channel) from dataBytes, and for ADPCM the block buffers. Unsupported
// for GSM and other tags, for a channel count of 0 or above kMaxChannels,
// for a block that cannot hold its header or the samples it claims, for
// more samples than sampleCount holds, and when memory runs out.
AudioResult BeginSampleRead(WavFormat &format);

// Decodes up to `wanted` samples (all channels together, interleaved) into
// `out`, which has room for `wanted`; `data` is the rest of the "data"
// payload and is advanced past what was consumed (whole ADPCM blocks, or the
// short last one). Returns the samples delivered; fewer than wanted at the
// end of the sound or of `data`.
std::uint32_t ReadSamples(std::span<const std::uint8_t> &data, WavFormat &format, std::int16_t *out,
                          std::uint32_t wanted);

void EndSampleRead(WavFormat &format);

// Writes the header for `format` (Pcm or PhoneAdpcm, see WriteWavHeader) to
// `out`, advances `out` past it and for PhoneAdpcm sets up the encoder with
// every channel's step index at 0. The header length, 0 on failure.
std::size_t BeginSampleWrite(std::span<std::uint8_t> &out, WavFormat &format);

// Encodes `count` samples (interleaved) to `out`, advancing it. PCM: two
// bytes a sample. PhoneAdpcm: whole blocks of blockAlign bytes; the call's
// last partial block is padded with zero samples, so callers pass whole
// blocks except at the end of the sound. Returns the samples consumed; it
// stops early when `out` has no room for the next sample or block.
std::uint32_t WriteSamples(const std::int16_t *samples, std::uint32_t count, std::span<std::uint8_t> &out,
                           WavFormat &format);

void EndSampleWrite(WavFormat &format);

} // namespace quillora::audio
