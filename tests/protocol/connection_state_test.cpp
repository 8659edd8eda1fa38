// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The connection record: one phone at a time, the lock that crosses
// threads, the protocol version, and the per-phone quirks.

#include "connection_state.h"
#include "transfer.h"

#include <gtest/gtest.h>

#include <barrier>
#include <future>
#include <map>
#include <thread>

namespace {

using namespace std::chrono_literals;
using quillora::ConnectionState;
using quillora::PhoneInfo;

struct MemoryQuirks : quillora::QuirksStore {
    std::uint32_t loadQuirks(const std::string &imei) override
    {
        ++loads;
        auto it = stored.find(imei);
        return it == stored.end() ? 0 : it->second;
    }
    void saveQuirks(const std::string &imei, std::uint32_t quirks) override { stored[imei] = quirks; }
    std::map<std::string, std::uint32_t> stored;
    std::atomic<int> loads{0};
};

PhoneInfo phoneOn(const std::string &port, const std::string &imei)
{
    PhoneInfo info;
    info.modelName = "QP-" + port;
    info.portName = port;
    info.imei = imei;
    info.speed = 115200;
    info.protocolVersion = 201;
    return info;
}

// Two detection threads report a ready phone at the same moment: exactly
// one is accepted, and the record is entirely that one's.
TEST(ConnectionState, RacingAcceptsFillTheRecordOnce)
{
    for (int round = 0; round < 200; ++round) {
        ConnectionState state;
        MemoryQuirks store;
        std::barrier start(2);
        auto accept = [&](std::string port, std::string imei) {
            start.arrive_and_wait();
            return state.TryAccept(phoneOn(port, imei), &store);
        };
        auto a = std::async(std::launch::async, accept, "ttyUSB0", "111111111111111");
        auto b = std::async(std::launch::async, accept, "ttyACM0", "222222222222222");
        const bool first = a.get();
        const bool second = b.get();
        ASSERT_NE(first, second) << "round " << round;
        const PhoneInfo phone = state.phone();
        EXPECT_EQ(phone.portName, first ? "ttyUSB0" : "ttyACM0");
        EXPECT_EQ(phone.imei, first ? "111111111111111" : "222222222222222");
        EXPECT_EQ(phone.modelName, "QP-" + phone.portName);
        EXPECT_EQ(store.loads, 1) << "only the accepted phone's quirks are loaded";
        EXPECT_TRUE(state.connected());
    }
}

TEST(ConnectionState, LostConnectionKeepsTheLastPhoneButNotItsPort)
{
    ConnectionState state;
    PhoneInfo info = phoneOn("ttyUSB0", "111111111111111");
    info.port = reinterpret_cast<TrelvixPort *>(0x1); // never dereferenced
    ASSERT_TRUE(state.TryAccept(info, nullptr));
    EXPECT_FALSE(state.TryAccept(phoneOn("ttyUSB1", "3"), nullptr));
    state.MarkLost();
    EXPECT_FALSE(state.connected());
    EXPECT_EQ(state.phone().port, nullptr);
    EXPECT_EQ(state.phone().modelName, "QP-ttyUSB0");
    EXPECT_TRUE(state.TryAccept(phoneOn("ttyUSB1", "3"), nullptr)) << "the next phone may connect";
}

TEST(ConnectionState, CapabilityBitFollowsTheProtocolVersion)
{
    ConnectionState older;
    PhoneInfo info = phoneOn("ttyUSB0", "1");
    info.protocolVersion = 150;
    ASSERT_TRUE(older.TryAccept(info, nullptr));
    EXPECT_EQ(older.phoneCapabilities.load(), 0u);
    ConnectionState newer;
    info.protocolVersion = 200;
    ASSERT_TRUE(newer.TryAccept(info, nullptr));
    EXPECT_EQ(newer.phoneCapabilities.load(), quillora::capability::kObjectProtocol);
}

// Detection takes the lock on one thread and the window that accepts the
// phone releases it on another; a waiter on a third goes on.
TEST(ConnectionState, PhoneLockReleasedByAnotherThread)
{
    ConnectionState state;
    std::thread detection([&] { state.phoneLock.acquire(); });
    detection.join();
    EXPECT_FALSE(state.phoneLock.try_acquire()) << "held after its taker ended";
    auto waiter = std::async(std::launch::async, [&] { return state.phoneLock.try_acquire_for(10s); });
    std::thread ui([&] { state.phoneLock.release(); });
    ui.join();
    EXPECT_TRUE(waiter.get());
    state.phoneLock.release();
}

TEST(ConnectionState, QuirksFollowTheImei)
{
    MemoryQuirks store;
    ConnectionState state;
    ASSERT_TRUE(state.TryAccept(phoneOn("ttyUSB0", "111111111111111"), &store));
    EXPECT_EQ(state.quirks(), 0u);
    state.SavePhoneQuirks(0x4, &store);
    EXPECT_EQ(state.quirks(), 0x4u);
    state.MarkLost();
    ASSERT_TRUE(state.TryAccept(phoneOn("ttyUSB0", "222222222222222"), &store));
    EXPECT_EQ(state.quirks(), 0u);
    state.MarkLost();
    ASSERT_TRUE(state.TryAccept(phoneOn("ttyUSB1", "111111111111111"), &store));
    EXPECT_EQ(state.quirks(), 0x4u);
}

TEST(ProtocolVersion, Replies)
{
    struct Row {
        const char *line;
        int version;
    };
    for (const Row &row : {Row{"+KPSV: 2.01", 201}, Row{"+KPSV: 3", 300}, Row{"+KPSV: 1.50", 150},
                           Row{"+KPSV: 2.1", 200}, Row{"+KPSV: 12.34", 1200}, Row{"+KPSV: x", 0},
                           Row{"ERROR", -1},
                           Row{"+CME ERROR: 3", -1}, Row{"OK", 0}, Row{"", 0}})
        EXPECT_EQ(quillora::ParseProtocolVersion(row.line), row.version) << row.line;
}

// --- running an operation ---

struct NullProgress : quillora::TransferProgress {
    void setObjectName(const std::string &) override {}
    void setStep(const std::string &) override {}
    void setCounter(const std::string &) override {}
    void setDetail(const std::string &) override {}
    void setRange(std::uint32_t) override {}
    void setPosition(std::uint32_t) override {}
};

TEST(RunPhoneOperation, Outcomes)
{
    using quillora::TransferResult;
    ConnectionState state;
    NullProgress progress;
    int runs = 0;
    auto succeed = [&](quillora::TransferProgress &) {
        ++runs;
        EXPECT_FALSE(state.phoneLock.try_acquire()) << "the lock is held for the whole operation";
        return true;
    };
    EXPECT_EQ(quillora::RunPhoneOperation(progress, state, succeed), TransferResult::NoPhone);
    ASSERT_TRUE(state.TryAccept(phoneOn("ttyUSB0", "1"), nullptr));
    EXPECT_EQ(quillora::RunPhoneOperation(progress, state, succeed), TransferResult::Succeeded);
    EXPECT_EQ(quillora::RunPhoneOperation(progress, state, [](auto &) { return false; }), TransferResult::Failed);
    EXPECT_EQ(quillora::RunPhoneOperation(progress, state,
                                          [](quillora::TransferProgress &p) {
                                              p.cancelRequested = true;
                                              return false;
                                          }),
              TransferResult::Cancelled)
        << "a failure after Cancel is a cancellation";
    EXPECT_EQ(quillora::RunPhoneOperation(progress, state, succeed), TransferResult::Cancelled);
    EXPECT_EQ(runs, 1) << "Cancel before the start runs nothing";
    EXPECT_TRUE(state.phoneLock.try_acquire()) << "released after every run";
    state.phoneLock.release();
}

// After a lost phone detection holds the lock until the next phone: Cancel
// must still end the wait.
TEST(RunPhoneOperation, CancelWhileWaitingForTheLock)
{
    ConnectionState state;
    NullProgress progress;
    ASSERT_TRUE(state.TryAccept(phoneOn("ttyUSB0", "1"), nullptr));
    state.phoneLock.acquire();
    auto run = std::async(std::launch::async, [&] {
        return quillora::RunPhoneOperation(progress, state, [](auto &) { return true; });
    });
    ASSERT_EQ(run.wait_for(50ms), std::future_status::timeout);
    progress.cancelRequested = true;
    ASSERT_EQ(run.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(run.get(), quillora::TransferResult::Cancelled);
    state.phoneLock.release();
}

TEST(RunPhoneOperation, PhoneLostWhileWaitingForTheLock)
{
    ConnectionState state;
    NullProgress progress;
    ASSERT_TRUE(state.TryAccept(phoneOn("ttyUSB0", "1"), nullptr));
    state.phoneLock.acquire(); // a still check is running
    auto run = std::async(std::launch::async, [&] {
        return quillora::RunPhoneOperation(progress, state, [](auto &) { return true; });
    });
    ASSERT_EQ(run.wait_for(50ms), std::future_status::timeout) << "connected, so it waits for the lock";
    state.MarkLost();
    state.phoneLock.release();
    EXPECT_EQ(run.get(), quillora::TransferResult::NoPhone);
}

} // namespace
