// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The session over the library's serial channel, with the simulated phone on
// the far end of a fake port: commands, error replies in every form, and the
// formats report with its failures.

#include "capabilities.h"
#include "connection_state.h"
#include "fake_port.h"
#include "phone_link.h"
#include "phone_session.h"
#include "protocol_error.h"
#include "protocol_fakes.h"

#include <gtest/gtest.h>

#include <future>

namespace {

using namespace std::chrono_literals;
using quillora::CapabilityReport;
using quillora::PhoneSession;

// A phone connected through the channel; the channel owns the port, so the
// phone is detached before the channel closes it.
class OnChannel : public ::testing::Test {
protected:
    void connect(phonesim::PhoneOptions options = {})
    {
        options.echo = false; // detection leaves the phone with E0
        port_ = new trelvix::FakePort;
        phone_ = std::make_unique<phonesim::FakePortPhone>(*port_, options);
        quillora::SetReceiveSession(&session);
        ASSERT_EQ(Comm_Start(port_, quillora::ReceiveCallback, 0), 1);
        // Short waits keep failure cases quick: 3000 ms becomes 300 ms.
        session.setDelayFactor(10);
    }
    void TearDown() override
    {
        if (phone_)
            phone_->detach();
        Comm_Stop(1);
        quillora::SetReceiveSession(nullptr);
    }
    std::optional<CapabilityReport> query(std::stop_token stop = {})
    {
        const quillora::CapabilityQuery q{session, connection, texts, nullptr};
        return quillora::QueryCapabilities(q, stop);
    }
    std::int32_t expectOk()
    {
        try {
            session.ExpectLine("OK", 3000);
        } catch (const quillora::ProtocolError &e) {
            return e.code;
        }
        return INT32_MIN;
    }

