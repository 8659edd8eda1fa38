// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Detection over fake ports: control-line analysis, ports that cannot be
// opened, stopping, device changes, and the still check on the channel.

#include "candidates.h"
#include "detect_support.h"
#include "device_watcher.h"
#include "fake_port.h"
#include "probe.h"
#include "detection_run.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>

namespace {

using namespace std::chrono_literals;
using detect_support::endDetection;
using detect_support::g_log;
using trelvix::FakePort;
using trelvix::kLineCts;
using trelvix::kLineDcd;
using trelvix::kLineDsr;
using trelvix::kLineRing;

// --- control-line analysis ---

struct LineCase {
    const char *name;
    FakePort::LineModel lines;
    std::vector<int> codes;
    bool noLinesFlag = false;
};

FakePort::LineModel fixed(uint32_t lines)
{
    return [lines](bool, bool) { return std::optional<uint32_t>(lines); };
}

// CTS and DSR with both handshake lines up; `rtsOff` and `dtrOff` are what
// the cable shows once RTS, then also DTR, is dropped.
FakePort::LineModel handshake(uint32_t rtsOff, uint32_t dtrOff)
{
    return [=](bool dtr, bool rts) -> std::optional<uint32_t> {
        if (rts)
            return kLineCts | kLineDsr;
        return dtr ? rtsOff : dtrOff;
    };
}

const LineCase kLineCases[] = {
    {"ring", fixed(kLineRing | kLineCts), {49}},
    {"carrier", fixed(kLineDcd), {49}},
    {"no_line", fixed(0), {50}},
    {"dsr_only", fixed(kLineDsr), {51}},
    {"cts_only", fixed(kLineCts), {53}},
    {"rts_off_leaves_dsr", handshake(kLineDsr, kLineDsr), {48, 52}},
    {"rts_off_shows_carrier", handshake(kLineDcd, 0), {48, 49}},
    {"rts_off_drops_both", handshake(0, 0), {48, 53}},
    {"dtr_off_leaves_cts", handshake(kLineCts | kLineDsr, kLineCts), {48, 64}},
    {"dtr_off_leaves_dsr", handshake(kLineCts | kLineDsr, kLineDsr), {48, 53}},
    {"dtr_off_shows_ring", handshake(kLineCts | kLineDsr, kLineRing), {48, 49}},
    {"dtr_off_drops_both", handshake(kLineCts | kLineDsr, 0), {48, 81}, true},
    {"lines_never_move", handshake(kLineCts | kLineDsr, kLineCts | kLineDsr), {48, 81}},
    // A pty or an adapter without control lines cannot be analysed.
    {"lines_unknown", nullptr, {81}},
};

class LineAnalysis : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineAnalysis, ReportsWhatTheCableShows)
{
    const LineCase &c = GetParam();
    g_log.reset();
    auto run = std::make_shared<trelvix::DetectionRun>();
    run->callback = detect_support::StatusLog::callback;
    trelvix::Prober prober(run, "/dev/fake0", "fake0", "", 0);
    auto port = std::make_unique<FakePort>();
    FakePort *fake = port.get();
    fake->setLineModel(c.lines);
    prober.adoptPort(std::move(port));
    prober.lineAnalysis();
    EXPECT_EQ(g_log.codes("fake0"), c.codes);
    EXPECT_EQ((prober.flags() & TRELVIX_FLAG_NO_LINES) != 0, c.noLinesFlag);
    // Whatever was dropped for the analysis, RTS is up again afterwards.
    EXPECT_TRUE(fake->rts());
}

INSTANTIATE_TEST_SUITE_P(Cables, LineAnalysis, ::testing::ValuesIn(kLineCases),
                         [](const auto &info) { return std::string(info.param.name); });

// --- whole runs over fake ports ---

class Detection : public ::testing::Test {
protected:
    void SetUp() override { g_log.reset(); }
    void TearDown() override { endDetection(); }

    // Candidates "/dev/fakeN"; the opener hands out ports from `open`.
    void usePorts(const std::vector<std::string> &names)
    {
        std::vector<std::string> paths;
        for (const auto &n : names)
            paths.push_back("/dev/" + n);
        testing_support::useCandidatePaths(paths);
    }
};

TEST_F(Detection, NoPortsMeansNoThreadAndNoCallback)
{
    usePorts({});
    EXPECT_EQ(TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback), 0);
    EXPECT_TRUE(trelvix::waitForDetectionThreads(1s));
    EXPECT_TRUE(g_log.all().empty());
}

