// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Whole-file WAV conversions on the sample layer (adpcm_codec.h): a sound
// about to be sent is re-encoded into the phone's 4-bit ADPCM (0x0101) when
// that is possible, and a sound received in that form is decoded into a
// 16-bit PCM WAV the computer's players take. Results are owning vectors;
// an empty one means "no conversion", never an exception.
#pragma once

#include "wav_container.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quillora::audio {

// A bounded byte stream over memory: a source reads from `source`, a sink
// writes into `sink`. Read and Write copy at `position` and move it; they
// copy fewer bytes than asked only at the end of the buffer, which for a
// sink is how a conversion finds out it ran out of room.
struct MemoryStream {
    std::span<const std::uint8_t> source;
    std::span<std::uint8_t> sink;
    std::size_t size = 0;     // a source's length; the bytes a sink holds so far
    std::size_t position = 0;

    static MemoryStream Source(std::span<const std::uint8_t> bytes) { return {bytes, {}, bytes.size(), 0}; }
    static MemoryStream Sink(std::span<std::uint8_t> room) { return {{}, room, 0, 0}; }

    std::size_t Read(std::span<std::uint8_t> to);
    std::size_t Write(std::span<const std::uint8_t> from);
};

// Re-encodes the WAV in `source` (position 0) as a 0x0101 WAV into `sink`,
// with `optionWord` in the header's option field. The header must lie in the
// first 128 bytes. Mono PCM (8/16 bit), A-law, mu-law and IMA ADPCM are
// re-encoded; a 0x0101 file is copied unchanged. Works with three fixed
// 4096-element buffers whatever the length of the sound.
// HeaderUnreadable: empty source. Unsupported: any other form, or a damaged
// file. WriteFailed: the sink is too small. OutOfMemory: no working buffers.
AudioResult ConvertToPhoneAdpcm(MemoryStream &source, MemoryStream &sink, std::uint16_t optionWord = 0);

// The phone ADPCM image of a sound about to be sent, or empty when it is not
// compressed (the caller then sends the file unchanged): not a form the
// compressor takes, already 0x0101, or anything going wrong on the way.
// `option` goes into the header's option word; the sending code passes 0.
std::vector<std::uint8_t> CompressWavForPhone(std::span<const std::uint8_t> image, std::uint8_t option = 0);

// The 16-bit PCM WAV image (44-byte header) of any sound the sample reader
// takes (PCM, G.711, IMA ADPCM, phone ADPCM), or empty on failure.
std::vector<std::uint8_t> WavToPcmWav(std::span<const std::uint8_t> image);

} // namespace quillora::audio
