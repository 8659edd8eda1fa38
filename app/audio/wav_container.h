// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// RIFF WAVE headers of whole sound files held in memory: reading one,
// checking that the sound is in a form the conversions handle (mono, 8 to
// 22 kHz, PCM, G.711, IMA ADPCM or the phone's ADPCM), finding its samples,
// and writing the two headers the program produces (44-byte 16-bit PCM and
// the phone's 70-byte ADPCM header). Nothing here throws, allocates or
// touches a file; every read is bounded by the bytes given.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillora::audio {

enum class WavFormatTag : std::uint16_t {
    Pcm = 1,
    MsAdpcm = 2, // known, but no codec
    ALaw = 6,
    MuLaw = 7,
    ImaAdpcm = 0x0011,
    Gsm610 = 0x0031, // accepted by the check, but no codec
    PhoneAdpcm = 0x0101,
};

enum class AudioResult : std::uint32_t {
    Ok = 0,
    HeaderUnreadable = 1,
    WriteFailed = 2,
    OutOfMemory = 4,
    Unsupported = 8, // malformed or unsupported sound
};

// A sound file image as the header functions see it: the bytes at hand and
// the length of the whole file, which may be larger (the compressor parses a
// window of the first bytes with the file's real length). Reads never go
// past `bytes`; chunk walks are bounded by `length` too.
struct WavImage {
    std::span<const std::uint8_t> bytes;
    std::uint32_t length;

    static WavImage of(std::span<const std::uint8_t> whole)
    {
        return {whole, static_cast<std::uint32_t>(whole.size() > UINT32_MAX ? UINT32_MAX : whole.size())};
    }
};

inline constexpr std::size_t kMaxChannels = 16;

// The ADPCM codecs' working state (see adpcm_codec.h); empty for PCM.
struct CodecState {
    std::vector<std::uint8_t> blockBytes;    // one block of blockAlign bytes
    std::vector<std::int16_t> blockSamples;  // channels x samplesPerBlock, interleaved
    std::size_t cursor = 0;                  // next sample of blockSamples
    std::uint16_t samplesLeftInBlock = 0;    // per channel
    std::array<std::int32_t, kMaxChannels> stepIndex{}; // the encoder's, carried across blocks
};

// One sound stream: a header that was read, or a header to write.
struct WavFormat {
    std::uint32_t sampleCount = 0; // per channel; counted down while reading
    std::uint32_t dataBytes = 0;
    WavFormatTag formatTag = WavFormatTag::Pcm;
    std::uint16_t samplesPerBlock = 0;
    std::uint16_t blockAlign = 0;
    std::uint32_t dataOffset = 0; // of the "data" payload from the image start
    CodecState codec{};
    std::uint32_t riffSize = 0;
    std::uint32_t fmtSize = 0;
    std::uint32_t factSize = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint32_t blockBytes = 0;     // bytes one codec block is expected to take
    std::uint32_t bytesPerSample = 0; // stored bytes per sample; 2 once decoded to 16 bits
    std::uint32_t extraSize = 0;      // the "fmt " cbSize field; 0 for PCM
    std::uint16_t bitsPerSample = 0;
    std::uint32_t factSamples = 0;
    std::uint32_t extLong = 0; // the phone header's extension field
    std::uint16_t extWord = 0; // the phone header's option word
};

inline constexpr std::size_t kPcmHeaderBytes = 44;
inline constexpr std::size_t kPhoneAdpcmHeaderBytes = 70;

// Reads the RIFF, WAVE and "fmt " headers into `format`.
AudioResult ParseWavHeader(const WavImage &image, WavFormat &format);
// Checks the parsed header against what the conversions handle and finds the
// "data" chunk (dataBytes, dataOffset).
AudioResult CheckWavFormat(const WavImage &image, WavFormat &format);

// Walks the chunks from `start` (an offset into image.bytes) for `id`,
// within `length` bytes (signed, as the walk counts it down). The payload
// size, 0 when not found; `offset` gets the payload's offset from `start`.
// With skipPadBytes an odd-sized chunk is followed by its pad byte, as RIFF
// writers put one there.
std::uint32_t FindRiffChunk(std::span<const std::uint8_t> bytes, std::size_t start, std::string_view id,
                            std::int32_t length, std::uint32_t &offset, bool skipPadBytes = false);

// The format tag of a WAV image (its header parsed as if it were 44 bytes
// long), or 0.
std::uint16_t WavFormatTagOf(std::span<const std::uint8_t> image);

// Writes a 16-bit PCM (44 bytes) or phone ADPCM (70 bytes) header for
// `format`, completing its derived fields; the header length, or 0 when the
// record cannot be written or `out` is too small.
std::size_t WriteWavHeader(std::span<std::uint8_t> out, WavFormat &format);

} // namespace quillora::audio
