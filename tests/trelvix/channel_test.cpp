// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The serial channel over a pseudo-terminal and over the fake port.

#include "fake_port.h"
#include "pty_pair.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>

namespace {

using namespace std::chrono_literals;
using testing_support::eventually;
using testing_support::PtyPair;

// What the receive callback got. The callback is a plain function, so the
// record is global; each test starts it afresh.
struct Received {
    std::mutex mutex;
    std::condition_variable cv;
    std::string bytes;
    std::vector<uint32_t> chunks;
    int answer = 1;

    bool waitFor(size_t n, std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(mutex);
        return cv.wait_for(lock, timeout, [&] { return bytes.size() >= n; });
    }
    std::string text()
    {
        std::lock_guard lock(mutex);
        return bytes;
    }
} g_received;

int receive(const char *data, uint32_t length)
{
    std::lock_guard lock(g_received.mutex);
    g_received.bytes.append(data, length);
    g_received.chunks.push_back(length);
    g_received.cv.notify_all();
    return g_received.answer;
}

class Channel : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::lock_guard lock(g_received.mutex);
        g_received.bytes.clear();
        g_received.chunks.clear();
        g_received.answer = 1;
        TRELVIX_COUNTER_TAKE(Comm_Sent);
        TRELVIX_COUNTER_TAKE(Comm_Errors);
    }
    void TearDown() override { Comm_Stop(1); }

    // A fake port handed to the channel, which closes it at the end.
    trelvix::FakePort *startFake()
    {
        auto *port = new trelvix::FakePort;
        EXPECT_EQ(Comm_Start(port, receive, 0), 1);
        return port;
    }
    void startPty()
    {
        EXPECT_EQ(Comm_Start(trelvix::adoptPosixPort(pty.releaseSlave()).release(), receive, 0), 1);
    }

    PtyPair pty;
};

// --- sending ---

TEST_F(Channel, SendsArriveInOrderAndAreCounted)
{
    startPty();
    std::string expected;
    std::mt19937 rng(1);
    for (int i = 0; i < 50; ++i) {
        std::string piece(1 + rng() % 3000, '\0');
        for (char &c : piece)
            c = static_cast<char>(rng());
        expected += piece;
        ASSERT_EQ(Comm_Send(piece.data(), static_cast<int>(piece.size())), 1);
    }
    EXPECT_EQ(pty.read(expected.size(), 10s), expected);
    EXPECT_TRUE(eventually([&] { return TRELVIX_COUNTER_READ(Comm_Sent) == expected.size(); }));
}

TEST_F(Channel, SendsFromSeveralThreadsStayWhole)
{
    auto *port = startFake();
    std::vector<std::thread> senders;
    for (char tag = 'a'; tag < 'e'; ++tag)
        senders.emplace_back([tag] {
            for (int i = 0; i < 100; ++i)
                Comm_SendString(std::string(7, tag).c_str());
        });
    for (auto &t : senders)
        t.join();
    ASSERT_TRUE(port->waitWritten(4 * 100 * 7, 5s));
    const std::string out = port->written();
    for (size_t i = 0; i < out.size(); i += 7)
        EXPECT_EQ(out.substr(i, 7), std::string(7, out[i])) << "request torn at " << i;
}

TEST_F(Channel, LargeSendGoesOutInChunksOf4096)
{
    auto *port = startFake();
    const std::string big(10000, 'z');
    ASSERT_EQ(Comm_Send(big.data(), static_cast<int>(big.size())), 1);
    ASSERT_TRUE(port->waitWritten(big.size(), 5s));
    EXPECT_EQ(port->writeSizes(), (std::vector<size_t>{4096, 4096, 1808}));
    EXPECT_TRUE(eventually([] { return TRELVIX_COUNTER_READ(Comm_Sent) == 10000u; }));
}

TEST_F(Channel, SendLineAppendsCarriageReturn)
{
    auto *port = startFake();
    EXPECT_EQ(Comm_SendLine("AT"), 1);
    ASSERT_TRUE(port->waitWritten(3, 5s));
    EXPECT_EQ(port->written(), "AT\r");
}

TEST_F(Channel, SendWithoutChannelIsRefused)
{
    EXPECT_EQ(Comm_Send("x", 1), 0);
    startFake();
    EXPECT_EQ(Comm_Send(nullptr, 3), 0);
    EXPECT_EQ(Comm_Send("x", -1), 0);
    EXPECT_EQ(Comm_SendString(nullptr), 0);
    Comm_Stop(1);
    EXPECT_EQ(Comm_Send("x", 1), 0);
    EXPECT_EQ(Comm_SendLine("AT"), 0);
}

