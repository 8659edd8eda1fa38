// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// ModemRecv over a fake port: each row is the bytes the phone sends and the
// units that must come out of successive calls, until the line goes silent.

#include "fake_port.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

struct Unit {
    int kind;
    std::string content;
    int length;
};

struct Row {
    const char *name;
    std::string input;
    int capacity;
    std::vector<Unit> units;
};

std::string frame(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s.push_back(static_cast<char>(b));
    return s;
}

// 02 LEN D2 05 01 payload CHK 03, CHK over everything before it.
std::string shortFrame(const std::string &payload, int checkDelta = 0, bool closing = true)
{
    std::string f = frame({0x02, static_cast<int>(payload.size() + 3), 0xD2, 0x05, 0x01}) + payload;
    uint8_t chk = 0;
    for (char c : f)
        chk ^= static_cast<uint8_t>(c);
    f.push_back(static_cast<char>(chk ^ checkDelta));
    if (closing)
        f.push_back(0x03);
    return f;
}

// 02 B1 HI LO 80 payload CHK with the XOR of all bytes 0.
std::string longFrame(const std::string &payload, int checkDelta = 0)
{
    const int d = static_cast<int>(payload.size()) + 2;
    std::string f = frame({0x02, 0xB1, d >> 8, d & 0xFF, 0x80}) + payload;
    uint8_t chk = 0;
    for (char c : f)
        chk ^= static_cast<uint8_t>(c);
    f.push_back(static_cast<char>(chk ^ checkDelta));
    return f;
}

const std::string kSeventy(70, 'x');

const Row kRows[] = {
    {"final_result_consumes_lf", "OK\r\n", 64, {{1, "OK", 2}}},
    // The byte after a final result's CR is dropped, whatever it is.
    {"final_result_drops_next_byte", "OK\rAB\r", 64, {{1, "OK", 2}, {1, "B", 1}}},
    {"error_drops_next_byte", "ERROR\rAB\r", 64, {{1, "ERROR", 5}, {1, "B", 1}}},
    {"connect_drops_next_byte", "CONNECT\rAB\r", 64, {{1, "CONNECT", 7}, {1, "B", 1}}},
    {"no_carrier_drops_next_byte", "NO CARRIER\rAB\r", 64, {{1, "NO CARRIER", 10}, {1, "B", 1}}},
    {"cme_error_drops_next_byte", "+CME ERROR: 10\rAB\r", 64, {{1, "+CME ERROR: 10", 14}, {1, "B", 1}}},
    {"information_line_keeps_next_byte", "+CGMI: X\rAB\r", 64, {{1, "+CGMI: X", 8}, {1, "AB", 2}}},
    {"numeric_result_keeps_next_byte", "0\rAB\r", 64, {{1, "0", 1}, {1, "AB", 2}}},
    {"lf_ended_final_keeps_next_byte", "OK\nAB\r", 64, {{1, "OK", 2}, {1, "AB", 2}}},
    {"cme_error_without_number_is_not_final", "+CME ERROR:\rAB\r", 64, {{1, "+CME ERROR:", 11}, {1, "AB", 2}}},
    {"leading_control_bytes_skipped", "\r\n\x01\x07\x1f" "OK\r\n", 64, {{1, "OK", 2}}},
    {"echo_then_result", "AT+KIPR=115200\rOK\r\n", 64, {{1, "AT+KIPR=115200", 14}, {1, "OK", 2}}},
    {"nul_inside_line_drops_it", std::string("AB\0CD\r", 6), 64, {{1, "CD", 2}}},
    {"high_bytes_are_text", "\xC3\xA9t\xE9\r", 64, {{1, "\xC3\xA9t\xE9", 4}}},
    {"long_line_cut_at_capacity", kSeventy + "\r", 64, {{1, std::string(63, 'x'), 63}, {1, "xxxxxxx", 7}}},
    {"short_frame", shortFrame("ABCD"), 64, {{2, "ABCD", 4}}},
    {"short_frame_after_noise", "\x01\r\n" + shortFrame(std::string("5\0x\0", 4)), 64, {{2, std::string("5\0x\0", 4), 4}}},
    {"short_frame_bad_check_dropped", shortFrame("ABCD", 0x10) + "OK\r\n", 64, {{1, "OK", 2}}},
    {"short_frame_missing_etx_dropped", shortFrame("ABCD", 0, false) + "OK\r\n", 64, {{1, "OK", 2}}},
    {"short_frame_over_capacity_dropped", shortFrame("\x04\x05\x06\x07\x08") + "\rOK\r\n", 4, {{1, "OK", 2}}},
    {"short_frame_exactly_capacity", shortFrame("ABCD"), 4, {{2, "ABCD", 4}}},
    {"short_header_with_wrong_tag_dropped", frame({0x02, 0x07, 0xD3, 0x05, 0x01}) + "OK\r\n", 64, {{1, "OK", 2}}},
    {"short_frame_without_payload_dropped", frame({0x02, 0x03, 0xD2, 0x05, 0x01, 0xD4, 0x03}) + "OK\r\n", 64,
     {{1, "OK", 2}}},
    {"long_frame", longFrame("xyz"), 64, {{3, "\x80xyz" + longFrame("xyz").substr(8), 5}}},
    {"long_frame_bad_check_dropped", longFrame("xyz", 1) + "\x03OK\r\n", 64, {{1, "OK", 2}}},
    // A declared length beyond the capacity makes the 80 the start of a text line.
    {"long_frame_over_capacity_reads_as_text", frame({0x02, 0xB1, 0x01, 0x00, 0x80}) + "AB\r", 64,
     {{1, "\x80" "AB", 3}}},
    {"frame_start_inside_line_drops_line", "AB" + shortFrame("Z"), 64, {{2, "Z", 1}}},
    {"garbage_only", frame({0x01, 0x04, 0x05, 0x06, 0x07, 0x08, 0x1f}), 64, {}},
    {"capacity_too_small", "OK\r\n", 1, {}},
};

