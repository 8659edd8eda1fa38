// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// WAV headers: what the check accepts and refuses, the chunk walk (with and
// without the pad byte after an odd chunk), malformed images at every
// length, and the two headers we write, byte for byte.

#include "wav_container.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace quillora::audio;
using Bytes = std::vector<std::uint8_t>;

void put(Bytes &out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void put(Bytes &out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

struct Fmt {
    std::uint16_t tag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 8000;
    std::uint16_t blockAlign = 2;
    std::uint16_t bits = 16;
    Bytes extra = {};    // after the 16 fixed bytes (cbSize and codec fields)
    Bytes beforeData = {}; // whole chunks between "fmt " and "data"
    std::uint32_t dataBytes = 8;
    std::int64_t riffSizeDelta = 0;
};

Bytes wav(const Fmt &f)
{
    Bytes fmt;
    put(fmt, f.tag, 2);
    put(fmt, f.channels, 2);
    put(fmt, f.rate, 4);
    put(fmt, f.rate * f.blockAlign, 4);
    put(fmt, f.blockAlign, 2);
    put(fmt, f.bits, 2);
    fmt.insert(fmt.end(), f.extra.begin(), f.extra.end());
    Bytes body;
    put(body, "WAVEfmt ");
    put(body, static_cast<std::uint32_t>(fmt.size()), 4);
    body.insert(body.end(), fmt.begin(), fmt.end());
    body.insert(body.end(), f.beforeData.begin(), f.beforeData.end());
    put(body, "data");
    put(body, f.dataBytes, 4);
    body.resize(body.size() + f.dataBytes, 0x11);
    Bytes out;
    put(out, "RIFF");
    put(out, static_cast<std::uint32_t>(static_cast<std::int64_t>(body.size()) + f.riffSizeDelta), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes extra(std::initializer_list<std::uint16_t> words)
{
    Bytes out;
    for (auto w : words)
        put(out, w, 2);
    return out;
}

Bytes listChunk(std::uint32_t size, bool padded)
{
    Bytes out;
    put(out, "LIST");
    put(out, size, 4);
    out.resize(out.size() + size + (padded ? 1 : 0), 'i');
    return out;
}

enum class Verdict { Accepted, RefusedByParser, RefusedByCheck };

Verdict judge(const Bytes &image, WavFormat *out = nullptr)
{
    WavFormat format;
    const auto whole = WavImage::of(image);
    if (ParseWavHeader(whole, format) != AudioResult::Ok)
        return Verdict::RefusedByParser;
    if (CheckWavFormat(whole, format) != AudioResult::Ok)
        return Verdict::RefusedByCheck;
    if (out)
        *out = format;
    return Verdict::Accepted;
}

struct HeaderCase {
    const char *name;
    Fmt fmt;
    Verdict verdict;
};

class Headers : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(Headers, Verdict)
{
    EXPECT_EQ(judge(wav(GetParam().fmt)), GetParam().verdict);
}

const Bytes kAdpcmExtra = extra({2, 505}); // cbSize 2, samples per block

INSTANTIATE_TEST_SUITE_P(
    Wav, Headers,
    ::testing::Values(
        HeaderCase{"pcm16_8k", {}, Verdict::Accepted},
        HeaderCase{"pcm8_8k", {.blockAlign = 1, .bits = 8}, Verdict::Accepted},
        HeaderCase{"pcm_44k", {.rate = 44100}, Verdict::RefusedByCheck},
        HeaderCase{"stereo", {.channels = 2, .blockAlign = 4}, Verdict::RefusedByCheck},
        HeaderCase{"rate_8080", {.rate = 8080}, Verdict::Accepted},
        HeaderCase{"rate_8081", {.rate = 8081}, Verdict::RefusedByCheck},
        HeaderCase{"rate_10945", {.rate = 10945}, Verdict::Accepted},
        HeaderCase{"rate_10944", {.rate = 10944}, Verdict::RefusedByCheck},
        HeaderCase{"rate_22130", {.rate = 22130}, Verdict::Accepted},
        HeaderCase{"pcm_24bit", {.blockAlign = 3, .bits = 24}, Verdict::RefusedByCheck},
        HeaderCase{"pcm_0bit", {.blockAlign = 0, .bits = 0}, Verdict::RefusedByParser},
        HeaderCase{"zero_channels", {.channels = 0}, Verdict::RefusedByCheck},
        HeaderCase{"alaw", {.tag = 6, .blockAlign = 1, .bits = 8, .extra = extra({0})}, Verdict::Accepted},
        HeaderCase{"mulaw_without_cbsize", {.tag = 7, .blockAlign = 1, .bits = 8}, Verdict::RefusedByParser},
        HeaderCase{"ima", {.tag = 0x11, .blockAlign = 256, .bits = 4, .extra = kAdpcmExtra}, Verdict::Accepted},
        HeaderCase{"ima_cbsize_past_fmt", {.tag = 0x11, .blockAlign = 256, .bits = 4, .extra = extra({4, 505})},
                   Verdict::RefusedByParser},
        HeaderCase{"gsm", {.tag = 0x31, .blockAlign = 65, .bits = 0, .extra = extra({2, 320})}, Verdict::Accepted},
        HeaderCase{"gsm_160_per_block", {.tag = 0x31, .blockAlign = 65, .bits = 0, .extra = extra({2, 160})},
                   Verdict::RefusedByParser},
        HeaderCase{"ms_adpcm", {.tag = 2, .blockAlign = 256, .bits = 4, .extra = extra({2, 500})},
                   Verdict::RefusedByParser},
        HeaderCase{"float", {.tag = 3, .blockAlign = 4, .bits = 32, .extra = extra({0})}, Verdict::RefusedByParser},
        HeaderCase{"phone_adpcm", {.tag = 0x101, .blockAlign = 164, .bits = 4, .extra = extra({12, 321, 0, 0, 0, 0, 0})},
                   Verdict::Accepted},
        HeaderCase{"empty_data", {.dataBytes = 0}, Verdict::RefusedByCheck},
        HeaderCase{"riff_size_past_the_end", {.riffSizeDelta = 1}, Verdict::RefusedByCheck},
        HeaderCase{"odd_list_unpadded", {.beforeData = listChunk(5, false)}, Verdict::Accepted},
        HeaderCase{"odd_list_padded", {.beforeData = listChunk(5, true)}, Verdict::Accepted},
        HeaderCase{"even_list", {.beforeData = listChunk(6, false)}, Verdict::Accepted}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Wav, FmtOfFourteenBytesIsRefused)
{
    Bytes image = wav({});
    image[16] = 14; // the old WAVEFORMAT, without bits per sample
    EXPECT_EQ(judge(image), Verdict::RefusedByParser);
}

TEST(Wav, DataFoundWhereverItIs)
{
    WavFormat format;
    ASSERT_EQ(judge(wav({.dataBytes = 10}), &format), Verdict::Accepted);
    EXPECT_EQ(format.dataOffset, 44u);
    EXPECT_EQ(format.dataBytes, 10u);
    // A padded odd LIST: the data starts after the pad byte.
    ASSERT_EQ(judge(wav({.beforeData = listChunk(5, true), .dataBytes = 10}), &format), Verdict::Accepted);
    EXPECT_EQ(format.dataOffset, 44u + 8 + 5 + 1);
    // Unpadded, as some writers do: the stated walk finds it without a pad.
    ASSERT_EQ(judge(wav({.beforeData = listChunk(5, false), .dataBytes = 10}), &format), Verdict::Accepted);
    EXPECT_EQ(format.dataOffset, 44u + 8 + 5);
}

TEST(Wav, DataChunkLargerThanTheFileIsRefused)
{
    Bytes image = wav({.dataBytes = 100});
    image.resize(image.size() - 10);
    image[4] -= 10; // the RIFF size still matches what is there
    EXPECT_EQ(judge(image), Verdict::RefusedByCheck);
}

// Every prefix of a good file (and the file with a chunk size whose top bit
// is set) is refused without a read outside the image.
TEST(Wav, TruncatedImagesAreRefusedAtEveryLength)
{
    const Bytes good = wav({.beforeData = listChunk(7, true)});
    ASSERT_EQ(judge(good), Verdict::Accepted);
    for (std::size_t n = 0; n < good.size(); ++n) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_NE(judge(cut), Verdict::Accepted) << n;
        EXPECT_EQ(WavFormatTagOf(cut), n >= 36 ? 1u : 0u) << n;
    }
    Bytes huge = good;
    huge[16 + 4 + 16 + 4 + 3] = 0x80; // LIST size 0x80000007
    EXPECT_EQ(judge(huge), Verdict::RefusedByCheck);
}

TEST(Wav, ChunkWalk)
{
    std::uint32_t offset = 0;
    const Bytes chunks = {'a', 'b', 'c', 'd', 3, 0, 0, 0, 'x', 'x', 'x', 'd', 'a', 't', 'a', 2, 0, 0, 0, 'y', 'y'};
    EXPECT_EQ(FindRiffChunk(chunks, 0, "data", 100, offset), 2u);
    EXPECT_EQ(offset, 19u);
    EXPECT_EQ(FindRiffChunk(chunks, 0, "data", 3, offset), 0u) << "the length runs out before it";
    EXPECT_EQ(FindRiffChunk(chunks, 0, "fmt ", 100, offset), 0u) << "the walk ends at the image's end";
    // A zero byte or line feed ends an identifier and is not counted: the
    // size is read from it on (0A 04 00 00), misplacing what follows.
    const Bytes lf = {'f', 'm', '\n', 4, 0, 0, 0, 'z', 'z', 'z', 'z'};
    EXPECT_EQ(FindRiffChunk(lf, 0, "fm", 100, offset), 0x040Au);
    EXPECT_EQ(offset, 6u);
}

TEST(WavHeader, PhoneBlockSizes)
{
    struct Row {
        std::uint16_t blockAlign;
        std::uint16_t samplesPerBlock;
    };
    for (const Row row : {Row{164, 321}, Row{44, 81}, Row{256, 505}, Row{0, 313}}) {
        WavFormat f{.formatTag = WavFormatTag::PhoneAdpcm, .blockAlign = row.blockAlign, .fmtSize = 16, .factSize = 4,
                    .channels = 1, .sampleRate = 8000};
        std::uint8_t out[70];
        ASSERT_EQ(WriteWavHeader(out, f), 70u) << row.blockAlign;
        EXPECT_EQ(f.samplesPerBlock, row.samplesPerBlock) << row.blockAlign;
    }
}

TEST(WavHeader, PhoneHeaderByteForByte)
{
    WavFormat f{.sampleCount = 1000, .formatTag = WavFormatTag::PhoneAdpcm, .blockAlign = 164, .fmtSize = 16,
                .factSize = 4, .channels = 1, .sampleRate = 8000, .factSamples = 1000, .extLong = 0x01020304,
                .extWord = 7};
    std::uint8_t out[80];
    ASSERT_EQ(WriteWavHeader(out, f), 70u);
    EXPECT_EQ(f.dataBytes, 656u) << "4 blocks of 164";
    EXPECT_EQ(f.riffSize, 718u);
    Bytes expected;
    put(expected, "RIFF");
    put(expected, 718, 4);
    put(expected, "WAVEfmt ");
    for (std::uint32_t v : {30u})
        put(expected, v, 4);
    put(expected, 0x101, 2);
    put(expected, 1, 2);
    put(expected, 8000, 4);
    put(expected, 164 * 8000 / 321, 4);
    put(expected, 164, 2);
    put(expected, 4, 2);
    put(expected, 12, 2);
    put(expected, 321, 2);
    put(expected, 7, 2);
    put(expected, 0x01020304, 4);
    put(expected, 0, 4);
    put(expected, "fact");
    put(expected, 4, 4);
    put(expected, 1000, 4);
    put(expected, "data");
    put(expected, 656, 4);
    EXPECT_EQ(Bytes(out, out + 70), expected);
    // And our own parser reads it back.
    Bytes image(out, out + 70);
    image.resize(70 + 656);
    WavFormat back;
    ASSERT_EQ(judge(image, &back), Verdict::Accepted);
    EXPECT_EQ(back.samplesPerBlock, 321);
    EXPECT_EQ(back.extWord, 7);
    EXPECT_EQ(back.extLong, 0x01020304u);
    EXPECT_EQ(back.dataOffset, 70u);
}

TEST(WavHeader, PcmHeaderByteForByte)
{
    WavFormat f{.sampleCount = 0, .formatTag = WavFormatTag::Pcm, .samplesPerBlock = 1, .blockAlign = 7,
                .fmtSize = 16, .factSize = 4, .channels = 1, .sampleRate = 8000, .bytesPerSample = 2,
                .bitsPerSample = 16};
    std::uint8_t out[44];
    ASSERT_EQ(WriteWavHeader(out, f), 44u);
    EXPECT_EQ(f.riffSize, 36u);
    EXPECT_EQ(f.dataBytes, 0u);
    const Bytes expected = [] {
        Bytes e;
        put(e, "RIFF");
        put(e, 36, 4);
        put(e, "WAVEfmt ");
        put(e, 16, 4);
        put(e, 1, 2);
        put(e, 1, 2);
        put(e, 8000, 4);
        put(e, 56000, 4); // blockAlign x rate / samplesPerBlock, as the record says
        put(e, 2, 2);     // always 2 in the header
        put(e, 16, 2);
        put(e, "data");
        put(e, 0, 4);
        return e;
    }();
    EXPECT_EQ(Bytes(out, out + 44), expected);
}

TEST(WavHeader, RecordsThatCannotBeWritten)
{
    std::uint8_t out[70];
    WavFormat ima{.formatTag = WavFormatTag::ImaAdpcm, .samplesPerBlock = 505, .blockAlign = 256, .channels = 1};
    EXPECT_EQ(WriteWavHeader(out, ima), 0u);
    WavFormat stereoPlus{.formatTag = WavFormatTag::PhoneAdpcm, .channels = 3};
    EXPECT_EQ(WriteWavHeader(out, stereoPlus), 0u);
    WavFormat tiny{.formatTag = WavFormatTag::PhoneAdpcm, .blockAlign = 3, .channels = 1};
    EXPECT_EQ(WriteWavHeader(out, tiny), 0u) << "a block smaller than its header";
    WavFormat huge{.sampleCount = 0xFFFFFFFF, .formatTag = WavFormatTag::Pcm, .samplesPerBlock = 1, .blockAlign = 2,
                   .fmtSize = 16, .channels = 1, .sampleRate = 8000, .bytesPerSample = 2, .bitsPerSample = 16};
    EXPECT_EQ(WriteWavHeader(out, huge), 0u) << "8 GiB of data does not fit a RIFF size";
    WavFormat pcm{.formatTag = WavFormatTag::Pcm, .samplesPerBlock = 1, .blockAlign = 2, .fmtSize = 16,
                  .channels = 1, .sampleRate = 8000, .bytesPerSample = 2, .bitsPerSample = 16};
    EXPECT_EQ(WriteWavHeader(std::span<std::uint8_t>(out, 43), pcm), 0u) << "no room";
}

} // namespace
