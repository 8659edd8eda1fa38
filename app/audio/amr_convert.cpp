// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "amr_convert.h"

#include "wav_container.h"

#include <opencore-amrnb/interf_dec.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

namespace quillora::audio {

namespace {

constexpr std::array<std::uint8_t, 6> kMagic = {'#', '!', 'A', 'M', 'R', '\n'};
constexpr std::uint32_t kSamplesPerFrame = 160; // 20 ms at 8000 Hz
constexpr std::uint32_t kPcmBytesPerFrame = kSamplesPerFrame * 2;
constexpr std::size_t kLargestFrame = 32; // 12.2 kbit/s

// By frame type (RFC 4867 table 1 plus the header byte): the eight speech
// modes, SID, the reserved types that end a sound (0), NO_DATA.
constexpr std::array<std::uint8_t, 16> kFrameBytes = {13, 14, 16, 18, 20, 21, 27, 32, 6, 0, 0, 0, 0, 0, 0, 1};

struct Scan {
    std::uint32_t bytes = 0; // of the accepted frames, the magic not counted
    std::uint32_t frames = 0;
};

// The frames after the magic, up to the first one that is not part of the
// sound. The walk is capped so that both counts stay within 32 bits.
Scan scanFrames(std::span<const std::uint8_t> image)
{
    const std::size_t end = std::min<std::size_t>(image.size(), UINT32_MAX);
    Scan scan;
    std::size_t pos = kMagic.size();
    while (pos < end) {
        const std::uint8_t header = image[pos];
        const std::uint32_t size = AmrFrameSize(header);
        if (header == 0 || size == 0 || size > end - pos)
            break;
        pos += size;
        ++scan.frames;
    }
    scan.bytes = static_cast<std::uint32_t>(pos - kMagic.size());
    return scan;
}

struct DecoderExit {
    void operator()(void *state) const { Decoder_Interface_exit(state); }
};
using Decoder = std::unique_ptr<void, DecoderExit>;

// The decoder's samples appended in the WAV's little-endian order: on a
// little-endian machine they already are, and one copy does.
void appendSamples(std::vector<std::uint8_t> &wav, const std::array<short, kSamplesPerFrame> &samples)
{
    if constexpr (std::endian::native == std::endian::little) {
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(samples.data());
        wav.insert(wav.end(), bytes, bytes + kPcmBytesPerFrame);
    } else {
        for (const short sample : samples) {
            const auto bits = static_cast<std::uint16_t>(sample);
            wav.push_back(static_cast<std::uint8_t>(bits));
            wav.push_back(static_cast<std::uint8_t>(bits >> 8));
        }
    }
}

} // namespace

std::uint32_t AmrFrameSize(std::uint8_t header)
{
    return kFrameBytes[(header >> 3) & 0x0F];
}

bool HasAmrMagic(std::span<const std::uint8_t> image)
{
    return image.size() >= kMagic.size() && std::equal(kMagic.begin(), kMagic.end(), image.begin());
}

std::uint32_t AmrFrameBytes(std::span<const std::uint8_t> image)
{
    if (!HasAmrMagic(image))
        return 0;
    return static_cast<std::uint32_t>(kMagic.size()) + scanFrames(image).bytes;
}

std::vector<std::uint8_t> AmrToPcmWav(std::span<const std::uint8_t> image)
{
    if (image.size() < kMagic.size() + 1 || !HasAmrMagic(image))
        return {};
    const Scan scan = scanFrames(image);

    // A WAV file's sizes are 32-bit: a long run of 1-byte NO_DATA frames
    // would otherwise ask for 320 times the image.
    const std::uint64_t total = kPcmHeaderBytes + std::uint64_t{kPcmBytesPerFrame} * scan.frames;
    if (total > UINT32_MAX)
        return {};

    WavFormat format;
    format.formatTag = WavFormatTag::Pcm;
    format.channels = 1;
    format.sampleRate = 8000;
    format.bitsPerSample = 16;
    format.samplesPerBlock = kSamplesPerFrame;
    format.blockAlign = kPcmBytesPerFrame;
    format.bytesPerSample = 2;
    format.fmtSize = 16;
    format.factSize = 4;
    format.sampleCount = format.factSamples = kSamplesPerFrame * scan.frames;

    Decoder decoder(Decoder_Interface_init());
    if (!decoder)
        return {};

    // Reserved once, so that the appends below neither reallocate nor throw,
    // and nothing is zeroed only to be overwritten.
    std::vector<std::uint8_t> wav;
    try {
        wav.reserve(static_cast<std::size_t>(total));
    } catch (const std::bad_alloc &) {
        return {};
    } catch (const std::length_error &) {
        return {};
    }
    std::array<std::uint8_t, kPcmHeaderBytes> header{};
    if (WriteWavHeader(header, format) != kPcmHeaderBytes)
        return {};
    wav.insert(wav.end(), header.begin(), header.end());

    // The decoder is handed a copy of each frame in a buffer as large as the
    // largest frame: how far it reads is its own affair, and the last frame
    // of the image may end right at the image's end.
    std::array<std::uint8_t, kLargestFrame> frame{};
    std::array<short, kSamplesPerFrame> samples{};
    std::size_t in = kMagic.size();
    for (std::uint32_t i = 0; i < scan.frames; ++i) {
        const std::uint32_t size = AmrFrameSize(image[in]);
        frame.fill(0);
        std::memcpy(frame.data(), image.data() + in, size);
        Decoder_Interface_Decode(decoder.get(), frame.data(), samples.data(), 0);
        appendSamples(wav, samples);
        in += size;
    }
    return wav;
}

} // namespace quillora::audio
