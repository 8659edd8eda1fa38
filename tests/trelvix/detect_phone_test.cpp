// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Detection against the simulated phone on pseudo-terminals: finding it
// among silent ports, handing it over, each status a phone can cause, a
// port that is held, and the still check on the handed-over port.

#include "candidates.h"
#include "detect_support.h"
#include "fake_port.h"
#include "phone_link.h"
#include "pty_pair.h"
#include "event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

using namespace std::chrono_literals;
using detect_support::endDetection;
using detect_support::acceptPhone;
using detect_support::g_log;
using detect_support::g_taken;
using detect_support::nameOf;
using detect_support::Status;
using phonesim::PhoneOptions;
using phonesim::PtyPhone;
using phonesim::SimState;
using testing_support::useCandidatePaths;

class PhoneDetection : public ::testing::Test {
protected:
    void SetUp() override { g_log.reset(); }
    void TearDown() override
    {
        Comm_Stop(0);
        endDetection();
        g_taken.reset();
    }

    // Detects the phone, takes its port over and opens the channel on it.
    void takeOverWithChannel(const PtyPhone &phone)
    {
        g_log.reset(acceptPhone);
        useCandidatePaths({phone.slavePath()});
        TrelvixAsync(TRELVIX_FLAG_CONTINUOUS | TRELVIX_FLAG_HAND_OVER, detect_support::StatusLog::callback);
        ASSERT_TRUE(g_log.waitFor(TRELVIX_STATUS_READY));
        ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
        ASSERT_EQ(Comm_Start(g_taken.get(), [](const char *, uint32_t) { return 1; }, 0), 1);
    }

    // Runs detection once, without retries, on the phone alone.
    std::vector<Status> detectOnce(const PtyPhone &phone)
    {
        useCandidatePaths({phone.slavePath()});
        EXPECT_EQ(TrelvixAsync(0, detect_support::StatusLog::callback), 1);
        EXPECT_TRUE(trelvix::waitForDetectionThreads(20s));
        return g_log.all();
    }
    std::vector<Status> detectOnce(const PhoneOptions &options)
    {
        PtyPhone phone(options);
        return detectOnce(phone);
    }
};

std::vector<int> codesOf(const std::vector<Status> &log)
{
    std::vector<int> codes;
    for (const auto &s : log)
        codes.push_back(s.code);
    return codes;
}

TEST_F(PhoneDetection, PhoneAmongSilentPortsIsFoundAndHandedOver)
{
    testing_support::PtyPair quiet1, quiet2;
    PtyPhone phone;
    g_log.reset(acceptPhone);
    useCandidatePaths({quiet1.slavePath(), phone.slavePath(), quiet2.slavePath()});
    EXPECT_EQ(TrelvixAsync(TRELVIX_FLAG_CONTINUOUS | TRELVIX_FLAG_HAND_OVER, detect_support::StatusLog::callback), 3);
    ASSERT_TRUE(g_log.waitFor(TRELVIX_STATUS_READY, nameOf(phone.slavePath())));
    // Accepting stops every other probe.
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    const std::string port = nameOf(phone.slavePath());
    EXPECT_EQ(g_log.codes(port), (std::vector<int>{0, 80, 96, 112, 128}));
    for (const auto &quiet : {quiet1.slavePath(), quiet2.slavePath()}) {
        const auto codes = g_log.codes(nameOf(quiet));
        ASSERT_FALSE(codes.empty());
        EXPECT_EQ(codes.front(), 0);
        EXPECT_EQ(std::count(codes.begin(), codes.end(), TRELVIX_STATUS_READY), 0);
    }
    const Status ready = g_log.all().back();
    EXPECT_EQ(ready.model, "QP-200");
    EXPECT_EQ(ready.manufacturer, "QUILLORA LABS");
    EXPECT_EQ(ready.imei, "351234567890123");
    EXPECT_EQ(ready.imsi, "208011234567890");
    EXPECT_EQ(ready.identification, "QP-200 V1.0");
    EXPECT_EQ(ready.speed, 115200u);
    // The phone answers +KDOBJ? with its free bytes: an empty 256 MiB store.
    EXPECT_EQ(ready.legacyDownloadVersion, 256 << 20);
    EXPECT_TRUE(ready.flags & TRELVIX_FLAG_LEGACY_DOWNLOAD);

    // The handed-over port is open and configured: the phone answers on it.
    ASSERT_TRUE(g_taken);
    ASSERT_EQ(ModemSend(g_taken.get(), "AT+KPSV\r", 8), 1);
    char line[128];
    ASSERT_EQ(ModemRecv(g_taken.get(), line, sizeof line, nullptr), TRELVIX_UNIT_LINE);
    EXPECT_STREQ(line, "+KPSV: 2.01");
}

