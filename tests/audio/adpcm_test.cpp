// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The sample layer: sample counts of ADPCM data, which block set-ups are
// refused, hand-checked blocks of both ADPCM forms (nibble order, the two
// ways of adding the steps, the skipped 0x0011 block), short last blocks,
// and the phone encoder's blocks.

#include "adpcm_codec.h"

#include <gtest/gtest.h>

namespace {

using namespace quillora::audio;
using Bytes = std::vector<std::uint8_t>;
using Samples = std::vector<std::int16_t>;

WavFormat adpcm(WavFormatTag tag, std::uint16_t blockAlign, std::uint16_t samplesPerBlock, std::size_t dataBytes,
                std::uint16_t channels = 1)
{
    return {.dataBytes = static_cast<std::uint32_t>(dataBytes), .formatTag = tag, .samplesPerBlock = samplesPerBlock,
            .blockAlign = blockAlign, .channels = channels};
}

// Decodes all of `data`, which must end up consumed.
Samples decode(WavFormat f, const Bytes &data)
{
    if (BeginSampleRead(f) != AudioResult::Ok)
        return {};
    Samples out(std::size_t{f.sampleCount} * f.channels + 1);
    std::span<const std::uint8_t> rest(data);
    out.resize(ReadSamples(rest, f, out.data(), static_cast<std::uint32_t>(out.size())));
    EXPECT_TRUE(rest.empty());
    EndSampleRead(f);
    return out;
}

// Encodes `samples` as phone ADPCM; the bytes after the 70-byte header.
Bytes encode(const Samples &samples, std::uint16_t blockAlign, std::size_t room = 1 << 16)
{
    WavFormat f{.sampleCount = static_cast<std::uint32_t>(samples.size()),
                .formatTag = WavFormatTag::PhoneAdpcm, .blockAlign = blockAlign, .fmtSize = 16, .factSize = 4,
                .channels = 1, .sampleRate = 8000};
    Bytes out(room);
    std::span<std::uint8_t> at(out);
    if (BeginSampleWrite(at, f) != kPhoneAdpcmHeaderBytes)
        return {};
    const std::uint32_t consumed = WriteSamples(samples.data(), static_cast<std::uint32_t>(samples.size()), at, f);
    EndSampleWrite(f);
    out.resize(out.size() - at.size());
    out.erase(out.begin(), out.begin() + kPhoneAdpcmHeaderBytes);
    return consumed == samples.size() ? out : Bytes{};
}

TEST(Adpcm, SamplesInBytes)
{
    struct Row {
        std::uint64_t bytes;
        std::uint32_t channels, blockAlign, samplesPerBlock;
        std::uint64_t samples;
    };
    for (const Row row : {Row{100, 1, 44, 81, 81 + 81 + 17}, Row{88 + 3, 1, 44, 81, 162}, Row{88 + 4, 1, 44, 81, 163},
                          Row{24 + 16, 2, 24, 17, 17 + 9}, Row{199, 1, 100, 81, 162} /* a rest never exceeds a block */,
                          Row{0xFFFFFFFF, 1, 4, 65535, std::uint64_t{0x3FFFFFFF} * 65535}, Row{10, 0, 44, 81, 0},
                          Row{10, 1, 0, 81, 0}})
        EXPECT_EQ(SamplesInAdpcmBytes(row.bytes, row.channels, row.blockAlign, row.samplesPerBlock), row.samples)
            << row.bytes << " " << row.blockAlign;
}

TEST(Adpcm, BlockSetUps)
{
    constexpr auto phone = WavFormatTag::PhoneAdpcm;
    constexpr auto ima = WavFormatTag::ImaAdpcm;
    WavFormat pcm24{.dataBytes = 30, .formatTag = WavFormatTag::Pcm, .channels = 1, .bytesPerSample = 3};
    struct Row {
        const char *name;
        WavFormat format;
        bool accepted;
    };
    for (Row &row : std::vector<Row>{
             {"phone", adpcm(phone, 44, 81, 88), true}, {"ima_16_channels", adpcm(ima, 64, 1, 64, 16), true},
             {"block_0", adpcm(phone, 0, 1, 88), false}, {"channels_0", adpcm(phone, 44, 81, 88, 0), false},
             {"channels_17", adpcm(ima, 68, 1, 68, 17), false}, {"block_below_headers", adpcm(ima, 7, 1, 88, 2), false},
             {"no_samples_per_block", adpcm(phone, 44, 0, 88), false},
             {"more_samples_than_the_block_holds", adpcm(ima, 44, 82, 88), false},
             {"sample_count_past_32_bits", adpcm(ima, 8, 9, 0xFFFFFFFF), false},
             {"gsm", adpcm(WavFormatTag::Gsm610, 65, 320, 65), false}, {"pcm_24_bit", pcm24, false}})
        EXPECT_EQ(BeginSampleRead(row.format) == AudioResult::Ok, row.accepted) << row.name;
}

// Codes of 0 step the index down by one per sample, each sample adding the
// step before the update >> 3: from index 20 that is 6, 5, 5, 4, ..., 1 (50
// in 20 samples), then nothing at index 0, whose step is 7.
TEST(Adpcm, PhoneZeroCodesRiseThenLevelOff)
{
    Bytes block(44, 0);
    block[0] = 0xE8; // 1000
    block[1] = 0x03;
    block[2] = 20;
    const Samples out = decode(adpcm(WavFormatTag::PhoneAdpcm, 44, 81, 44), block);
    ASSERT_EQ(out.size(), 81u);
    for (std::size_t i = 1; i <= 20; ++i)
        EXPECT_GT(out[i], out[i - 1]) << i;
    EXPECT_EQ(out[1], 1006);
    EXPECT_EQ(out[20], 1050);
    EXPECT_EQ(Samples(out.begin() + 20, out.end()), Samples(61, 1050));
}

// One code 7 then a 0, from index 0: the phone's shift-and-add gives
// 7 + 3 + 1 = 11 then +2 (step 16 >> 3); 0x0011's multiply gives
// 15 x 7 >> 3 = 13 then +2. The phone reads the high nibble first, 0x0011
// the low one.
TEST(Adpcm, HandCheckedBlocks)
{
    struct Row {
        WavFormatTag tag;
        std::uint8_t codes;
        std::int16_t first, second;
    };
    for (const Row row : {Row{WavFormatTag::PhoneAdpcm, 0x70, 11, 13}, Row{WavFormatTag::ImaAdpcm, 0x07, 13, 15}}) {
        Bytes block(44, 0);
        block[4] = row.codes;
        const Samples out = decode(adpcm(row.tag, 44, 81, 44), block);
        ASSERT_EQ(out.size(), 81u);
        EXPECT_EQ(out[1], row.first);
        EXPECT_EQ(out[2], row.second);
    }
}

TEST(Adpcm, ImaBlockWithBadStepIndexKeepsThePreviousSamples)
{
    Bytes two(88, 0);
    two[4] = 0x07;
    two[44 + 2] = 89;
    const Samples out = decode(adpcm(WavFormatTag::ImaAdpcm, 44, 81, 88), two);
    ASSERT_EQ(out.size(), 162u);
    EXPECT_EQ(Samples(out.begin() + 81, out.end()), Samples(out.begin(), out.begin() + 81));
    two[2] = 89; // now the first block too: nothing decoded yet, so silence
    EXPECT_EQ(decode(adpcm(WavFormatTag::ImaAdpcm, 44, 81, 88), two), Samples(162, 0));
}

TEST(Adpcm, EncoderBlocks)
{
    // 0, 100, 11, 16, 17: code 7 (predictor 11, step 16), 0 (13, step 14),
    // 1 as 3 reaches the quarter step exactly (17), 0; high nibble first.
    Samples first(81, 17);
    for (std::int16_t i : {0, 1, 2, 3})
        first[i] = Samples{0, 100, 11, 16}[i];
    Bytes out = encode(first, 44);
    ASSERT_EQ(out.size(), 44u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), (Bytes{0, 0, 0, 1, 0x70, 0x10}));

    // A constant block: all codes 0, and index 0 stays 0 into the next block.
    out = encode(Samples(162, 500), 44);
    ASSERT_EQ(out.size(), 88u);
    Bytes expected(44, 0);
    expected[0] = 0xF4;
    expected[1] = 0x01;
    expected[3] = 1;
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 44), expected);
    EXPECT_EQ(Bytes(out.begin() + 44, out.end()), expected);

    // The call's last partial block is padded; without room for a block the
    // writer stops.
    EXPECT_EQ(encode(Samples(100, 7), 44).size(), 88u);
    EXPECT_TRUE(encode(Samples(100, 7), 44, 70 + 60).empty());
}

} // namespace
