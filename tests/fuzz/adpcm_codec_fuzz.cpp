// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary bytes as IMA or phone ADPCM in a block layout the first bytes
// give, decoded in pieces and at once (the same samples, as many as the
// layout holds); a second encode-decode round trip changes no sample.

#include "fuzz_check.h"
#include "adpcm_codec.h"
#include "wav_convert.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using namespace quillora::audio;
using Samples = std::vector<std::int16_t>;

struct Layout {
    WavFormatTag tag;
    std::uint32_t channels;
    std::uint32_t blockAlign;
    std::uint32_t samplesPerBlock;
};

std::uint64_t headerBytes(const Layout &l)
{
    return 4ull * l.channels;
}

// Samples per channel in a block of `bytes` (whole or the short last one):
// the header's sample and 8 for every 4-byte group of each channel.
std::uint64_t blockSamples(const Layout &l, std::uint64_t bytes)
{
    if (bytes < headerBytes(l))
        return 0;
    return std::min<std::uint64_t>(l.samplesPerBlock, (bytes - headerBytes(l)) / headerBytes(l) * 8 + 1);
}

bool readable(const Layout &l)
{
    return l.channels >= 1 && l.channels <= kMaxChannels && l.blockAlign >= headerBytes(l) && l.samplesPerBlock >= 1 &&
           l.samplesPerBlock <= (l.blockAlign - headerBytes(l)) / headerBytes(l) * 8 + 1;
}

bool begin(const Layout &l, std::size_t bytes, WavFormat &f)
{
    f.formatTag = l.tag;
    f.channels = static_cast<std::uint16_t>(l.channels);
    f.blockAlign = static_cast<std::uint16_t>(l.blockAlign);
    f.samplesPerBlock = static_cast<std::uint16_t>(l.samplesPerBlock);
    f.dataBytes = static_cast<std::uint32_t>(bytes);
    return BeginSampleRead(f) == AudioResult::Ok;
}

// Every sample of `data`, read in pieces of changing size, each into the
// end of a buffer, so ASan sees a write past the piece.
Samples decodeInPieces(const Layout &l, std::span<const std::uint8_t> data, std::uint8_t seed)
{
    constexpr std::uint32_t kLargestPiece = 300;
    WavFormat f;
    check(begin(l, data.size(), f));
    const std::uint64_t whole = data.size() / l.blockAlign, rest = data.size() % l.blockAlign;
    const std::uint64_t promised = whole * l.samplesPerBlock + blockSamples(l, rest);
    check(f.sampleCount == promised);
    Samples out, buffer(kLargestPiece);
    for (std::uint32_t step = 0;; ++step) {
        const std::uint32_t wanted = 1 + (seed * 7u + step * 13u) % kLargestPiece;
        std::int16_t *piece = buffer.data() + kLargestPiece - wanted;
        const std::uint32_t n = ReadSamples(data, f, piece, wanted);
        check(n <= wanted);
        if (n == 0)
            break;
        out.insert(out.end(), piece, piece + n);
    }
    EndSampleRead(f);
    check(out.size() == promised * l.channels);
    // Whole blocks and a short last one are taken; a rest too short for the
    // headers is not a block.
    check(data.size() == (rest < headerBytes(l) ? rest : 0));
    return out;
}

Samples decodeAtOnce(const Layout &l, std::span<const std::uint8_t> data, std::size_t count)
{
    WavFormat f;
    check(begin(l, data.size(), f));
    Samples out(count);
    if (count > 0)
        check(ReadSamples(data, f, out.data(), static_cast<std::uint32_t>(count)) == count);
    std::int16_t more = 0;
    check(ReadSamples(data, f, &more, 1) == 0);
    EndSampleRead(f);
    return out;
}

// Each block starts with its header's sample, for every channel (an IMA
// header with a step index past the table leaves the channel as it was).
void checkBlockStarts(const Layout &l, std::span<const std::uint8_t> data, const Samples &samples)
{
    const std::size_t frame = std::size_t{l.samplesPerBlock} * l.channels;
    for (std::size_t block = 0; block * frame < samples.size(); ++block) {
        for (std::uint32_t c = 0; c < l.channels; ++c) {
            const std::uint8_t *header = data.data() + block * l.blockAlign + 4 * c;
            if (l.tag == WavFormatTag::ImaAdpcm && header[2] > kMaxStepIndex)
                continue;
            check(samples[block * frame + c] == static_cast<std::int16_t>(header[0] | header[1] << 8));
        }
    }
}

