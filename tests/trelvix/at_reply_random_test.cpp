// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Random and mutated input through the reply reader. The buffer is exactly
// the capacity, so under AddressSanitizer any write past it fails the run.

#include "at_reply.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

using trelvix::ReplyReader;

void checkUnit(const ReplyReader::Step &step, const std::vector<char> &buffer, int capacity)
{
    switch (step.unit) {
    case ReplyReader::Unit::None:
        break;
    case ReplyReader::Unit::Line:
        ASSERT_GE(step.length, 1);
        ASSERT_LT(step.length, capacity);
        ASSERT_EQ(buffer[static_cast<size_t>(step.length)], '\0');
        ASSERT_EQ(strlen(buffer.data()), static_cast<size_t>(step.length));
        break;
    case ReplyReader::Unit::ShortFrame:
        ASSERT_GE(step.length, 1);
        ASSERT_LE(step.length, capacity);
        break;
    case ReplyReader::Unit::LongFrame: {
        ASSERT_GE(step.length, 2);
        ASSERT_LE(step.length, capacity);
        ASSERT_EQ(static_cast<uint8_t>(buffer[0]), 0x80);
        break;
    }
    }
}

// Valid pieces the phone sends, to be cut and corrupted.
std::string randomPiece(std::mt19937 &rng)
{
    static const std::string pieces[] = {
        "OK\r\n", "ERROR\r\n", "+CME ERROR: 14\r\n", "+CGMI: MAKER\r\n", "AT+CPIN?\r",
        std::string("\x02\x07\xD2\x05\x01" "ABCD", 9), std::string("\x02\xB1\x00\x05\x80xyz", 8),
    };
    return pieces[rng() % std::size(pieces)];
}

TEST(ReplyReaderRandom, NeverWritesPastItsBuffer)
{
    std::mt19937 rng(20261207);
    size_t units = 0;
    for (int round = 0; round < 400; ++round) {
        const int capacity = 2 + static_cast<int>(rng() % 130);
        std::vector<char> buffer(static_cast<size_t>(capacity));
        ReplyReader reader(buffer.data(), capacity);
        for (int i = 0; i < 2000; ++i) {
            std::string bytes;
            if (rng() % 3 == 0) {
                bytes = randomPiece(rng);
                if (!bytes.empty() && rng() % 2)
                    bytes[rng() % bytes.size()] = static_cast<char>(rng());
            } else {
                bytes.push_back(static_cast<char>(rng()));
            }
            for (char c : bytes) {
                const auto step = reader.feed(static_cast<uint8_t>(c));
                ASSERT_NO_FATAL_FAILURE(checkUnit(step, buffer, capacity));
                units += step.unit != ReplyReader::Unit::None;
            }
        }
    }
    // The mix must actually produce units, or the check above proves nothing.
    EXPECT_GT(units, 1000u);
}

TEST(ReplyReaderRandom, ValidRepliesSurviveAnyNoiseBeforeThem)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<char> buffer(64);
        ReplyReader reader(buffer.data(), 64);
        for (int i = 0, n = static_cast<int>(rng() % 40); i < n; ++i)
            reader.feed(static_cast<uint8_t>(rng()));
        // A CR LF pair ends whatever the noise began; a frame start may
        // swallow at most its header and payload, so give it room.
        for (int i = 0; i < 300; ++i)
            reader.feed('\r');
        ReplyReader::Step step;
        for (char c : std::string("OK\r"))
            step = reader.feed(static_cast<uint8_t>(c));
        ASSERT_EQ(step.unit, ReplyReader::Unit::Line) << "round " << round;
        ASSERT_STREQ(buffer.data(), "OK");
    }
}

} // namespace