// --- receiving ---

TEST_F(Channel, EveryByteReachesTheCallbackOnceInOrder)
{
    startPty();
    std::string expected;
    for (int i = 0; i < 200; ++i) { // a byte at a time
        std::string one(1, static_cast<char>(i));
        pty.write(one);
        expected += one;
        ASSERT_TRUE(g_received.waitFor(expected.size(), 5s));
    }
    std::string burst(100000, '\0'); // far beyond the 1024-byte read buffer
    std::mt19937 rng(2);
    for (char &c : burst)
        c = static_cast<char>(rng());
    pty.write(burst);
    expected += burst;
    ASSERT_TRUE(g_received.waitFor(expected.size(), 10s));
    EXPECT_EQ(g_received.text(), expected);
    std::lock_guard lock(g_received.mutex);
    for (uint32_t n : g_received.chunks) {
        EXPECT_GE(n, 1u);
        EXPECT_LE(n, 1024u);
    }
}

TEST_F(Channel, CallbackAnsweringStopEndsReceptionButNotSending)
{
    auto *port = startFake();
    g_received.answer = 0;
    port->feed("first");
    ASSERT_TRUE(g_received.waitFor(5, 5s));
    port->feed("second");
    EXPECT_EQ(Comm_Send("out", 3), 1);
    ASSERT_TRUE(port->waitWritten(3, 5s));
    EXPECT_FALSE(g_received.waitFor(6, 100ms));
    EXPECT_EQ(g_received.text(), "first");
}

TEST_F(Channel, LineErrorsAccumulateUntilCleared)
{
    auto *port = startFake();
    port->addLineErrors(TRELVIX_CE_RXPARITY);
    ASSERT_TRUE(eventually([] { return TRELVIX_COUNTER_READ(Comm_Errors) == TRELVIX_CE_RXPARITY; }));
    port->addLineErrors(TRELVIX_CE_OVERRUN);
    ASSERT_TRUE(eventually([] { return TRELVIX_COUNTER_READ(Comm_Errors) == 0x6u; }));
    port->feed("data still flows");
    EXPECT_TRUE(g_received.waitFor(16, 5s));
    EXPECT_EQ(TRELVIX_COUNTER_TAKE(Comm_Errors), 0x6u);
    EXPECT_EQ(TRELVIX_COUNTER_READ(Comm_Errors), 0u);
}

// --- opening and closing ---

TEST_F(Channel, SecondStartIsRefusedAndLeavesTheOpenChannelAlone)
{
    auto *first = startFake();
    trelvix::FakePort second;
    EXPECT_EQ(Comm_Start(&second, receive, 0), 0);
    EXPECT_EQ(Comm_Send("x", 1), 1);
    ASSERT_TRUE(first->waitWritten(1, 5s));
    EXPECT_EQ(second.written(), "");
}

TEST_F(Channel, StopWithoutCloseLeavesThePortToTheCaller)
{
    bool closed = false;
    trelvix::FakePort port;
    port.watchDestruction(&closed);
    ASSERT_EQ(Comm_Start(&port, receive, 0), 1);
    EXPECT_EQ(Comm_Stop(0), 1);
    EXPECT_FALSE(closed);
    EXPECT_EQ(Comm_Stop(0), 0);
    // The channel can open again on the same port.
    ASSERT_EQ(Comm_Start(&port, receive, 0), 1);
    EXPECT_EQ(Comm_Stop(0), 1);
    port.watchDestruction(nullptr);
}

TEST_F(Channel, StopWithCloseClosesThePort)
{
    bool closed = false;
    auto *port = startFake();
    port->watchDestruction(&closed);
    EXPECT_EQ(Comm_Stop(1), 1);
    EXPECT_TRUE(closed);
    EXPECT_EQ(Comm_Stop(1), 0);
}