TEST_F(PhoneDetection, StillCheckOnTheHandedOverPort)
{
    PtyPhone phone;
    ASSERT_NO_FATAL_FAILURE(takeOverWithChannel(phone));
    EXPECT_EQ(Trelvix_Still("351234567890123"), 1);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Trelvix_Still("351234567890124"), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_EQ(Comm_Stop(0), 1);
}

TEST_F(PhoneDetection, StillCheckSeesAnotherPhone)
{
    PhoneOptions options;
    options.wrongStillImei = true;
    PtyPhone phone(options);
    ASSERT_NO_FATAL_FAILURE(takeOverWithChannel(phone));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Trelvix_Still("351234567890123"), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_EQ(Comm_Stop(0), 1);
}

TEST_F(PhoneDetection, DeclinedPhoneIsClosedAndProbedAgain)
{
    PtyPhone phone;
    useCandidatePaths({phone.slavePath()});
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS | TRELVIX_FLAG_HAND_OVER, detect_support::StatusLog::callback);
    ASSERT_TRUE(g_log.waitForCount(TRELVIX_STATUS_READY, 2, nameOf(phone.slavePath()), 20s));
}

TEST_F(PhoneDetection, HeldPortReportsBusy)
{
    PtyPhone phone;
    auto holder = trelvix::openPosixPort(phone.slavePath());
    ASSERT_TRUE(holder.port);
    const auto log = detectOnce(phone);
    EXPECT_EQ(codesOf(log), (std::vector<int>{0, 2}));
}

// A modem manager probing a freshly plugged phone holds its port for a
// while; continuous detection finds the phone once it lets go.
TEST_F(PhoneDetection, PortHeldForAWhileIsFoundOnceReleased)
{
    PtyPhone phone;
    std::atomic<int> opens{0};
    trelvix::setPortOpener([&](const std::string &path) {
        if (++opens <= 2)
            return trelvix::OpenResult{nullptr, trelvix::OpenError::Busy, EBUSY};
        return trelvix::openPosixPort(path);
    });
    useCandidatePaths({phone.slavePath()});
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
    ASSERT_TRUE(g_log.waitFor(TRELVIX_STATUS_READY, nameOf(phone.slavePath()), 10s));
    TrelvixAsync_Stop();
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    const auto codes = g_log.codes(nameOf(phone.slavePath()));
    ASSERT_GE(codes.size(), 4u);
    EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + 4), (std::vector<int>{0, 2, 2, 80}));
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 0), 1);
}

// A port whose open hangs (an on-board UART that is slow to answer) must
// not hold up the phone on another port.
TEST_F(PhoneDetection, SlowPortDoesNotDelayThePhone)
{
    PtyPhone phone;
    trelvix::Event release;
    trelvix::setPortOpener([&](const std::string &path) {
        if (path == "/dev/slow") {
            release.wait(10s);
            return trelvix::OpenResult{nullptr, trelvix::OpenError::NotFound, ENOENT};
        }
        return trelvix::openPosixPort(path);
    });
    useCandidatePaths({"/dev/slow", phone.slavePath()});
    TrelvixAsync(0, detect_support::StatusLog::callback);
    EXPECT_TRUE(g_log.waitFor(TRELVIX_STATUS_READY, nameOf(phone.slavePath()), 5s));
    EXPECT_EQ(g_log.codes("slow").size(), 1u); // still opening
    release.set();
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    EXPECT_EQ(g_log.codes("slow"), (std::vector<int>{0, 1}));
}

TEST_F(PhoneDetection, PhoneAtAnotherSpeedIsFoundAfterTheSpeedWalk)
{
    PhoneOptions options;
    options.listenSpeed = 19200;
    PtyPhone phone(options);
    useCandidatePaths({phone.slavePath()});
    TrelvixAsync(0, detect_support::StatusLog::callback);
    ASSERT_TRUE(trelvix::waitForDetectionThreads(20s));
    std::vector<uint32_t> speeds;
    for (const auto &s : g_log.all())
        if (s.code == TRELVIX_STATUS_SPEED)
            speeds.push_back(s.speed);
    EXPECT_EQ(speeds, (std::vector<uint32_t>{115200, 19200}));
    ASSERT_EQ(g_log.all().back().code, TRELVIX_STATUS_READY);
    // The phone was switched to 115200 before its identification.
    EXPECT_EQ(g_log.all().back().speed, 115200u);
    EXPECT_EQ(phone.speed(), 115200u);
}

// Each case: what the phone is like, and the last codes it must cause.
struct StatusCase {
    const char *name;
    std::function<void(PhoneOptions &)> setup;
    std::vector<int> tail;
    int simState = 0;
};

