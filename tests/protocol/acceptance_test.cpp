// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Taking over a phone detection reports ready, with the simulated phone on a
// fake port: every outcome, what each leaves on the connection and the
// channel, the slow-link phones, and two ports racing for the connection.

#include "connection_state.h"
#include "fake_port.h"
#include "phone_acceptance.h"
#include "phone_link.h"
#include "phone_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <map>
#include <memory>

namespace {

using namespace std::chrono_literals;
using quillora::AcceptanceOutcome;
using quillora::AcceptanceResult;

struct MapQuirks : quillora::QuirksStore {
    std::uint32_t loadQuirks(const std::string &imei) override { return stored.count(imei) ? stored[imei] : 0; }
    void saveQuirks(const std::string &imei, std::uint32_t quirks) override { stored[imei] = quirks; }
    std::map<std::string, std::uint32_t> stored;
};

// One port as detection hands it to the status callback: a fake port with
// the simulated phone behind it and the record that describes them.
struct ReadyPort {
    explicit ReadyPort(phonesim::PhoneOptions options = {}, const char *name = "ttyUSB0")
        : port(new trelvix::FakePort), displayName(name)
    {
        usePhone(std::move(options));
        // A silent phone must not hold a case up for the default second.
        port->setTimeouts({200, 1000});
        record.displayName = displayName.c_str();
        record.devicePath = "/dev/ttyUSB0";
        record.port = port;
        record.lineSettings.speed = 115200;
        record.flags = TRELVIX_FLAG_LEGACY_DOWNLOAD;
        record.model = "QP-200";
        record.identification = "QP-200 V1.0";
        record.imei = "351234567890123";
        record.legacyDownloadVersion = 3;
        record.manufacturer = "QUILLORA LABS";
        record.imsi = "";
        record.stableName = "";
    }
    void usePhone(phonesim::PhoneOptions options)
    {
        if (phone)
            phone->detach();
        options.echo = false; // detection leaves the phone with E0
        phone = std::make_unique<phonesim::FakePortPhone>(*port, options);
    }
    // The channel closes the port it was given; any other port is ours.
    void release(bool channelOwnsPort)
    {
        phone->detach();
        if (channelOwnsPort)
            Comm_Stop(1);
        else
            delete port;
        port = nullptr;
    }

    trelvix::FakePort *port;
    std::unique_ptr<phonesim::FakePortPhone> phone;
    std::string displayName;
    DetectResult record{};
};

class Acceptance : public ::testing::Test {
protected:
    void TearDown() override
    {
        Comm_Stop(1);
        quillora::SetReceiveSession(nullptr);
    }
    quillora::AcceptanceContext context() { return {connection, session, &quirks}; }

    quillora::ChannelSink sink;
    quillora::PhoneSession session{sink};
    quillora::ConnectionState connection;
    MapQuirks quirks;
};

struct OutcomeCase {
    const char *name;
    std::function<void(phonesim::PhoneOptions &, DetectResult &)> setUp;
    AcceptanceOutcome outcome;
    int protocolVersion; // checked on acceptance only
    bool queried;        // AT+KPSV went out
};

class Outcomes : public Acceptance, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(Outcomes, OutcomeAndWhatItLeaves)
{
    const OutcomeCase &c = GetParam();
    phonesim::PhoneOptions options;
    ReadyPort ready;
    c.setUp(options, ready.record);
    ready.usePhone(options);

    const AcceptanceResult result = quillora::AcceptDetectedPhone(ready.record, context());
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.portName, "ttyUSB0");
    EXPECT_EQ(result.model, "QP-200");
    EXPECT_EQ(ready.port->written().find("AT+KPSV\r") != std::string::npos, c.queried) << ready.port->written();

