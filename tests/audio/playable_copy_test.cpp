// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Which received sounds get a playable copy and what it is called, and the
// command line's conversions: a good sound gives a PCM WAV, a bad one
// leaves no file behind.

#include "playable_copy.h"
#include "wav_container.h"
#include "wav_convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace quillora::audio;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

// One second of a 440 Hz tone as a 16-bit PCM WAV at 8000 Hz.
Bytes toneWav()
{
    WavFormat f{.sampleCount = 8000, .formatTag = WavFormatTag::Pcm, .samplesPerBlock = 1, .blockAlign = 2,
                .fmtSize = 16, .factSize = 4, .channels = 1, .sampleRate = 8000, .bytesPerSample = 2,
                .bitsPerSample = 16, .factSamples = 8000};
    Bytes image(kPcmHeaderBytes);
    EXPECT_EQ(WriteWavHeader(image, f), kPcmHeaderBytes);
    for (int i = 0; i < 8000; ++i) {
        const auto s = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 440 * i / 8000.0));
        image.push_back(static_cast<std::uint8_t>(s));
        image.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(s) >> 8));
    }
    return image;
}

// "#!AMR\n" and one NO_DATA frame.
const Bytes kAmr = {'#', '!', 'A', 'M', 'R', '\n', 0x7C};

TEST(PlayableCopy, KindsAndNames)
{
    const Bytes pcm = toneWav();
    const Bytes phone = CompressWavForPhone(pcm);
    ASSERT_FALSE(phone.empty());
    EXPECT_EQ(KindOfSound(kAmr), SoundKind::Amr);
    EXPECT_EQ(KindOfSound(phone), SoundKind::PhoneAdpcm);
    EXPECT_EQ(KindOfSound(pcm), SoundKind::Other);
    EXPECT_EQ(KindOfSound(Bytes(kAmr.begin(), kAmr.begin() + 5)), SoundKind::Other);
    EXPECT_EQ(KindOfSound({}), SoundKind::Other);
    EXPECT_EQ(PlayableCopyName("ring", SoundKind::Amr), "ring.wav");
    EXPECT_EQ(PlayableCopyName("ring", SoundKind::PhoneAdpcm), "ring (PCM).wav");
}

TEST(PlayableCopy, CopiesArePcmWavs)
{
    const Bytes phone = CompressWavForPhone(toneWav());
    for (const Bytes &received : {kAmr, phone}) {
        const PlayableCopy copy = MakePlayableCopy(received);
        ASSERT_FALSE(copy.wav.empty());
        EXPECT_EQ(WavFormatTagOf(copy.wav), 1u);
    }
    EXPECT_TRUE(MakePlayableCopy(toneWav()).wav.empty()) << "a PCM sound plays as it is";
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("quillora-cli-test-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path write(const std::string &name, const Bytes &bytes)
    {
        std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()),
                                                            static_cast<std::streamsize>(bytes.size()));
        return dir / name;
    }
    static Bytes read(const fs::path &path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    int run(const std::string &command, const fs::path &in, const fs::path &out)
    {
        const std::string line = std::string(QUILLORA_CLI) + " " + command + " '" + in.string() + "' '" +
                                 out.string() + "' 2>/dev/null";
        return WEXITSTATUS(std::system(line.c_str()));
    }
    fs::path dir;
};

TEST_F(Cli, ConvertAndCompressWriteWholeFiles)
{
    const fs::path tone = write("tone.wav", toneWav());
    ASSERT_EQ(run("compress", tone, dir / "phone.wav"), 0);
    EXPECT_EQ(read(dir / "phone.wav"), CompressWavForPhone(toneWav()));
    ASSERT_EQ(run("convert", dir / "phone.wav", dir / "back.wav"), 0);
    EXPECT_EQ(read(dir / "back.wav"), WavToPcmWav(read(dir / "phone.wav")));
}

TEST_F(Cli, FailuresLeaveNoFile)
{
    const fs::path tone = write("tone.wav", toneWav());
    EXPECT_EQ(run("convert", tone, dir / "out.wav"), 1) << "nothing to convert";
    Bytes broken = CompressWavForPhone(toneWav());
    broken.resize(60); // cut inside the header
    EXPECT_EQ(run("convert", write("broken.wav", broken), dir / "out.wav"), 1);
    EXPECT_EQ(run("compress", write("noise.bin", Bytes(500, 0x55)), dir / "out.wav"), 1);
    EXPECT_EQ(run("convert", dir / "missing.amr", dir / "out.wav"), 1);
    EXPECT_FALSE(fs::exists(dir / "out.wav"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3) << "no temporary left";
}

} // namespace