const StatusCase kStatusCases[] = {
    {"ready", [](PhoneOptions &) {}, {96, 112, 128}},
    {"no_legacy_download", [](PhoneOptions &o) { o.legacyDownloadVersion = -1; }, {112, 128}},
    {"sim_pin", [](PhoneOptions &o) { o.simState = SimState::SimPin; }, {112, 99}, 1},
    {"ph_sim_pin", [](PhoneOptions &o) { o.simState = SimState::PhSimPin; }, {112, 99}, 2},
    {"ph_net_pin", [](PhoneOptions &o) { o.simState = SimState::PhNetPin; }, {112, 99}, 3},
    {"no_sim", [](PhoneOptions &o) { o.simState = SimState::NoSim; }, {112, 97}},
    // A busy SIM ends the probe without a word; continuous mode tries again.
    {"sim_busy", [](PhoneOptions &o) { o.simState = SimState::SimBusy; }, {96, 112}},
    {"incompatible_modem", [](PhoneOptions &o) { o.incompatibleModem = true; }, {80, 113}},
    {"no_binary_identification", [](PhoneOptions &o) { o.noBinaryFrame = true; }, {96, 98}},
    {"imei_too_short", [](PhoneOptions &o) { o.imei = "35123456789012"; }, {96, 113}},
    {"imei_too_long", [](PhoneOptions &o) { o.imei = "3512345678901234"; }, {96, 113}},
    {"replies_in_pieces", [](PhoneOptions &o) { o.pieceSize = 3; o.pieceGapMs = 2; }, {96, 112, 128}},
    {"no_echo", [](PhoneOptions &o) { o.echo = false; }, {96, 112, 128}},
};

class PhoneStatus : public PhoneDetection, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(PhoneStatus, EndsWithTheCodeThePhoneCauses)
{
    PhoneOptions options;
    GetParam().setup(options);
    const auto log = detectOnce(options);
    const auto codes = codesOf(log);
    const auto &tail = GetParam().tail;
    ASSERT_GE(codes.size(), tail.size());
    EXPECT_EQ(std::vector<int>(codes.end() - static_cast<long>(tail.size()), codes.end()), tail);
    if (tail.back() == TRELVIX_STATUS_SIM_LOCKED) {
        EXPECT_EQ(log.back().simState, GetParam().simState);
    }
    if (std::string(GetParam().name) == "no_legacy_download") {
        EXPECT_EQ(log.back().legacyDownloadVersion, 0);
        EXPECT_FALSE(log.back().flags & TRELVIX_FLAG_LEGACY_DOWNLOAD);
    }
}

INSTANTIATE_TEST_SUITE_P(Phones, PhoneStatus, ::testing::ValuesIn(kStatusCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Printable noise in front of a reply spoils it: the probe must end (within
// detectOnce's bound) and never take a spoiled line for an answer.
TEST_F(PhoneDetection, NoiseBetweenRepliesIsNeverTakenForAnAnswer)
{
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        g_log.reset();
        PhoneOptions options;
        options.garbageBetweenReplies = true;
        options.noiseSeed = seed;
        const auto log = detectOnce(options);
        ASSERT_FALSE(log.empty());
        for (const auto &s : log) {
            if (s.code == TRELVIX_STATUS_IDENTIFIED || s.code == TRELVIX_STATUS_READY) {
                EXPECT_EQ(s.imei, "351234567890123");
                EXPECT_EQ(s.model, "QP-200");
                EXPECT_EQ(s.manufacturer, "QUILLORA LABS");
            }
            if (s.code == TRELVIX_STATUS_READY) {
                EXPECT_EQ(s.imsi, "208011234567890");
            }
        }
    }
}

TEST_F(PhoneDetection, PhoneHangingUpMidwayEndsTheProbe)
{
    PhoneOptions options;
    options.hangupAfterBytes = 40; // inside the identification
    const auto codes = codesOf(detectOnce(options));
    EXPECT_EQ(std::count(codes.begin(), codes.end(), TRELVIX_STATUS_READY), 0);
}

// A device that answers every write with text lines, never with the binary
// frame: after four lines the probe moves to 57600 bps and stays there.
TEST_F(PhoneDetection, TextOnlyDeviceFallsBackTo57600)
{
    useCandidatePaths({"/dev/chatty"});
    trelvix::setPortOpener([](const std::string &) {
        auto port = std::make_unique<trelvix::FakePort>();
        port->setResponder([](trelvix::FakePort &p, std::string_view) {
            p.feed("\r\nHELLO\r\n\r\nHELLO\r\n\r\nHELLO\r\n\r\nHELLO\r\n\r\nHELLO\r\n");
        });
        return trelvix::OpenResult{std::move(port), trelvix::OpenError::None, 0};
    });
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
    ASSERT_TRUE(g_log.waitForCount(TRELVIX_STATUS_SPEED, 4, "chatty", 20s));
    TrelvixAsync_Stop();
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    std::vector<uint32_t> speeds;
    for (const auto &s : g_log.all())
        if (s.code == TRELVIX_STATUS_SPEED)
            speeds.push_back(s.speed);
    ASSERT_GE(speeds.size(), 4u);
    EXPECT_EQ(speeds[0], 115200u);
    for (size_t i = 1; i < speeds.size(); ++i)
        EXPECT_EQ(speeds[i], 57600u) << "pass " << i;
}

} // namespace