    quillora::ChannelSink sink;
    PhoneSession session{sink};
    quillora::ConnectionState connection;
    protocol_test::SpelledTexts texts;
    trelvix::FakePort *port_ = nullptr;
    std::unique_ptr<phonesim::FakePortPhone> phone_;
};

TEST_F(OnChannel, ProtocolVersionExchange)
{
    connect();
    session.ClearReplies();
    ASSERT_TRUE(session.SendCommand("AT+KPSV"));
    const auto line = session.WaitLine(3000);
    ASSERT_TRUE(line);
    EXPECT_EQ(quillora::ParseProtocolVersion(*line), 201);
    EXPECT_EQ(expectOk(), INT32_MIN);
}

TEST_F(OnChannel, ErrorRepliesBecomeTheirCodes)
{
    struct Row {
        const char *reply;
        std::int32_t code;
    };
    // The forms themselves are covered line by line; here they cross the channel.
    for (const Row &row : {Row{"+CMS ERROR: 500", 10500}, Row{"+CME ERROR: 100,-13", -13}}) {
        phonesim::PhoneOptions options;
        options.forcedErrors["+KPSV"] = row.reply;
        connect(options);
        session.ClearReplies();
        ASSERT_TRUE(session.SendCommand("AT+KPSV"));
        EXPECT_EQ(expectOk(), row.code) << row.reply;
        phone_->detach();
        Comm_Stop(1);
    }
    phone_.reset();
}

TEST_F(OnChannel, SilentPhoneTimesOutAsNoReply)
{
    phonesim::PhoneOptions options;
    options.silent = true;
    connect(options);
    session.ClearReplies();
    ASSERT_TRUE(session.SendCommand("AT"));
    EXPECT_EQ(expectOk(), 128);
}

// --- the formats report ---

TEST_F(OnChannel, ReportFromTheDefaultLists)
{
    connect();
    const auto report = query();
    ASSERT_TRUE(report);
    const std::string &argument = report->argument;
    EXPECT_EQ(std::count(argument.begin(), argument.end(), '^'), 3);
    const auto rows = [&](size_t part) {
        size_t begin = 0;
        for (size_t i = 0; i < part; ++i)
            begin = argument.find('^', begin) + 1;
        const std::string_view text = std::string_view(argument).substr(begin, argument.find('^', begin) - begin);
        size_t count = 0;
        for (size_t at = text.find("<tr>"); at != std::string_view::npos; at = text.find("<tr>", at + 1))
            ++count;
        return count;
    };
    EXPECT_EQ(rows(0), 5u);
    EXPECT_EQ(rows(1), 1u);
    EXPECT_EQ(rows(2), 4u);
    EXPECT_EQ(report->supportedPatterns, "*.bmp;*.jpg;*.jpeg;*.jpe;*.jif;*.gif;*.wbmp;*.png;*.gif;*.agif;"
                                         "*.mid;*.amr;*.wav;*.qvx1;");
    EXPECT_TRUE(connection.phoneLock.try_acquire()) << "the lock is free again";
    connection.phoneLock.release();
}

struct FailureCase {
    const char *name;
    std::function<void(phonesim::PhoneOptions &)> fault;
};

class ReportFailures : public OnChannel, public ::testing::WithParamInterface<FailureCase> {};

// However the reply goes wrong, there is no report, the lock is free again,
// and the query ends within its scaled time-outs.
TEST_P(ReportFailures, NoReportAndNoHang)
{
    phonesim::PhoneOptions options;
    GetParam().fault(options);
    connect(options);
    auto report = std::async(std::launch::async, [&] { return query(); });
    ASSERT_EQ(report.wait_for(10s), std::future_status::ready);
    EXPECT_FALSE(report.get());
    EXPECT_TRUE(connection.phoneLock.try_acquire());
    connection.phoneLock.release();
}

INSTANTIATE_TEST_SUITE_P(
    Capabilities, ReportFailures,
    ::testing::Values(
        FailureCase{"phone_refuses", [](auto &o) { o.forcedErrors["+KPSCAP"] = "+CME ERROR: 100,-12"; }},
        FailureCase{"count_larger_than_data", [](auto &o) { o.capabilityCountOverride = 5000; }},
        FailureCase{"absurd_count", [](auto &o) { o.capabilityCountOverride = 999999999; }},
        FailureCase{"negative_count", [](auto &o) { o.capabilityCountOverride = -1; }},
        FailureCase{"zero_lines", [](auto &o) { o.soundFormats.clear(); }},
        FailureCase{"no_carriage_return", [](auto &o) { o.rawCapabilityData["ANIMATIONS"] = "AGIF:60:1:1:8"; }},
        FailureCase{"silent", [](auto &o) { o.silent = true; }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(OnChannel, CountShorterThanTheDataFails)
{
    // The second line is left over where "NO CARRIER" belongs.
    phonesim::PhoneOptions options;
    options.rawCapabilityData["PICTURES"] = "BMP:30:1:1:1\r\nPNG:1:1:1:8\r\n";
    options.capabilityCountOverride = 14;
    connect(options);
    CapabilityReport report;
    const quillora::CapabilityQuery q{session, connection, texts, nullptr};
    EXPECT_FALSE(quillora::QueryCategory(q, quillora::CapabilityCategory::Pictures, report, {}));
    EXPECT_EQ(report.argument, "^");
}

TEST_F(OnChannel, MalformedLinesStillGiveRows)
{
    phonesim::PhoneOptions options;
    using namespace std::string_literals;
    options.rawCapabilityData["PICTURES"] = "\r\n:::\r\nJP\0EG;"s + std::string(500, 'O') + ":\xE9\r\n";
    connect(options);
    CapabilityReport report;
    const quillora::CapabilityQuery q{session, connection, texts, nullptr};
    ASSERT_TRUE(quillora::QueryCategory(q, quillora::CapabilityCategory::Pictures, report, {}));
    EXPECT_NE(report.argument.find("(*.jpg;*.jpeg;*.jpe;*.jif)"), std::string::npos) << "the NUL was dropped";
    EXPECT_NE(report.argument.find(std::string(500, 'o')), std::string::npos) << "overlong option kept, lowered";
}

// The window that wanted the report goes away while another exchange holds
// the lock: the query gives up without touching the phone.
TEST_F(OnChannel, StopWhileWaitingForTheLock)
{
    connect();
    connection.phoneLock.acquire();
    std::stop_source stop;
    auto report = std::async(std::launch::async, [&] { return query(stop.get_token()); });
    ASSERT_EQ(report.wait_for(50ms), std::future_status::timeout);
    stop.request_stop();
    ASSERT_EQ(report.wait_for(5s), std::future_status::ready);
    EXPECT_FALSE(report.get());
    connection.phoneLock.release();
    EXPECT_EQ(port_->written(), "") << "nothing was sent";
}

} // namespace
