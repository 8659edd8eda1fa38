// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary bytes as a WAV file: decoded to PCM through the sample layer in
// pieces the input chooses and in one go by WavToPcmWav (both must agree),
// and compressed for the phone. Every image we produce must describe itself
// exactly: its header's sizes are its own, and a compressed image decodes
// again. ASan/UBSan catch any read outside the bytes given.

#include "fuzz_check.h"
#include "adpcm_codec.h"
#include "wav_container.h"
#include "wav_convert.h"

#include <cstdlib>
#include <vector>

namespace {

using namespace quillora::audio;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t field(const Bytes &b, std::size_t at, int width)
{
    std::uint32_t v = 0;
    for (int i = 0; i < width; ++i)
        v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
    return v;
}

// A PCM image from WavToPcmWav: 44 bytes of header that state its length,
// then the samples, which must equal `samples`.
void checkPcmImage(const Bytes &pcm, const std::vector<std::int16_t> &samples)
{
    check(pcm.size() == kPcmHeaderBytes + 2 * samples.size());
    check(field(pcm, 4, 4) == pcm.size() - 8 && field(pcm, 40, 4) == pcm.size() - kPcmHeaderBytes);
    check(field(pcm, 20, 2) == 1 && field(pcm, 32, 2) == 2 && field(pcm, 34, 2) == 16);
    for (std::size_t i = 0; i < samples.size(); ++i)
        check(static_cast<std::int16_t>(field(pcm, kPcmHeaderBytes + 2 * i, 2)) == samples[i]);
}

// The same decoding as WavToPcmWav, read in pieces of changing size, so the
// block cursor is taken at every offset.
bool decodeInPieces(std::span<const std::uint8_t> image, std::uint8_t seed, std::vector<std::int16_t> &out)
{
    WavFormat f;
    const WavImage whole = WavImage::of(image);
    if (ParseWavHeader(whole, f) != AudioResult::Ok || CheckWavFormat(whole, f) != AudioResult::Ok ||
        BeginSampleRead(f) != AudioResult::Ok)
        return false;
    const std::uint64_t promised = f.sampleCount;
    std::span<const std::uint8_t> data = image.subspan(f.dataOffset, f.dataBytes);
    std::int16_t piece[300];
    for (std::uint32_t step = 0;; ++step) {
        const std::uint32_t wanted = 1 + (seed * 7u + step * 13u) % 300;
        const std::uint32_t n = ReadSamples(data, f, piece, wanted);
        check(n <= wanted);
        if (n == 0)
            break;
        out.insert(out.end(), piece, piece + n);
    }
    EndSampleRead(f);
    check(out.size() == promised); // every counted sample is really in the data
    return true;
}

void checkCompressed(const Bytes &adpcm, std::size_t inputSize)
{
    check(adpcm.size() >= kPhoneAdpcmHeaderBytes && adpcm.size() != inputSize);
    const std::uint32_t blockAlign = field(adpcm, 32, 2);
    const std::uint32_t perBlock = field(adpcm, 38, 2);
    const std::uint32_t samples = field(adpcm, 58, 4);
    const std::uint32_t dataBytes = field(adpcm, 66, 4);
    check(field(adpcm, 20, 2) == 0x0101 && field(adpcm, 4, 4) == adpcm.size() - 8);
    check(dataBytes == adpcm.size() - kPhoneAdpcmHeaderBytes && perBlock > 0);
    check(dataBytes == (std::uint64_t{samples} + perBlock - 1) / perBlock * blockAlign);
    // Our own decoder takes it back: whole blocks, so blocks x perBlock samples.
    const Bytes back = WavToPcmWav(adpcm);
    check(back.size() == kPcmHeaderBytes + 2ull * (dataBytes / blockAlign) * perBlock);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> image(data, size);
    std::vector<std::int16_t> samples;
    const bool readable = decodeInPieces(image, size ? data[size - 1] : 0, samples);
    const Bytes pcm = WavToPcmWav(image);
    check(readable == !pcm.empty());
    if (readable)
        checkPcmImage(pcm, samples);

    const Bytes adpcm = CompressWavForPhone(image, size ? data[0] : 0);
    if (!adpcm.empty())
        checkCompressed(adpcm, size);
    return 0;
}