class ModemRecvTable : public ::testing::TestWithParam<Row> {};

TEST_P(ModemRecvTable, YieldsUnitsInOrder)
{
    const Row &row = GetParam();
    trelvix::FakePort port;
    port.setTimeouts({20, 1000});
    port.feed(row.input);
    std::vector<char> buffer(static_cast<size_t>(std::max(row.capacity, 1)));
    for (const Unit &expected : row.units) {
        int length = -1;
        const int kind = ModemRecv(&port, buffer.data(), row.capacity, &length);
        ASSERT_EQ(kind, expected.kind);
        ASSERT_EQ(length, expected.length);
        EXPECT_EQ(std::string(buffer.data(), static_cast<size_t>(length)), expected.content);
        if (kind == TRELVIX_UNIT_LINE) {
            EXPECT_EQ(buffer[static_cast<size_t>(length)], '\0');
        }
    }
    EXPECT_EQ(ModemRecv(&port, buffer.data(), row.capacity, nullptr), TRELVIX_UNIT_NONE);
}

INSTANTIATE_TEST_SUITE_P(Replies, ModemRecvTable, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ModemRecvLimits, SilenceGivesNoneAfterTheReadTimeout)
{
    trelvix::FakePort port;
    port.setTimeouts({30, 1000});
    char buffer[64];
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ModemRecv(&port, buffer, sizeof buffer, nullptr), TRELVIX_UNIT_NONE);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}

TEST(ModemRecvLimits, EndlessNoiseGivesTimeLimitAfterTwoSeconds)
{
    trelvix::FakePort port;
    port.setTimeouts({500, 1000});
    std::atomic<bool> done{false};
    std::thread noise([&] {
        while (!done) {
            port.feed("\x01");
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    char buffer[64];
    const auto start = std::chrono::steady_clock::now();
    const int kind = ModemRecv(&port, buffer, sizeof buffer, nullptr);
    const auto took = std::chrono::steady_clock::now() - start;
    done = true;
    noise.join();
    EXPECT_EQ(kind, TRELVIX_UNIT_TIME_LIMIT);
    EXPECT_GE(took, std::chrono::milliseconds(2000));
    EXPECT_LT(took, std::chrono::milliseconds(4000));
}

TEST(ModemRecvLimits, NullArgumentsGiveNone)
{
    trelvix::FakePort port;
    char buffer[8];
    EXPECT_EQ(ModemRecv(nullptr, buffer, sizeof buffer, nullptr), TRELVIX_UNIT_NONE);
    EXPECT_EQ(ModemRecv(&port, nullptr, 8, nullptr), TRELVIX_UNIT_NONE);
}

} // namespace
