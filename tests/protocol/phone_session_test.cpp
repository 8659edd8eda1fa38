// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The transaction primitives over a session fed directly, as the serial
// reader thread feeds it, and the error codes and texts.

#include "phone_session.h"
#include "protocol_error.h"
#include "protocol_fakes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;
using protocol_test::RecordingPrompt;
using protocol_test::RecordingSink;
using protocol_test::SpelledTexts;
using quillora::PhoneSession;
using quillora::ProtocolError;

void feed(PhoneSession &session, const std::string &bytes)
{
    ASSERT_EQ(session.receive(bytes.data(), static_cast<std::uint32_t>(bytes.size())), 1);
}

std::int32_t thrownBy(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ProtocolError &e) {
        return e.code;
    }
    return INT32_MIN; // nothing thrown
}

class Session : public ::testing::Test {
protected:
    RecordingSink sink;
    PhoneSession session{sink};
};

// --- lines ---

TEST_F(Session, LineSplitAcrossChunksIsAwaited)
{
    feed(session, "O");
    auto line = std::async(std::launch::async, [&] { return session.WaitLine(5000); });
    EXPECT_EQ(line.wait_for(50ms), std::future_status::timeout) << "a partial line is not a line";
    feed(session, "K\r\n");
    ASSERT_EQ(line.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(line.get(), "OK");
}

TEST_F(Session, EmptyLinesAreSkipped)
{
    feed(session, "\r\n\r\nOK\r\n");
    EXPECT_EQ(session.WaitLine(1000), "OK");
    EXPECT_EQ(session.WaitLine(0), std::nullopt);
}

TEST_F(Session, LongLineIsDeliveredInPieces)
{
    feed(session, std::string(300, 'x') + "\r\n");
    EXPECT_EQ(session.WaitLine(1000), std::string(255, 'x'));
    EXPECT_EQ(session.WaitLine(1000), std::string(45, 'x'));
}

TEST_F(Session, DelayFactorScalesEveryTimeout)
{
    session.setDelayFactor(200);
    EXPECT_EQ(session.scaled(4000), 8000ms);
    EXPECT_EQ(session.scaled(3000), 6000ms);
    session.setDelayFactor(0);
    EXPECT_EQ(session.scaled(4000), 4000ms) << "a factor below 1 means 100";
    session.setDelayFactor(50000);
    EXPECT_EQ(session.scaled(2000000), 1000000000ms) << "no overflow of the product";

    session.setDelayFactor(200);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(session.WaitLine(40), std::nullopt);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 80ms);
}

// A phone that keeps sending blank lines must not keep the reader waiting
// past its time-out.
TEST_F(Session, BusyLineDoesNotStretchTheTimeout)
{
    std::atomic<bool> stop{false};
    std::thread chatter([&] {
        while (!stop) {
            session.receive("\r\n", 2);
            std::this_thread::yield();
        }
    });
    auto line = std::async(std::launch::async, [&] { return session.WaitLine(50); });
    const auto status = line.wait_for(1s);
    stop = true;
    chatter.join();
    ASSERT_EQ(status, std::future_status::ready);
    EXPECT_EQ(line.get(), std::nullopt);
}

// A line that never ends is no reply: the wait ends at the time-out, and a
// ring filled with it refuses more bytes instead of blocking the reader
// thread for good.
TEST(SessionUnendedLine, TimesOutAndOverflows)
{
    RecordingSink sink;
    PhoneSession session(sink, 64, 10ms);
    feed(session, "OK\r");
    EXPECT_EQ(thrownBy([&] { session.ExpectLine("OK", 20); }), 128);
    feed(session, std::string(60, '\r'));
    feed(session, "more");
    EXPECT_TRUE(session.receiveOverflow);
    EXPECT_EQ(session.WaitLine(20), std::nullopt);
    session.ClearReplies();
    feed(session, "OK\r\n");
    EXPECT_EQ(session.WaitLine(20), "OK") << "the next command starts clean";
}

