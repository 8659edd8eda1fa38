// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The reply ring on its own: lines and bytes across the wrap, lines split at
// every byte, long lines in pieces, and a full ring.

#include "reply_buffer.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace std::chrono_literals;
using quillora::ReplyBuffer;
using Status = ReplyBuffer::LineStatus;

std::vector<std::string> drainLines(ReplyBuffer &ring, size_t capacity = 256)
{
    std::vector<std::string> lines;
    std::string text;
    while (ring.readLine(text, capacity) == Status::Complete)
        lines.push_back(text);
    return lines;
}

struct LineCase {
    const char *name;
    std::string bytes;
    std::vector<std::string> lines; // complete lines, empty ones included
    std::string partial;            // what stays unfinished
};

class LineSplits : public ::testing::TestWithParam<LineCase> {};

// Whatever the chunking, the same lines come out, and an unfinished line
// stays in the ring untouched.
TEST_P(LineSplits, SameLinesAtEverySplit)
{
    const LineCase &c = GetParam();
    for (size_t split = 0; split <= c.bytes.size(); ++split) {
        ReplyBuffer ring(64);
        std::vector<std::string> lines;
        ASSERT_TRUE(ring.write(c.bytes.data(), split, 0ms));
        for (auto &line : drainLines(ring))
            lines.push_back(line);
        ASSERT_TRUE(ring.write(c.bytes.data() + split, c.bytes.size() - split, 0ms));
        for (auto &line : drainLines(ring))
            lines.push_back(line);
        EXPECT_EQ(lines, c.lines) << "split at " << split;
        std::string rest;
        const Status status = ring.readLine(rest, 256);
        EXPECT_EQ(status, c.partial.empty() && ring.size() == 0 ? Status::Empty : Status::Partial);
        EXPECT_EQ(rest, c.partial);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ReplyBuffer, LineSplits,
    ::testing::Values(LineCase{"ok", "OK\r\n", {"OK"}, ""},
                      LineCase{"blank_lines_first", "\r\n\r\nOK\r\n", {"", "", "OK"}, ""},
                      LineCase{"cr_without_lf_stays", "OK\r", {}, "OK"},
                      LineCase{"lf_only", "A\nB\n", {"A", "B"}, ""},
                      LineCase{"nul_is_dropped", std::string("\0OK\r\n", 5), {"OK"}, ""},
                      LineCase{"unfinished_after_line", "+KPSV: 2.01\r\n\r\nO", {"+KPSV: 2.01", ""}, "O"},
                      LineCase{"echo_then_reply", "AT\r\r\nOK\r\n", {"AT", "OK"}, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReplyBuffer, LongLineComesOutInPiecesOfCapacityLessOne)
{
    ReplyBuffer ring;
    const std::string line(300, 'x');
    const std::string bytes = line + "\r\n";
    ASSERT_TRUE(ring.write(bytes.data(), bytes.size(), 0ms));
    const auto pieces = drainLines(ring, 256);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].size(), 255u);
    EXPECT_EQ(pieces[1].size(), 45u);
}

TEST(ReplyBuffer, ExactFitConsumesTheLineFeed)
{
    ReplyBuffer ring;
    const std::string bytes = std::string(255, 'y') + "\n" + "OK\n";
    ASSERT_TRUE(ring.write(bytes.data(), bytes.size(), 0ms));
    EXPECT_EQ(drainLines(ring, 256), (std::vector<std::string>{std::string(255, 'y'), "OK"}));
}

TEST(ReplyBuffer, TinyCapacityStillMakesProgress)
{
    ReplyBuffer ring;
    ASSERT_TRUE(ring.write("abc\n", 4, 0ms));
    EXPECT_EQ(drainLines(ring, 1), (std::vector<std::string>{"a", "b", "c"}));
}

// Lines and bytes that straddle the end of the storage come out whole.
TEST(ReplyBuffer, WrapAroundKeepsBytesInOrder)
{
    ReplyBuffer ring(16);
    std::string all;
    char out[32];
    for (int round = 0; round < 40; ++round) {
        const std::string chunk = "L" + std::to_string(round) + "\r\n";
        ASSERT_TRUE(ring.write(chunk.data(), chunk.size(), 0ms));
        std::string line;
        ASSERT_EQ(ring.readLine(line, 256), Status::Complete);
        EXPECT_EQ(line, "L" + std::to_string(round));
        const std::string raw = "\x01\x02" + std::string(1, static_cast<char>(round)) + "\xFF\x00\x7F";
        ASSERT_TRUE(ring.write(raw.data(), raw.size(), 0ms));
        ASSERT_EQ(ring.readBytes(out, sizeof out), raw.size());
        EXPECT_EQ(std::string(out, raw.size()), raw);
    }
    EXPECT_EQ(ring.size(), 0u);
}

TEST(ReplyBuffer, ReadBytesTakesOnlyWhatIsThere)
{
    ReplyBuffer ring;
    char out[8] = {};
    EXPECT_EQ(ring.readBytes(out, sizeof out), 0u);
    ASSERT_TRUE(ring.write("abcdef", 6, 0ms));
    EXPECT_EQ(ring.readBytes(out, 4), 4u);
    EXPECT_EQ(ring.readBytes(out, 8), 2u);
    EXPECT_EQ(std::string(out, 2), "ef");
}

// The ring never fills completely: with capacity 16 at most 15 bytes fit,
// and a chunk that does not fit is refused whole once the limit passes.
TEST(ReplyBuffer, FullRingRefusesTheWholeChunkAfterTheLimit)
{
    ReplyBuffer ring(16);
    ASSERT_TRUE(ring.write("0123456789abcd", 14, 0ms));
    EXPECT_FALSE(ring.write("XY", 2, 20ms));
    EXPECT_TRUE(ring.write("e", 1, 0ms));
    EXPECT_EQ(ring.size(), 15u);
    char out[16];
    ASSERT_EQ(ring.readBytes(out, sizeof out), 15u);
    EXPECT_EQ(std::string(out, 15), "0123456789abcde");
    EXPECT_FALSE(ring.write(std::string(16, 'z').data(), 16, 0ms)) << "a chunk as large as the ring never fits";
}

// Bytes that are dropped from lines still count towards a piece, so a ring
// full of them drains instead of refusing every later chunk.
TEST(ReplyBuffer, DroppedBytesCountTowardsAPiece)
{
    ReplyBuffer ring(64);
    ASSERT_TRUE(ring.write(std::string(63, '\r').data(), 63, 0ms));
    EXPECT_EQ(drainLines(ring, 16), std::vector<std::string>(4, "")) << "4 pieces of 15";
    EXPECT_EQ(ring.size(), 3u);
    ASSERT_TRUE(ring.write("OK\n", 3, 0ms));
    EXPECT_EQ(drainLines(ring, 16), std::vector<std::string>{"OK"});
}

TEST(ReplyBuffer, WaitsWakeOnWritesAndRespectDeadlines)
{
    ReplyBuffer ring;
    const auto now = ReplyBuffer::Clock::now;
    EXPECT_FALSE(ring.waitForData(now() + 10ms));
    ASSERT_TRUE(ring.write("O", 1, 0ms));
    EXPECT_TRUE(ring.waitForData(now() + 10s)) << "data already there";
    std::string text;
    std::uint64_t writes = 0;
    ASSERT_EQ(ring.readLine(text, 256, &writes), Status::Partial);
    EXPECT_FALSE(ring.waitForWriteAfter(writes, now() + 10ms)) << "an old partial line is no reason to wake";
    std::thread writer([&] { ring.write("K\r\n", 3, 0ms); });
    EXPECT_TRUE(ring.waitForWriteAfter(writes, now() + 10s));
    writer.join();
    ASSERT_EQ(ring.readLine(text, 256), Status::Complete);
    EXPECT_EQ(text, "OK");
}

} // namespace