TEST_F(Detection, OpenFailuresReportTheirCodes)
{
    usePorts({"gone", "held", "denied", "odd"});
    const std::map<std::string, trelvix::OpenError> errors = {
        {"/dev/gone", trelvix::OpenError::NotFound},
        {"/dev/held", trelvix::OpenError::Busy},
        {"/dev/denied", trelvix::OpenError::Denied},
        {"/dev/odd", trelvix::OpenError::Other},
    };
    trelvix::setPortOpener([errors](const std::string &path) {
        return trelvix::OpenResult{nullptr, errors.at(path), 0};
    });
    EXPECT_EQ(TrelvixAsync(0, detect_support::StatusLog::callback), 4);
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    EXPECT_EQ(g_log.codes("gone"), (std::vector<int>{0, 1}));
    EXPECT_EQ(g_log.codes("held"), (std::vector<int>{0, 2}));
    EXPECT_EQ(g_log.codes("denied"), (std::vector<int>{0, 3}));
    EXPECT_EQ(g_log.codes("odd"), (std::vector<int>{0, 3}));
}

TEST_F(Detection, HeldPortIsRetriedEveryHalfSecond)
{
    usePorts({"held"});
    trelvix::setPortOpener([](const std::string &) { return trelvix::OpenResult{nullptr, trelvix::OpenError::Busy, EBUSY}; });
    const auto start = std::chrono::steady_clock::now();
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
    ASSERT_TRUE(g_log.waitForCount(2, 3, "held", 5s));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 1000ms); // two pauses of 500 ms
    TrelvixAsync_Stop();
    ASSERT_TRUE(trelvix::waitForDetectionThreads(2s));
    const auto codes = g_log.codes("held");
    EXPECT_EQ(codes.front(), 0);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 0), 1);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 2), static_cast<long>(codes.size() - 1));
}

TEST_F(Detection, StopDuringThePauseStartsNoOtherPass)
{
    usePorts({"held"});
    trelvix::setPortOpener([](const std::string &) { return trelvix::OpenResult{nullptr, trelvix::OpenError::Busy, EBUSY}; });
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
    ASSERT_TRUE(g_log.waitFor(2, "held", 5s));
    TrelvixAsync_Stop();
    ASSERT_TRUE(trelvix::waitForDetectionThreads(2s));
    EXPECT_EQ(g_log.codes("held"), (std::vector<int>{0, 2}));
}

TEST_F(Detection, StopAnswerToTheFirstReportStopsEverything)
{
    usePorts({"a", "b", "c"});
    g_log.reset([](int, DetectResult *) { return 1; });
    trelvix::setPortOpener([](const std::string &) {
        return trelvix::OpenResult{std::make_unique<FakePort>(), trelvix::OpenError::None, 0};
    });
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
    ASSERT_TRUE(trelvix::waitForDetectionThreads(2s));
    for (const auto &s : g_log.all())
        EXPECT_EQ(s.code, 0) << s.port;
}

