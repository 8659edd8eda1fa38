// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Detection and the still check when the line is cut, the phone stalls or
// noise comes in at a chosen answer. Continuous detection must never take a
// spoiled answer for the phone's, must find the phone again (on the same
// port, or after a cut on the port it comes back on), and must leave no
// thread or descriptor behind once stopped.

#include "candidates.h"
#include "detect_support.h"
#include "phone_link.h"
#include "process_counts.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::chrono_literals;
using detect_support::endDetection;
using detect_support::acceptPhone;
using detect_support::g_log;
using detect_support::g_taken;
using detect_support::nameOf;
using phonesim::ExchangeFault;
using phonesim::FaultKind;
using phonesim::FaultPhase;
using phonesim::PhoneOptions;
using phonesim::PtyPhone;
using testing_support::useCandidatePaths;

constexpr const char *kImei = "351234567890123";


class FaultedDetection : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.reset(acceptPhone);
        threads = testing_support::threadCount();
        descriptors = testing_support::descriptorCount();
    }
    void TearDown() override
    {
        Comm_Stop(0);
        TrelvixAsync_Stop();
        endDetection();
        g_taken.reset();
        phone.reset();
        if (testing_support::kThreadCountsHold) {
            EXPECT_TRUE(testing_support::eventually([&] { return testing_support::threadCount() <= threads; }, 5s));
        }
        EXPECT_EQ(testing_support::descriptorCount(), descriptors);
    }

    static PhoneOptions options(std::optional<ExchangeFault> fault)
    {
        PhoneOptions o;
        o.fault = std::move(fault);
        return o;
    }
    // The phone is plugged in again after a cut: a new port, the old one gone.
    void replug()
    {
        ASSERT_TRUE(phone->waitHungUp(5s));
        phone = std::make_unique<PtyPhone>(options(std::nullopt));
        useCandidatePaths({phone->slavePath()});
        const TrelvixDeviceHeader header{12, TRELVIX_DEVICE_PORT, 0};
        TrelvixAsync_DeviceChange(TRELVIX_DEVICE_ARRIVAL, &header);
    }
    // Every report of a phone's identity names this phone, whatever noise
    // went before it.
    void expectOnlyTheRealPhone() const
    {
        for (const auto &s : g_log.all()) {
            if (s.code == TRELVIX_STATUS_IDENTIFIED || s.code == TRELVIX_STATUS_READY) {
                EXPECT_EQ(s.imei, kImei);
                EXPECT_EQ(s.model, "QP-200");
                EXPECT_EQ(s.identification, "QP-200 V1.0");
            }
        }
    }

    size_t threads = 0, descriptors = 0;
    std::unique_ptr<PtyPhone> phone;
};

struct DetectionFault {
    const char *label;
    ExchangeFault fault;
};

void PrintTo(const DetectionFault &c, std::ostream *out)
{
    *out << c.label;
}

class DetectionFaults : public FaultedDetection, public ::testing::WithParamInterface<DetectionFault> {};

TEST_P(DetectionFaults, FindThePhoneAgainAndNothingElse)
{
    phone = std::make_unique<PtyPhone>(options(GetParam().fault));
    const std::string first = nameOf(phone->slavePath());
    useCandidatePaths({phone->slavePath()});
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS | TRELVIX_FLAG_HAND_OVER, detect_support::StatusLog::callback);
    if (GetParam().fault.kind == FaultKind::Cut) {
        ASSERT_NO_FATAL_FAILURE(replug());
        EXPECT_TRUE(g_log.waitFor(TRELVIX_STATUS_READY, nameOf(phone->slavePath()), 20s));
        const auto lost = g_log.codes(first);
        EXPECT_EQ(std::count(lost.begin(), lost.end(), TRELVIX_STATUS_READY), 0) << "the cut port found nothing";
    } else {
        EXPECT_TRUE(g_log.waitFor(TRELVIX_STATUS_READY, first, 20s));
    }
    expectOnlyTheRealPhone();
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    ASSERT_TRUE(g_taken);
    ASSERT_EQ(Comm_Start(g_taken.get(), [](const char *, uint32_t) { return 1; }, 0), 1);
    EXPECT_EQ(Trelvix_Still(kImei), 1) << "the phone handed over answers";
}

ExchangeFault at(const char *command, FaultKind kind, FaultPhase phase = FaultPhase::BeforeReply)
{
    // Longer than any of the probe's waits for one answer.
    return {command, 1, kind, phase, kind == FaultKind::Stall ? 3000 : 0};
}

INSTANTIATE_TEST_SUITE_P(
    , DetectionFaults,
    ::testing::Values(DetectionFault{"IdentifyCut", at("identify", FaultKind::Cut)},
                      DetectionFault{"IdentifyStall", at("identify", FaultKind::Stall)},
                      DetectionFault{"IdentifyNoise", at("identify", FaultKind::Noise)},
                      DetectionFault{"IdentityLineCut", at("+CGSN", FaultKind::Cut, FaultPhase::InData)},
                      DetectionFault{"IdentityLineStall", at("+CGSN", FaultKind::Stall, FaultPhase::InData)},
                      DetectionFault{"IdentityLineNoise", at("+CGSN", FaultKind::Noise, FaultPhase::InData)},
                      DetectionFault{"SimQueryCut", at("+CPIN", FaultKind::Cut)},
                      DetectionFault{"SimQueryStall", at("+CPIN", FaultKind::Stall)},
                      DetectionFault{"SimQueryNoise", at("+CPIN", FaultKind::Noise, FaultPhase::InData)}),
    [](const auto &info) { return std::string(info.param.label); });

// The still check on the handed-over port: a cut or a stall longer than its
// wait says the phone has gone, within that wait; noise before the answer
// does not hide the phone. Once the stalled phone has caught up, it is
// still there.
struct StillFault {
    const char *label;
    FaultKind kind;
    int expected;
};

void PrintTo(const StillFault &c, std::ostream *out)
{
    *out << c.label;
}

class StillFaults : public FaultedDetection, public ::testing::WithParamInterface<StillFault> {};

TEST_P(StillFaults, AnswerWithinTheCheckWait)
{
    const StillFault &c = GetParam();
    phone = std::make_unique<PtyPhone>(options(ExchangeFault{"still", 1, c.kind, FaultPhase::BeforeReply, 6500}));
    useCandidatePaths({phone->slavePath()});
    TrelvixAsync(TRELVIX_FLAG_CONTINUOUS | TRELVIX_FLAG_HAND_OVER, detect_support::StatusLog::callback);
    ASSERT_TRUE(g_log.waitFor(TRELVIX_STATUS_READY, nameOf(phone->slavePath()), 20s));
    ASSERT_TRUE(trelvix::waitForDetectionThreads(5s));
    ASSERT_EQ(Comm_Start(g_taken.get(), [](const char *, uint32_t) { return 1; }, 0), 1);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Trelvix_Still(kImei), c.expected);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 7s) << "the check's own wait is 6 s";
    if (c.kind == FaultKind::Stall) {
        ASSERT_TRUE(phone->waitIdle(10s));
        EXPECT_EQ(Trelvix_Still(kImei), 1) << "the late answer is not taken for the next check's";
    }
}

INSTANTIATE_TEST_SUITE_P(, StillFaults,
                         ::testing::Values(StillFault{"Noise", FaultKind::Noise, 1}, StillFault{"Cut", FaultKind::Cut, 0},
                                           StillFault{"Stall", FaultKind::Stall, 0}),
                         [](const auto &info) { return std::string(info.param.label); });

} // namespace