TEST_F(Session, ClearRepliesDropsLateBytes)
{
    feed(session, "OK\r\n");
    session.ClearReplies();
    feed(session, "ERROR\r\n");
    EXPECT_EQ(session.WaitLine(1000), "ERROR");
}

// --- raw bytes ---

TEST_F(Session, ReadBytesGathersPiecesAndStopsShortOnTimeout)
{
    std::thread phone([&] {
        for (int i = 0; i < 10; ++i)
            session.receive("0123456789", 10);
    });
    std::string data(100, '\0');
    EXPECT_EQ(session.ReadBytes(data.data(), 100, 5000), 100u);
    phone.join();
    EXPECT_EQ(data, [] {
        std::string all;
        for (int i = 0; i < 10; ++i)
            all += "0123456789";
        return all;
    }());

    feed(session, "abc");
    EXPECT_EQ(session.ReadBytes(data.data(), 10, 20), 3u);
}

// A chunk that finds no room within the limit is dropped whole and marked;
// what was stored before stays intact.
TEST(SessionOverflow, DroppedChunkSetsTheFlag)
{
    RecordingSink sink;
    PhoneSession session(sink, 16, 10ms);
    feed(session, "0123456789");
    EXPECT_FALSE(session.receiveOverflow);
    feed(session, "ABCDEFGH");
    EXPECT_TRUE(session.receiveOverflow);
    char out[16];
    ASSERT_EQ(session.ReadBytes(out, 16, 0), 10u);
    EXPECT_EQ(std::string(out, 10), "0123456789");
}

TEST(ReceiveCallback, GoesToTheInstalledSessionOnly)
{
    RecordingSink sink;
    PhoneSession session(sink);
    quillora::SetReceiveSession(nullptr);
    EXPECT_EQ(quillora::ReceiveCallback("lost\r\n", 6), 1);
    quillora::SetReceiveSession(&session);
    EXPECT_EQ(quillora::ReceiveCallback("OK\r\n", 4), 1);
    quillora::SetReceiveSession(nullptr);
    EXPECT_EQ(session.WaitLine(1000), "OK");
    EXPECT_EQ(session.WaitLine(0), std::nullopt);
}

// --- commands ---

TEST_F(Session, CommandThenCarriageReturnAsTwoSends)
{
    EXPECT_TRUE(session.SendCommand("AT+KPSV"));
    EXPECT_EQ(sink.sent(), (std::vector<std::string>{"AT+KPSV", "\r"}));
    sink.failAt = 4;
    EXPECT_FALSE(session.SendCommand("AT")) << "the result is the carriage return's";
}

// --- error replies ---

struct ErrorCase {
    const char *line;
    std::int32_t code; // INT32_MIN: not an error reply
};

class ErrorReplies : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorReplies, CheckErrorReplyThrowsItsCode)
{
    EXPECT_EQ(thrownBy([&] { quillora::CheckErrorReply(GetParam().line); }), GetParam().code) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Session, ErrorReplies,
    ::testing::Values(ErrorCase{"+CME ERROR: 3", 10003}, ErrorCase{"+CMS ERROR: 500", 10500},
                      ErrorCase{"+CME ERROR: 100,-13", -13}, ErrorCase{"+CMS ERROR: 100,-34", -34},
                      ErrorCase{"+CME ERROR: 100,5", 10100}, ErrorCase{"+CME ERROR: 100", 10100},
                      ErrorCase{"+CME ERROR: 100,0", 10100}, ErrorCase{"ERROR", 10100},
                      // The phone's code is 16 bits: 65523 is -13, -32769 wraps to 32767.
                      ErrorCase{"+CME ERROR: 100,65523", -13}, ErrorCase{"+CME ERROR: 100,-32769", 10100},
                      ErrorCase{"+CME ERROR: ", 10000}, ErrorCase{"+CME ERROR: abc", 10000},
                      ErrorCase{"+CME ERROR: 99999999999999", 1010000}, ErrorCase{"+CME ERROR: -5", 9995},
                      ErrorCase{"+CME ERROR: -20000", 1},
                      ErrorCase{"+CME ERROR:3", INT32_MIN}, ErrorCase{"ERROR ", INT32_MIN},
                      ErrorCase{"error", INT32_MIN}, ErrorCase{"NO CARRIER", INT32_MIN},
                      ErrorCase{"OK", INT32_MIN}, ErrorCase{"", INT32_MIN}));