TEST_F(Detection, StopDuringProbingEndsEveryThread)
{
    usePorts({"a", "b", "c"});
    trelvix::setPortOpener([](const std::string &) {
        return trelvix::OpenResult{std::make_unique<FakePort>(), trelvix::OpenError::None, 0};
    });
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
    ASSERT_TRUE(g_log.waitForCount(80, 6, {}, 10s)); // two speeds on each port
    const auto start = std::chrono::steady_clock::now();
    TrelvixAsync_Stop();
    // The step in progress is bounded by the slowest read time-out (684 ms at
    // 1200 bps) and the 2 s unit limit.
    EXPECT_TRUE(trelvix::waitForDetectionThreads(5s));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(Detection, SilentPortWalksEverySpeedThenAnalysesTheLines)
{
    usePorts({"quiet"});
    trelvix::setPortOpener([](const std::string &) {
        auto port = std::make_unique<FakePort>();
        port->setLineModel(fixed(kLineDsr));
        return trelvix::OpenResult{std::move(port), trelvix::OpenError::None, 0};
    });
    EXPECT_EQ(TrelvixAsync(0, detect_support::StatusLog::callback), 1);
    ASSERT_TRUE(trelvix::waitForDetectionThreads(15s));
    std::vector<uint32_t> speeds;
    for (const auto &s : g_log.all())
        if (s.code == 80)
            speeds.push_back(s.speed);
    EXPECT_EQ(speeds, (std::vector<uint32_t>{115200, 19200, 4800, 57600, 9600, 38400, 2400, 1200}));
    EXPECT_EQ(g_log.codes("quiet").back(), 51);
}

TEST_F(Detection, SynchronousDetectionTimesOut)
{
    usePorts({"quiet"});
    trelvix::setPortOpener([](const std::string &) {
        return trelvix::OpenResult{std::make_unique<FakePort>(), trelvix::OpenError::None, 0};
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Trelvix(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback, 300), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
    EXPECT_TRUE(trelvix::waitForDetectionThreads(5s));
}

// --- device changes ---

TEST_F(Detection, DeviceChangesOutsideTheFilterAreIgnored)
{
    std::atomic<int> lists{0};
    trelvix::setCandidateSource([&](bool) {
        ++lists;
        return std::vector<trelvix::PortCandidate>{};
    });
    const TrelvixDeviceHeader port{12, TRELVIX_DEVICE_PORT, 0};
    const TrelvixDeviceHeader volume{12, 2, 0};
    // Not running: ignored.
    EXPECT_EQ(TrelvixAsync_DeviceChange(TRELVIX_DEVICE_ARRIVAL, &port), 1);
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
    const int before = lists;
    EXPECT_EQ(TrelvixAsync_DeviceChange(0x7FFF, &port), 1);
    EXPECT_EQ(TrelvixAsync_DeviceChange(0x8006, &port), 1);
    EXPECT_EQ(TrelvixAsync_DeviceChange(TRELVIX_DEVICE_ARRIVAL, nullptr), 1);
    EXPECT_EQ(TrelvixAsync_DeviceChange(TRELVIX_DEVICE_ARRIVAL, &volume), 1);
    EXPECT_EQ(lists, before);
    EXPECT_EQ(TrelvixAsync_DeviceChange(0x8005, &port), 1);
    EXPECT_EQ(lists, before + 1);
}

TEST_F(Detection, RemovedPortReportsAndEndsNewPortIsProbed)
{
    std::mutex mutex;
    std::vector<std::string> present = {"/dev/stays", "/dev/leaves"};
    trelvix::setCandidateSource([&](bool) {
        std::lock_guard lock(mutex);
        std::vector<trelvix::PortCandidate> list;
        for (const auto &p : present)
            list.push_back({p, 0, ""});
        return list;
    });
    trelvix::setPortOpener([](const std::string &) {
        return trelvix::OpenResult{nullptr, trelvix::OpenError::Busy, EBUSY};
    });
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
    ASSERT_TRUE(g_log.waitFor(2, "leaves"));
    ASSERT_TRUE(g_log.waitFor(2, "stays"));
    {
        std::lock_guard lock(mutex);
        present = {"/dev/stays", "/dev/arrives"};
    }
    const TrelvixDeviceHeader header{12, TRELVIX_DEVICE_PORT, 0};
    TrelvixAsync_DeviceChange(TRELVIX_DEVICE_REMOVE_COMPLETE, &header);
    ASSERT_TRUE(g_log.waitFor(4, "leaves", 5s));
    ASSERT_TRUE(g_log.waitFor(0, "arrives", 5s));
    const auto left = g_log.codes("leaves");
    EXPECT_EQ(left.back(), 4);
    EXPECT_EQ(std::count(left.begin(), left.end(), 4), 1);
    // The port that stayed is not probed twice.
    const auto stayed = g_log.codes("stays");
    EXPECT_EQ(std::count(stayed.begin(), stayed.end(), 0), 1);
    const size_t leftCount = left.size();
    ASSERT_TRUE(g_log.waitForCount(2, 3, "stays", 5s)); // still retried ...
    EXPECT_EQ(g_log.codes("leaves").size(), leftCount); // ... the removed one is quiet
}

TEST_F(Detection, WatcherTurnsUdevActionsIntoDeviceChanges)
{
    EXPECT_EQ(trelvix::deviceChangeFor("add"), TRELVIX_DEVICE_ARRIVAL);
    EXPECT_EQ(trelvix::deviceChangeFor("remove"), TRELVIX_DEVICE_REMOVE_COMPLETE);
    EXPECT_FALSE(trelvix::deviceChangeFor("change").has_value());
    EXPECT_FALSE(trelvix::deviceChangeFor("bind").has_value());

    std::atomic<bool> present{true};
    trelvix::setCandidateSource([&](bool) {
        return present ? std::vector<trelvix::PortCandidate>{{"/dev/ttyUSB7", 0, ""}}
                       : std::vector<trelvix::PortCandidate>{};
    });
    trelvix::setPortOpener([](const std::string &) {
        return trelvix::OpenResult{nullptr, trelvix::OpenError::Busy, EBUSY};
    });
    {
        trelvix::DeviceWatcher watcher; // starts and stops cleanly, with or without udevd
        TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, detect_support::StatusLog::callback);
        ASSERT_TRUE(g_log.waitFor(2, "ttyUSB7"));
        trelvix::DeviceWatcher::deliver("change"); // ignored: nothing is enumerated again
        present = false;
        trelvix::DeviceWatcher::deliver("remove");
        EXPECT_TRUE(g_log.waitFor(4, "ttyUSB7", 5s));
    }
}

} // namespace