// `samples` (interleaved, whole frames) as a phone ADPCM image.
std::vector<std::uint8_t> encode(const Samples &samples, std::uint32_t channels, std::uint32_t blockAlign,
                                 Layout &layout)
{
    const std::uint32_t perBlock = (blockAlign - 4 * channels) / (4 * channels) * 8 + 1;
    const std::size_t frames = samples.size() / channels;
    const std::size_t blocks = (frames + perBlock - 1) / perBlock;
    std::vector<std::uint8_t> image(kPhoneAdpcmHeaderBytes + blocks * blockAlign);
    WavFormat f{.sampleCount = static_cast<std::uint32_t>(frames), .formatTag = WavFormatTag::PhoneAdpcm,
                .blockAlign = static_cast<std::uint16_t>(blockAlign), .fmtSize = 16, .factSize = 4,
                .channels = static_cast<std::uint16_t>(channels), .sampleRate = 8000, .bitsPerSample = 4,
                .factSamples = static_cast<std::uint32_t>(frames)};
    std::span<std::uint8_t> out(image);
    check(BeginSampleWrite(out, f) == kPhoneAdpcmHeaderBytes && f.samplesPerBlock == perBlock);
    check(WriteSamples(samples.data(), static_cast<std::uint32_t>(samples.size()), out, f) == samples.size());
    check(out.empty() && f.dataBytes == blocks * blockAlign); // exactly the blocks the header promised
    EndSampleWrite(f);
    layout = {WavFormatTag::PhoneAdpcm, channels, blockAlign, perBlock};
    return image;
}

// Mono goes back through the WAV converter, which also shows that the
// header describes the data; two channels through the sample layer.
Samples roundTrip(const Samples &samples, std::uint32_t channels, std::uint32_t blockAlign, bool readAsWav)
{
    Layout layout{};
    const std::vector<std::uint8_t> image = encode(samples, channels, blockAlign, layout);
    const std::span<const std::uint8_t> data = std::span(image).subspan(kPhoneAdpcmHeaderBytes);
    const std::size_t count = data.size() / blockAlign * layout.samplesPerBlock * channels;
    Samples back;
    if (channels == 1 && readAsWav) {
        const std::vector<std::uint8_t> pcm = WavToPcmWav(image);
        check(pcm.size() == kPcmHeaderBytes + 2 * count);
        back.resize(count);
        for (std::size_t i = 0; i < count; ++i)
            back[i] = static_cast<std::int16_t>(pcm[kPcmHeaderBytes + 2 * i] | pcm[kPcmHeaderBytes + 2 * i + 1] << 8);
    } else {
        back = decodeAtOnce(layout, data, count);
    }
    // The encoder starts each block at the exact sample it was given.
    const std::size_t frame = std::size_t{layout.samplesPerBlock} * channels;
    for (std::size_t at = 0; at < samples.size(); at += frame)
        for (std::uint32_t c = 0; c < channels; ++c)
            check(back[at + c] == samples[at + c]);
    return back;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 6)
        return 0;
    // Channel counts 0 and 17 are refused; the block sizes stay small enough
    // for quick runs.
    const Layout layout{(data[0] & 1) ? WavFormatTag::PhoneAdpcm : WavFormatTag::ImaAdpcm, (data[0] >> 1) % 18u,
                        (data[1] | data[2] << 8) & 0x0FFFu, (data[3] | data[4] << 8) & 0x1FFFu};
    const std::uint8_t seed = data[5];
    const std::span<const std::uint8_t> adpcm(data + 6, size - 6);
    WavFormat f;
    check(begin(layout, adpcm.size(), f) == readable(layout));
    EndSampleRead(f);
    if (!readable(layout))
        return 0;

    const Samples samples = decodeInPieces(layout, adpcm, seed);
    check(decodeAtOnce(layout, adpcm, samples.size()) == samples);
    checkBlockStarts(layout, adpcm, samples);

    if (layout.channels > 2 || samples.empty())
        return 0;
    // A few blocks show what the codec does; more would only slow the runs.
    const Samples head(samples.begin(), samples.begin() + std::min<std::size_t>(samples.size(), 256));
    const std::uint32_t blockAlign = 4 * layout.channels * (1 + seed % 16); // the phone's 44 among them
    const Samples once = roundTrip(head, layout.channels, blockAlign, true);
    const Samples twice = roundTrip(once, layout.channels, blockAlign, false);
    // Without clamping, the decoder's steps are ones the encoder picks again.
    if (std::none_of(once.begin(), once.end(), [](std::int16_t s) { return s == INT16_MIN || s == INT16_MAX; }))
        check(twice == once);
    return 0;
}