TEST_F(Session, ExpectLineOutcomes)
{
    feed(session, "OK\r\n");
    EXPECT_EQ(thrownBy([&] { session.ExpectLine("OK", 1000); }), INT32_MIN);
    feed(session, "NO CARRIER\r\n");
    EXPECT_EQ(thrownBy([&] { session.ExpectLine("OK", 1000); }), 129);
    feed(session, "+CME ERROR: 100,-12\r\n");
    EXPECT_EQ(thrownBy([&] { session.ExpectLine("OK", 1000); }), -12);
    feed(session, "ok\r\n");
    EXPECT_EQ(thrownBy([&] { session.ExpectLine("OK", 1000); }), 129) << "the comparison is exact";
    EXPECT_EQ(thrownBy([&] { session.ExpectLine("OK", 20); }), 128);
}

// --- texts for the codes ---

TEST(ErrorTexts, StandardCodes)
{
    struct Row {
        std::int32_t code;
        std::uint32_t id;
        bool hasNumber;
    };
    for (const Row &row : {Row{5, 65009, false}, Row{6, 65013, false}, Row{128, 65013, false},
                           Row{129, 65006, false}, Row{130, 65006, false}, Row{10004, 65004, false},
                           Row{10100, 65012, false}, Row{10003, 65000, true}, Row{1, 65000, true}}) {
        const auto text = quillora::StandardErrorText(row.code);
        EXPECT_EQ(text.id, row.id) << row.code;
        EXPECT_EQ(text.hasNumber, row.hasNumber) << row.code;
        if (row.hasNumber) {
            EXPECT_EQ(text.number, row.code);
        }
    }
}

TEST(ErrorTexts, PhoneCodes)
{
    struct Row {
        std::int32_t code;
        std::uint32_t id;
        std::int64_t number;
        bool missing;
    };
    for (const Row &row :
         {Row{-13, 701, -13, false}, Row{-12, 702, -12, false}, Row{-4, 703, -4, false}, Row{-1, 700, -1, false},
          Row{-15, 700, -15, false}, Row{3, 700, 3, false}, Row{-34, 706, 65502, false}, Row{-31, 704, 65505, true},
          Row{-29, 704, 65507, true}, Row{-16, 705, 65520, false}, Row{-30, 705, 65506, false},
          Row{-32768, 705, 32768, false}, Row{-34 - 65536, 706, 65502, false}}) {
        bool missing = !row.missing;
        const auto text = quillora::PhoneErrorText(row.code, &missing);
        EXPECT_EQ(text.id, row.id) << row.code;
        EXPECT_EQ(text.number, row.number) << row.code;
        EXPECT_EQ(missing, row.missing) << row.code;
    }
}

TEST(ErrorTexts, ShownWithTheErrorIcon)
{
    RecordingPrompt prompt;
    SpelledTexts texts;
    std::atomic<std::uint32_t> stale{0};
    quillora::ShowPhoneError(prompt, texts, -13, stale);
    EXPECT_EQ(stale, 0u);
    quillora::ShowPhoneError(prompt, texts, -31, stale);
    EXPECT_EQ(stale, 1u) << "object not found: the listing is stale";
    quillora::ShowProtocolError(prompt, texts, 0, stale);
    quillora::ShowProtocolError(prompt, texts, 128, stale);
    quillora::ShowProtocolError(prompt, texts, 42, stale);
    quillora::ShowProtocolError(prompt, texts, -4, stale);
    ASSERT_EQ(prompt.messages.size(), 5u) << "a cancellation (0) shows nothing";
    std::vector<std::string> shown;
    for (const auto &m : prompt.messages) {
        EXPECT_EQ(m.icon, quillora::MessageIcon::Error);
        shown.push_back(m.text);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"[701:-13]", "[704:65505]", "[65013]", "[65000:42]", "[703:-4]"}));
}

} // namespace