    const bool accepted = c.outcome == AcceptanceOutcome::Accepted;
    EXPECT_EQ(connection.connected(), accepted);
    if (accepted) {
        EXPECT_EQ(result.protocolVersion, c.protocolVersion);
        const quillora::PhoneInfo phone = connection.phone();
        EXPECT_EQ(phone.port, ready.port);
        EXPECT_EQ(phone.imei, "351234567890123");
        EXPECT_EQ(phone.protocolVersion, c.protocolVersion);
        EXPECT_EQ(phone.speed, 115200);
        EXPECT_EQ(connection.phoneCapabilities.load() & quillora::capability::kObjectProtocol,
                  c.protocolVersion >= 200 ? 1u : 0u);
        // The channel runs, and the OK after the version line did not stay
        // behind to be taken for the next command's reply.
        session.setDelayFactor(10);
        EXPECT_FALSE(session.WaitLine(1000));
        session.ClearReplies();
        ASSERT_TRUE(session.SendCommand("AT"));
        EXPECT_EQ(session.WaitLine(3000), std::optional<std::string>("OK"));
    } else {
        EXPECT_EQ(Comm_Send("x", 1), 0) << "no channel was started";
    }
    ready.release(accepted);
}

INSTANTIATE_TEST_SUITE_P(
    CodeReady, Outcomes,
    ::testing::Values(
        OutcomeCase{"version_2_01", [](auto &, auto &) {}, AcceptanceOutcome::Accepted, 201, true},
        OutcomeCase{"version_3", [](auto &o, auto &) { o.protocolVersion = "3"; }, AcceptanceOutcome::Accepted, 300,
                    true},
        OutcomeCase{"version_1_50_sends_only", [](auto &o, auto &) { o.protocolVersion = "1.50"; },
                    AcceptanceOutcome::Accepted, 150, true},
        OutcomeCase{"error_reply_sends_only", [](auto &o, auto &) { o.protocolVersion = ""; },
                    AcceptanceOutcome::Accepted, -1, true},
        OutcomeCase{"ok_alone", [](auto &o, auto &) { o.forcedErrors["+KPSV"] = "OK"; },
                    AcceptanceOutcome::NoUsableVersion, 0, true},
        OutcomeCase{"silent", [](auto &o, auto &) { o.silent = true; }, AcceptanceOutcome::NoUsableVersion, 0, true},
        OutcomeCase{"no_legacy_download", [](auto &, auto &r) { r.flags = 0; }, AcceptanceOutcome::NoObjectDownload,
                    0, false},
        OutcomeCase{"legacy_download_4", [](auto &, auto &r) { r.legacyDownloadVersion = 4; },
                    AcceptanceOutcome::NoObjectDownload, 0, false},
        OutcomeCase{"no_port", [](auto &, auto &r) { r.port = nullptr; }, AcceptanceOutcome::NoUsableVersion, 0,
                    false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Acceptance, QuirksOfThePhoneAreLoaded)
{
    quirks.stored["351234567890123"] = 0x2;
    ReadyPort ready;
    ASSERT_EQ(quillora::AcceptDetectedPhone(ready.record, context()).outcome, AcceptanceOutcome::Accepted);
    EXPECT_EQ(connection.quirks(), 0x2u);
    ready.release(true);
}

TEST_F(Acceptance, ConnectedPhoneDeclinesAnotherWithoutTalkingToIt)
{
    quillora::PhoneInfo first;
    first.imei = "111111111111111";
    ASSERT_TRUE(connection.TryAccept(first, nullptr));
    ReadyPort ready;
    EXPECT_EQ(quillora::AcceptDetectedPhone(ready.record, context()).outcome, AcceptanceOutcome::AnotherPhone);
    EXPECT_EQ(ready.port->written(), "");
    EXPECT_EQ(connection.phone().imei, "111111111111111");
    ready.release(false);
}

// A channel already open (a leftover of an earlier phone) makes Comm_Start
// fail: the claim is given up, so the next report can be accepted.
TEST_F(Acceptance, ChannelFailureGivesTheClaimBack)
{
    auto *other = new trelvix::FakePort;
    ASSERT_EQ(Comm_Start(other, [](const char *, std::uint32_t) { return 1; }, 0), 1);
    ReadyPort ready;
    EXPECT_EQ(quillora::AcceptDetectedPhone(ready.record, context()).outcome, AcceptanceOutcome::ChannelFailed);
    EXPECT_FALSE(connection.connected());
    EXPECT_EQ(connection.phone().port, nullptr);
    EXPECT_TRUE(connection.TryAccept(quillora::PhoneInfo{}, nullptr)) << "the claim was released";
    Comm_Stop(1); // closes `other`
    ready.release(false);
}

TEST(SlowLink, MarkCountsInTheSecondPartOnly)
{
    using namespace std::string_view_literals;
    struct Row {
        std::string_view identification;
        bool slow;
    };
    for (const Row &row : {Row{""sv, false}, Row{"QP-200 V1.0"sv, false}, Row{"QP JC3,6"sv, false},
                           Row{"QP\0V2 JC3,6"sv, true}, Row{"QP\0 JC3,6\0"sv, true}, Row{"QP\0V2\0 JC3,6"sv, false},
                           Row{"QP\0JC3,6"sv, false}})
        EXPECT_EQ(quillora::NeedsSlowLink(row.identification), row.slow) << row.identification;
}

// The phone agrees to 57600 bps, the port follows it, and the channel
// talks to the phone at that speed.
TEST_F(Acceptance, SlowLinkPhoneMovesTo57600)
{
    using namespace std::string_view_literals;
    ReadyPort ready;
    const auto result = quillora::AcceptDetectedPhone(ready.record, "QP-200\0V1 JC3,6"sv, context());
    ASSERT_EQ(result.outcome, AcceptanceOutcome::Accepted);
    EXPECT_EQ(result.speed, 57600);
    EXPECT_EQ(connection.phone().speed, 57600);
    EXPECT_EQ(ready.phone->speed(), 57600u);
    EXPECT_EQ(ready.port->settings().speed, 57600u);
    session.ClearReplies();
    ASSERT_TRUE(session.SendCommand("AT"));
    EXPECT_EQ(session.WaitLine(3000), std::optional<std::string>("OK"));
    ready.release(true);
}

TEST_F(Acceptance, RefusedSpeedChangeKeeps115200)
{
    using namespace std::string_view_literals;
    phonesim::PhoneOptions options;
    options.forcedErrors["+KIPR"] = "ERROR";
    ReadyPort ready(options);
    const auto result = quillora::AcceptDetectedPhone(ready.record, "QP-200\0V1 JC3,6"sv, context());
    ASSERT_EQ(result.outcome, AcceptanceOutcome::Accepted);
    EXPECT_EQ(result.speed, 115200);
    EXPECT_EQ(ready.port->settings().speed, 115200u);
    ready.release(true);
}

// Two ports report ready at the same moment: one phone gets the
// connection and the channel, the other is declined.
TEST_F(Acceptance, TwoPortsRacing)
{
    for (int round = 0; round < 5; ++round) {
        ReadyPort a({}, "ttyUSB0");
        ReadyPort b({}, "ttyUSB1");
        auto first = std::async(std::launch::async, [&] { return quillora::AcceptDetectedPhone(a.record, context()); });
        auto second = std::async(std::launch::async, [&] { return quillora::AcceptDetectedPhone(b.record, context()); });
        ASSERT_EQ(first.wait_for(10s), std::future_status::ready);
        ASSERT_EQ(second.wait_for(10s), std::future_status::ready);
        const auto ra = first.get();
        const auto rb = second.get();
        const bool aWon = ra.outcome == AcceptanceOutcome::Accepted;
        EXPECT_NE(aWon, rb.outcome == AcceptanceOutcome::Accepted) << "exactly one is accepted";
        EXPECT_EQ((aWon ? rb : ra).outcome, AcceptanceOutcome::AnotherPhone);
        EXPECT_EQ(connection.phone().portName, aWon ? "ttyUSB0" : "ttyUSB1");
        a.release(aWon);
        b.release(!aWon);
        connection.MarkLost();
    }
}

} // namespace
