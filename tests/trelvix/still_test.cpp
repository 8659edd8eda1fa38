// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The still check over the serial channel, with a fake phone that answers
// the binary IMEI query.

#include "detect.h"
#include "fake_port.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

namespace {

using namespace std::chrono_literals;

const std::string kQuery("\x02\x04\xD2\x05\x00\xD7\x06\x03\x00", 9);

// The phone's answer: 02 0C D2 05 01 D7, IMEI digits 1..14 packed, digit 15
// as a value, check byte, 03.
std::string stillReply(const std::string &imei, uint8_t lengthByte = 0x0C)
{
    std::string r("\x02\x00\xD2\x05\x01\xD7", 6);
    r[1] = static_cast<char>(lengthByte);
    for (size_t i = 0; i < 14; i += 2)
        r.push_back(static_cast<char>(((imei[i] - '0') << 4) | (imei[i + 1] - '0')));
    r.push_back(static_cast<char>(imei[14] - '0'));
    uint8_t chk = 0;
    for (char c : r)
        chk ^= static_cast<uint8_t>(c);
    r.push_back(static_cast<char>(chk));
    r.push_back('\x03');
    return r;
}

std::atomic<int> g_channelBytes{0};
int channelReceive(const char *, uint32_t length)
{
    g_channelBytes += static_cast<int>(length);
    return 1;
}

class Still : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_channelBytes = 0;
        port = new trelvix::FakePort;
        ASSERT_EQ(Comm_Start(port, channelReceive, 0), 1);
    }
    void TearDown() override
    {
        Comm_Stop(1);
        EXPECT_TRUE(trelvix::waitForDetectionThreads(10s));
    }
    // The phone answers the query with `reply`, in pieces of `piece` bytes.
    void answerWith(std::string reply, size_t piece = 64)
    {
        port->setResponder([reply, piece](trelvix::FakePort &p, std::string_view written) {
            if (written != kQuery)
                return;
            for (size_t i = 0; i < reply.size(); i += piece)
                p.feed(reply.substr(i, piece));
        });
    }
    trelvix::FakePort *port = nullptr;
};

const std::string kImei = "351234567890123";

TEST_F(Still, SamePhoneAnswers)
{
    answerWith(stillReply(kImei));
    EXPECT_EQ(Trelvix_Still(kImei.c_str()), 1);
    EXPECT_EQ(port->written(), kQuery);
    // The channel's own callback did not see the answer.
    EXPECT_EQ(g_channelBytes, 0);
}

TEST_F(Still, AnswerFoundBehindNoiseAndInPieces)
{
    answerWith("\x7f\x02\x01\x02" + stillReply(kImei), 1);
    EXPECT_EQ(Trelvix_Still(kImei.c_str()), 1);
}

TEST_F(Still, LengthByteEighteenIsAccepted)
{
    answerWith(stillReply(kImei, 0x12));
    EXPECT_EQ(Trelvix_Still(kImei.c_str()), 1);
}

TEST_F(Still, AnotherPhoneFailsAtOnce)
{
    const std::string other = "351234567890124"; // the fifteenth digit differs
    answerWith(stillReply(other));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Trelvix_Still(kImei.c_str()), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s); // not the 6 s wait
    answerWith(stillReply("451234567890123")); // the first digit differs
    EXPECT_EQ(Trelvix_Still(kImei.c_str()), 0);
}

TEST_F(Still, SilenceFailsAfterSixSeconds)
{
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Trelvix_Still(kImei.c_str()), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 6s);
    // The channel's receive callback is back in place.
    port->feed("OK");
    EXPECT_TRUE([] {
        for (int i = 0; i < 500 && g_channelBytes < 2; ++i)
            std::this_thread::sleep_for(2ms);
        return g_channelBytes == 2;
    }());
}

TEST_F(Still, WithoutChannelFails)
{
    Comm_Stop(1);
    EXPECT_EQ(Trelvix_Still(kImei.c_str()), 0);
    EXPECT_EQ(Trelvix_Still(nullptr), 0);
}

struct AsyncLog {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<int> calls;
    int answerToStart = 0;
} g_async;

int stillDone(int result)
{
    std::lock_guard lock(g_async.mutex);
    g_async.calls.push_back(result);
    g_async.cv.notify_all();
    return result == -1 ? g_async.answerToStart : 0;
}

bool waitCalls(size_t n)
{
    std::unique_lock lock(g_async.mutex);
    return g_async.cv.wait_for(lock, 10s, [&] { return g_async.calls.size() >= n; });
}

TEST_F(Still, AsyncCallsBackTwice)
{
    answerWith(stillReply(kImei));
    g_async.calls.clear();
    g_async.answerToStart = 0;
    std::string imei = kImei;
    Trelvix_StillAsync(imei.c_str(), stillDone);
    imei.assign(15, '0'); // the check works on its own copy
    ASSERT_TRUE(waitCalls(2));
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    EXPECT_EQ(g_async.calls, (std::vector<int>{-1, 1}));
}

TEST_F(Still, AsyncSkippedWhenTheFirstCallSaysSo)
{
    g_async.calls.clear();
    g_async.answerToStart = 1;
    Trelvix_StillAsync(kImei.c_str(), stillDone);
    ASSERT_TRUE(waitCalls(1));
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    EXPECT_EQ(g_async.calls, (std::vector<int>{-1}));
    EXPECT_EQ(port->written(), "");
}

} // namespace
