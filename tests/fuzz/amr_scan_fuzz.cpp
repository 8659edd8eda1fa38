// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary bytes as an AMR file (the first input byte chooses whether the
// magic goes in front, so most runs get past the magic check) through the
// frame scan and the conversion. The frames are counted here a second way,
// by the RFC's rules, and the WAV's size and header must agree with that.

#include "fuzz_check.h"
#include "amr_convert.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::uint32_t le(const std::vector<std::uint8_t> &b, std::size_t at, int width)
{
    std::uint32_t v = 0;
    for (int i = 0; i < width; ++i)
        v |= std::uint32_t{b[at + i]} << (8 * i);
    return v;
}

struct Count {
    std::size_t bytes = 0;
    std::size_t frames = 0;
};

// Speech modes 0-7, SID, NO_DATA; anything else (or a zero header byte)
// ends the sound.
Count countFrames(const std::vector<std::uint8_t> &image)
{
    Count count;
    std::size_t pos = 6;
    while (pos < image.size() && image[pos] != 0) {
        const unsigned type = (image[pos] >> 3) & 15;
        const std::size_t speech[] = {13, 14, 16, 18, 20, 21, 27, 32};
        const std::size_t size = type < 8 ? speech[type] : type == 8 ? 6 : type == 15 ? 1 : 0;
        if (size == 0 || pos + size > image.size())
            break;
        pos += size;
        ++count.frames;
    }
    count.bytes = pos - 6;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::vector<std::uint8_t> image;
    const bool withMagic = (data[0] & 1) != 0;
    if (withMagic)
        image = {'#', '!', 'A', 'M', 'R', '\n'};
    image.insert(image.end(), data + 1, data + size);
    const bool magic = image.size() >= 6 && std::memcmp(image.data(), "#!AMR\n", 6) == 0;

    const std::uint32_t frameBytes = quillora::audio::AmrFrameBytes(image);
    const std::vector<std::uint8_t> wav = quillora::audio::AmrToPcmWav(image);
    if (!magic) {
        check(frameBytes == 0 && wav.empty());
        return 0;
    }
    const Count count = countFrames(image);
    check(frameBytes == 6 + count.bytes);
    if (image.size() < 7) {
        check(wav.empty());
        return 0;
    }
    const std::uint32_t pcmBytes = static_cast<std::uint32_t>(320 * count.frames);
    check(wav.size() == 44 + std::size_t{pcmBytes});
    check(std::memcmp(wav.data(), "RIFF", 4) == 0 && std::memcmp(wav.data() + 8, "WAVEfmt ", 8) == 0 &&
          std::memcmp(wav.data() + 36, "data", 4) == 0);
    check(le(wav, 4, 4) == 36 + pcmBytes && le(wav, 16, 4) == 16 && le(wav, 20, 2) == 1 && le(wav, 22, 2) == 1);
    check(le(wav, 24, 4) == 8000 && le(wav, 28, 4) == 16000 && le(wav, 32, 2) == 2 && le(wav, 34, 2) == 16);
    check(le(wav, 40, 4) == pcmBytes);
    return 0;
}