TEST_F(Channel, StopEndsBlockedReadAndWriteWithinBound)
{
    auto *port = startFake();
    port->holdWrites(true); // flow control holds the line
    ASSERT_EQ(Comm_Send("held", 4), 1);
    const auto start = std::chrono::steady_clock::now();
    std::thread stopper([] { Comm_Stop(1); });
    stopper.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST_F(Channel, StopEndsWriteBlockedOnAFullPty)
{
    startPty();
    // Nobody reads the master: the pty's buffers fill and the writer blocks.
    const std::string big(1 << 20, 'q');
    ASSERT_EQ(Comm_Send(big.data(), static_cast<int>(big.size())), 1);
    ASSERT_TRUE(eventually([] { return TRELVIX_COUNTER_READ(Comm_Sent) > 0; }));
    const auto start = std::chrono::steady_clock::now();
    std::thread stopper([] { EXPECT_EQ(Comm_Stop(1), 1); });
    stopper.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_LT(TRELVIX_COUNTER_READ(Comm_Sent), big.size());
}

// --- line control for the transfers ---

TEST_F(Channel, OutputPurgeBreaksABlockedWriteAndDropsWhatWasQueued)
{
    startPty();
    // Nobody reads the master: the writer blocks inside the first request.
    const std::string big(1 << 20, 'q');
    ASSERT_EQ(Comm_Send(big.data(), static_cast<int>(big.size())), 1);
    ASSERT_EQ(Comm_Send("queued", 6), 1);
    ASSERT_TRUE(eventually([] { return TRELVIX_COUNTER_READ(Comm_Sent) > 0; }));
    ASSERT_EQ(Comm_Purge(TRELVIX_PURGE_TX), 1);
    // The writer is free again: a drain of what is left (nothing) succeeds,
    // and a later send still goes out.
    EXPECT_EQ(Comm_Drain(5000), 1);
    const uint32_t afterPurge = TRELVIX_COUNTER_READ(Comm_Sent);
    EXPECT_LT(afterPurge, big.size());
    pty.read(big.size(), 200ms); // what reached the pty before the purge
    ASSERT_EQ(Comm_Send("after", 5), 1);
    const std::string drained = pty.readUntil("after", 5s);
    ASSERT_NE(drained.find("after"), std::string::npos);
    EXPECT_EQ(drained.find("queued"), std::string::npos);
}

TEST_F(Channel, DrainWaitsForTheWriterAndIsBounded)
{
    auto *port = startFake();
    port->holdWrites(true);
    ASSERT_EQ(Comm_Send("held", 4), 1);
    EXPECT_EQ(Comm_Drain(200), 0); // still held when the time runs out
    port->holdWrites(false);
    EXPECT_EQ(Comm_Drain(5000), 1);
    EXPECT_EQ(port->written(), "held");
}

TEST_F(Channel, ControlCallsActOnTheChannelsPortOnly)
{
    EXPECT_EQ(Comm_SetDtr(0), 0); // no channel
    EXPECT_EQ(Comm_OutputQueue(), -1);
    EXPECT_EQ(Comm_Purge(TRELVIX_PURGE_RX | TRELVIX_PURGE_TX), 0);
    auto *port = startFake();
    EXPECT_EQ(Comm_SetDtr(0), 1);
    EXPECT_FALSE(port->dtr());
    EXPECT_EQ(Comm_SetDtr(1), 1);
    EXPECT_TRUE(port->dtr());
    EXPECT_EQ(Comm_SetSpeed(19200), 1);
    EXPECT_EQ(port->settings().speed, 19200u);
    EXPECT_EQ(Comm_OutputQueue(), 0);
}

// --- a cut cable ---

TEST_F(Channel, FarEndClosingIsReportedAndStopsTheChannel)
{
    startPty();
    pty.write("partial");
    ASSERT_TRUE(g_received.waitFor(7, 5s));
    pty.closeMaster();
    ASSERT_TRUE(eventually([] { return (TRELVIX_COUNTER_READ(Comm_Errors) & TRELVIX_CE_IOE) != 0; }));
    EXPECT_TRUE(eventually([] { return Comm_Send("x", 1) == 0; }));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Comm_Stop(1), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

TEST_F(Channel, HangupDuringAWriteIsReported)
{
    auto *port = startFake();
    port->holdWrites(true);
    ASSERT_EQ(Comm_Send("lost", 4), 1);
    port->hangup();
    ASSERT_TRUE(eventually([] { return (TRELVIX_COUNTER_READ(Comm_Errors) & TRELVIX_CE_IOE) != 0; }));
    EXPECT_TRUE(eventually([] { return Comm_Send("x", 1) == 0; }));
    EXPECT_EQ(port->written(), "");
}

} // namespace
