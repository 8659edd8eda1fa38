// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The model's replies, byte for byte. Expected frames are built here from
// the wire layout, not with the model's helpers, so a shared mistake cannot
// hide.

#include "phone_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

using phonesim::PhoneModel;
using phonesim::PhoneOptions;
using phonesim::SimState;

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

const std::string kIdentify = bytes({0x02, 0x04, 0xD2, 0x05, 0x00, 0x23, 0xF2, 0x03});
const std::string kStill = bytes({0x02, 0x04, 0xD2, 0x05, 0x00, 0xD7, 0x06, 0x03, 0x00});

std::string withChecksum(std::string frame)
{
    unsigned char x = 0;
    for (char c : frame)
        x ^= static_cast<unsigned char>(c);
    return frame + static_cast<char>(x) + '\x03';
}

std::string ask(PhoneModel &phone, std::string_view in, uint32_t speed = 115200)
{
    return phone.receive(in, speed);
}

#define EXPECT_BYTES(actual, expected) EXPECT_EQ(phonesim::hexBytes(actual), phonesim::hexBytes(expected))

TEST(TextCommands, EchoIsTheLineAsReceivedUntilE0)
{
    PhoneModel phone;
    EXPECT_EQ(ask(phone, "AT\r\n"), "AT\r\r\nOK\r\n"); // the LF is neither echoed nor a line
    EXPECT_EQ(ask(phone, "aT\r"), "aT\r\r\nOK\r\n");
    EXPECT_EQ(ask(phone, "ATE0\r"), "ATE0\r\r\nOK\r\n");
    EXPECT_FALSE(phone.echo());
    EXPECT_EQ(ask(phone, "AT\r"), "\r\nOK\r\n");
    EXPECT_EQ(ask(phone, "ate1\r"), "\r\nOK\r\n");
    EXPECT_EQ(ask(phone, "AT\r"), "AT\r\r\nOK\r\n");
    // A line split over several reads is one command.
    EXPECT_EQ(ask(phone, "A"), "");
    EXPECT_EQ(ask(phone, "T+CGM"), "");
    EXPECT_EQ(ask(phone, "M\r"), "AT+CGMM\r\r\n+CGMM: QP-200\r\n\r\nOK\r\n");
}

TEST(TextCommands, IdentificationLineAndItsParts)
{
    // +KDOBJ? answers the free bytes of the empty 256 MiB store.
    PhoneModel phone({.echo = false});
    EXPECT_EQ(ask(phone, "AT+CMEE=1;+CGMI;+CGMM;+CGSN;+KDOBJ?\r"),
              "\r\n+CGMI: QUILLORA LABS\r\n\r\n+CGMM: QP-200\r\n\r\n351234567890123\r\n\r\n+KDOBJ: 268435456\r\n"
              "\r\nOK\r\n");
    EXPECT_EQ(phone.errorMode(), 1);
    EXPECT_EQ(ask(phone, "at+cgmi\r"), "\r\n+CGMI: QUILLORA LABS\r\n\r\nOK\r\n");
    EXPECT_EQ(ask(phone, "AT+CGSN\r"), "\r\n351234567890123\r\n\r\nOK\r\n");
    EXPECT_EQ(ask(phone, "AT+KDOBJ?\r"), "\r\n+KDOBJ: 268435456\r\n\r\nOK\r\n");
    EXPECT_EQ(ask(phone, "AT+KPSV\r"), "\r\n+KPSV: 2.01\r\n\r\nOK\r\n");
    for (const char *unknown : {"AT+CGMI=1\r", "AT+FOO\r", "ATZ\r", "HELLO\r", "AT+KDOBJ\r", "ATV0\r"})
        EXPECT_EQ(ask(phone, unknown), "\r\nERROR\r\n") << unknown;
    EXPECT_EQ(ask(phone, "AT\r"), "\r\nOK\r\n") << "an error leaves the phone usable";
}

TEST(TextCommands, CompoundLineStopsAtTheFirstFailure)
{
    PhoneModel phone({.legacyDownloadVersion = -1, .protocolVersion = "", .echo = false});
    EXPECT_EQ(ask(phone, "AT+CMEE=1;+CGMI;+CGMM;+CGSN;+KDOBJ?\r"),
              "\r\n+CGMI: QUILLORA LABS\r\n\r\n+CGMM: QP-200\r\n\r\n351234567890123\r\n\r\nERROR\r\n");
    EXPECT_EQ(ask(phone, "AT+KDOBJ?;+CGMI\r"), "\r\nERROR\r\n");
    EXPECT_EQ(ask(phone, "AT+KPSV\r"), "\r\nERROR\r\n");
    // The E1 after the failure never runs.
    EXPECT_EQ(ask(phone, "AT+FOO;E1\r"), "\r\nERROR\r\n");
    EXPECT_FALSE(phone.echo());
}

TEST(TextCommands, SimQueryPerState)
{
    const char *query = "AT+CPIN?;+CIMI;E0V1&K3\r";
    const struct {
        SimState state;
        std::string reply;
        bool echoAfter;
    } cases[] = {
        {SimState::Ready, "\r\n+CPIN: READY\r\n\r\n208011234567890\r\n\r\nOK\r\n", false},
        {SimState::SimPin, "\r\n+CPIN: SIM PIN\r\n\r\n+CME ERROR: 11\r\n", true},
        {SimState::PhSimPin, "\r\n+CPIN: PH-SIM PIN\r\n\r\n+CME ERROR: 5\r\n", true},
        {SimState::PhNetPin, "\r\n+CPIN: PH-NET PIN\r\n\r\n+CME ERROR: 40\r\n", true},
        {SimState::NoSim, "\r\n+CME ERROR: 10\r\n", true},
        {SimState::SimBusy, "\r\n+CME ERROR: 14\r\n", true},
    };
    for (const auto &c : cases) {
        PhoneModel phone({.simState = c.state});
        ask(phone, "AT+CMEE=1\r");
        EXPECT_EQ(ask(phone, query), query + c.reply) << static_cast<int>(c.state);
        EXPECT_EQ(phone.echo(), c.echoAfter) << static_cast<int>(c.state);
    }
    // Without +CMEE=1 a phone reports SIM errors as a plain ERROR.
    PhoneModel plain({.simState = SimState::NoSim, .echo = false});
    EXPECT_EQ(ask(plain, query), "\r\nERROR\r\n");
}

TEST(LineSpeed, KiprAnswersAtTheOldSpeedThenMoves)
{
    PhoneModel phone;
    EXPECT_EQ(ask(phone, "AT\r", 9600), "") << "bytes at the wrong speed are noise";
    EXPECT_EQ(ask(phone, "AT+KIPR=12345\r"), "AT+KIPR=12345\r\r\nERROR\r\n");
    EXPECT_EQ(phone.speed(), 115200u);
    // The AT after the switch in the same burst was sent at the old speed.
    EXPECT_EQ(ask(phone, "AT+KIPR=19200\rAT\r"), "AT+KIPR=19200\r\r\nOK\r\n");
    EXPECT_EQ(phone.speed(), 19200u);
    EXPECT_EQ(ask(phone, "AT\r"), "");
    EXPECT_EQ(ask(phone, "AT\r", 19200), "AT\r\r\nOK\r\n");
    // A failing line does not move the phone even if its +KIPR part passed.
    EXPECT_EQ(ask(phone, "AT+KIPR=115200;+FOO\r", 19200), "AT+KIPR=115200;+FOO\r\r\nERROR\r\n");
    EXPECT_EQ(phone.speed(), 19200u);

    PhoneModel slow({.listenSpeed = 9600});
    EXPECT_EQ(ask(slow, "AT\r"), "");
    EXPECT_EQ(ask(slow, kIdentify, 9600).substr(0, 1), "\x02");
}

TEST(BinaryFrames, IdentificationReply)
{
    // 02 LEN D2 05 01 '5' product 00 identification 00 CHK 03
    const std::string payload = std::string("5QP-200") + '\0' + "QP-200 V1.0" + '\0';
    const std::string expected =
        withChecksum(bytes({0x02, static_cast<int>(payload.size() + 3), 0xD2, 0x05, 0x01}) + payload);
    PhoneModel phone;
    EXPECT_BYTES(ask(phone, kIdentify), expected);
    // Split anywhere, and between text commands; frames are not echoed.
    std::string got;
    for (char c : kIdentify)
        got += ask(phone, std::string(1, c));
    EXPECT_BYTES(got, expected);
    EXPECT_BYTES(ask(phone, "AT\r" + kIdentify + "AT\r"), "AT\r\r\nOK\r\n" + expected + "AT\r\r\nOK\r\n");
    // A damaged frame gets no answer and costs the phone nothing.
    std::string damaged = kIdentify;
    damaged[6] = '\xF3';
    EXPECT_EQ(ask(phone, damaged), "");
    EXPECT_EQ(ask(phone, "AT\r"), "AT\r\r\nOK\r\n");
}

TEST(BinaryFrames, StillReplyPacksTheImei)
{
    const std::string body = bytes({0x02, 0x0C, 0xD2, 0x05, 0x01, 0xD7, 0x35, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x03});
    PhoneModel phone;
    // The trailing 00 belongs to the query: no answer before it.
    EXPECT_EQ(ask(phone, kStill.substr(0, 8)), "");
    const std::string reply = ask(phone, kStill.substr(8));
    ASSERT_EQ(reply.size(), 16u);
    EXPECT_BYTES(reply, withChecksum(body));

    PhoneModel other({.imei = "490154203237518", .wrongStillImei = true});
    EXPECT_BYTES(other.receive(kStill, 115200),
                 withChecksum(bytes({0x02, 0x0C, 0xD2, 0x05, 0x01, 0xD7, 0x49, 0x01, 0x54, 0x20, 0x32, 0x37, 0x51, 0x09})));
}

TEST(Faults, PhonesThatDoNotAnswerLikeAPhone)
{
    PhoneModel silent({.silent = true});
    EXPECT_EQ(ask(silent, "AT\r" + kIdentify), "");

    PhoneModel noBinary({.echo = false, .noBinaryFrame = true});
    EXPECT_EQ(ask(noBinary, kIdentify + kStill + "AT+CGMM\r"), "\r\n+CGMM: QP-200\r\n\r\nOK\r\n");

    PhoneModel modem({.echo = false, .incompatibleModem = true});
    EXPECT_EQ(ask(modem, "at\r"), "\r\nOK\r\n");
    EXPECT_EQ(ask(modem, kIdentify + "AT+CGMI\r"), "\r\nERROR\r\n");
    EXPECT_EQ(ask(modem, "ATE1\r"), "\r\nERROR\r\n");
}

TEST(Faults, NoiseComesBeforeEachReplyAndNeverOpensAFrame)
{
    PhoneModel phone({.garbageBetweenReplies = true});
    for (int i = 0; i < 50; ++i) {
        const std::string reply = ask(phone, "AT\r");
        ASSERT_GE(reply.size(), 3u + 1 + 6);
        EXPECT_EQ(reply.substr(0, 3), "AT\r");
        EXPECT_EQ(reply.substr(reply.size() - 6), "\r\nOK\r\n");
        const std::string noise = reply.substr(3, reply.size() - 9);
        EXPECT_GE(noise.size(), 1u);
        EXPECT_LE(noise.size(), 4u);
        EXPECT_EQ(noise.find_first_of("\x02\r\n"), std::string::npos) << phonesim::hexBytes(noise);
    }
    const std::string frame = ask(phone, kIdentify);
    EXPECT_NE(frame[0], '\x02');
    EXPECT_EQ(frame.find('\x02'), frame.size() - 27) << "one reply frame after the noise";
}

TEST(Faults, HangupAfterBytesCutsTheOutput)
{
    PhoneModel phone({.hangupAfterBytes = 10});
    EXPECT_EQ(ask(phone, "AT\r"), "AT\r\r\nOK\r\n"); // 9 bytes
    EXPECT_FALSE(phone.hungUp());
    EXPECT_EQ(ask(phone, "AT\r"), "A");
    EXPECT_TRUE(phone.hungUp());
    EXPECT_EQ(ask(phone, "AT\r"), "");
    EXPECT_EQ(phone.bytesSent(), 10u);
}

// A +KPSCAP answer cut along its layout: "\r\n+KPSCAP: <n>\r\n", then
// "\r\nCONNECT\r\n", the data, and "\r\nNO CARRIER\r\n" as the very last
// bytes. ok is false when a part is missing or out of place.
struct CapabilityReply {
    bool ok = false;
    std::string count;
    std::string data;
};

CapabilityReply splitCapabilityReply(const std::string &reply)
{
    const std::string head = "\r\n+KPSCAP: ";
    const std::string connect = "\r\n\r\nCONNECT\r\n";
    const std::string tail = "\r\nNO CARRIER\r\n";
    const size_t countEnd = reply.find(connect);
    if (reply.rfind(head, 0) != 0 || countEnd == std::string::npos ||
        reply.size() < countEnd + connect.size() + tail.size() || reply.substr(reply.size() - tail.size()) != tail)
        return {};
    const size_t dataStart = countEnd + connect.size();
    return {true, reply.substr(head.size(), countEnd - head.size()),
            reply.substr(dataStart, reply.size() - tail.size() - dataStart)};
}

std::vector<std::string> split(const std::string &text, const std::string &separator)
{
    std::vector<std::string> parts;
    size_t pos = 0;
    for (size_t end; (end = text.find(separator, pos)) != std::string::npos; pos = end + separator.size())
        parts.push_back(text.substr(pos, end - pos));
    parts.push_back(text.substr(pos));
    return parts;
}

std::string capabilityQuery(const char *keyword)
{
    return "AT+KPSCAP=\"" + std::string(keyword) + "\"\r";
}

TEST(Capabilities, EveryCategoryCountsItsCrLfLinesAndEndsWithNoCarrier)
{
    const PhoneOptions defaults;
    // Fields per line: type, maxKB, width, height, colours for images;
    // type, maxKB, tracks and sample formats for sounds, where MIDI, being
    // synthesised, has no sample formats.
    const struct {
        const char *keyword;
        const std::vector<std::string> &lines;
        size_t minFields, maxFields;
    } cases[] = {
        {"PICTURES", defaults.pictureFormats, 5, 5},
        {"ANIMATIONS", defaults.animationFormats, 5, 5},
        {"SOUNDS", defaults.soundFormats, 3, 4},
    };
    for (const auto &c : cases) {
        PhoneModel phone({.echo = false});
        const CapabilityReply reply = splitCapabilityReply(ask(phone, capabilityQuery(c.keyword)));
        ASSERT_TRUE(reply.ok) << c.keyword;
        EXPECT_EQ(reply.count, std::to_string(reply.data.size())) << c.keyword;
        std::vector<std::string> lines = split(reply.data, "\r\n");
        EXPECT_EQ(lines.back(), "") << c.keyword << ": the last line ends with CR LF too";
        lines.pop_back();
        EXPECT_EQ(lines, c.lines) << c.keyword;
        for (const std::string &line : lines) {
            const auto fields = split(line, ":");
            ASSERT_GE(fields.size(), c.minFields) << line;
            ASSERT_LE(fields.size(), c.maxFields) << line;
            EXPECT_FALSE(fields[0].empty()) << line;
            EXPECT_GT(std::stol(fields[1]), 0) << line << ": maxKB";
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        }
        EXPECT_EQ(ask(phone, "AT\r"), "\r\nOK\r\n") << c.keyword << ": the phone is back in command mode";
    }
}

TEST(Capabilities, ExactBytesAndNothingAfterNoCarrier)
{
    PhoneOptions options{.pictureFormats = {"WBMP:10:128:160:1", "PNG;-INTERLACE:40:640:480:8;24"}};
    *phonesim::capabilityFormats(options, "SOUNDS") = {};
    PhoneModel phone(options);
    EXPECT_EQ(ask(phone, "AT+KPSCAP=\"PICTURES\"\r"), "AT+KPSCAP=\"PICTURES\"\r"
                                                      "\r\n+KPSCAP: 51\r\n"
                                                      "\r\nCONNECT\r\n"
                                                      "WBMP:10:128:160:1\r\nPNG;-INTERLACE:40:640:480:8;24\r\n"
                                                      "\r\nNO CARRIER\r\n");
    ask(phone, "ATE0\r");
    EXPECT_EQ(ask(phone, capabilityQuery("SOUNDS")), "\r\n+KPSCAP: 0\r\n\r\nCONNECT\r\n\r\nNO CARRIER\r\n");
    // The transfer ends the line: the command before it answers, the E1
    // after it never runs and no OK follows.
    EXPECT_EQ(ask(phone, "AT+CGMM;+KPSCAP=\"SOUNDS\";E1\r"),
              "\r\n+CGMM: QP-200\r\n\r\n+KPSCAP: 0\r\n\r\nCONNECT\r\n\r\nNO CARRIER\r\n");
    EXPECT_FALSE(phone.echo());
}

TEST(Capabilities, OtherCategoriesAndBadQuotingAreErrors)
{
    for (const char *line : {"AT+KPSCAP=\"pictures\"\r", "AT+KPSCAP=\"VIDEOS\"\r", "AT+KPSCAP=\"\"\r",
                             "AT+KPSCAP=PICTURES\r", "AT+KPSCAP=\"PICTURES\r", "AT+KPSCAP=PICTURES\"\r",
                             "AT+KPSCAP=\"PICTURES\",\"SOUNDS\"\r", "AT+KPSCAP\r", "AT+KPSCAP?\r", "AT+KPSCAP=?\r"}) {
        PhoneModel phone({.echo = false});
        EXPECT_EQ(ask(phone, line), "\r\nERROR\r\n") << line;
        ask(phone, "AT+CMEE=1\r");
        EXPECT_EQ(ask(phone, line), "\r\n+CME ERROR: 50\r\n") << line;
    }
}

TEST(Capabilities, CountOverrideAndRawDataGoOutAsGiven)
{
    const std::string animation = "AGIF:60:128:160:8\r\n"; // the default, 19 bytes
    const struct {
        const char *name;
        std::optional<long> count;
        std::string raw; // for the queried category; empty: its lines
        const char *keyword;
        const char *announced;
        std::string data;
    } cases[] = {
        {"absurd count", 999999999, "", "ANIMATIONS", "999999999", animation},
        {"one short", 18, "", "ANIMATIONS", "18", animation},
        {"missing fields", std::nullopt, "BMP:30\r\n", "PICTURES", "8", "BMP:30\r\n"},
        {"NUL bytes", std::nullopt, std::string("PNG\0:40\0\r\n", 10), "PICTURES", "10",
         std::string("PNG\0:40\0\r\n", 10)},
        {"raw data and a count", 3, "MIDI", "SOUNDS", "3", "MIDI"},
    };
    for (const auto &c : cases) {
        PhoneOptions options{.echo = false, .capabilityCountOverride = c.count};
        if (!c.raw.empty())
            options.rawCapabilityData[c.keyword] = c.raw;
        PhoneModel phone(options);
        EXPECT_BYTES(ask(phone, capabilityQuery(c.keyword)),
                     "\r\n+KPSCAP: " + std::string(c.announced) + "\r\n\r\nCONNECT\r\n" + c.data + "\r\nNO CARRIER\r\n")
            << c.name;
    }
    // Raw data stands in for its own category only.
    PhoneModel phone({.echo = false, .rawCapabilityData = {{"PICTURES", "x"}}});
    EXPECT_EQ(splitCapabilityReply(ask(phone, capabilityQuery("ANIMATIONS"))).data, animation);
}

TEST(ForcedErrors, TheGivenLineReplacesTheCommandWhateverCmeeSays)
{
    const struct {
        const char *command;
        const char *line;
        const char *sent;
    } cases[] = {
        {"+KPSCAP", "ERROR", "AT+KPSCAP=\"PICTURES\"\r"},
        {"+KPSCAP", "+CME ERROR: 100,-13", "at+kpscap=\"ANIMATIONS\"\r"},
        {"+KPSV", "+CME ERROR: 100,-13", "AT+KPSV\r"},
        {"+KPSW", "+CME ERROR: 100,-2", "AT+KPSW=1,\"QP-200\"\r"},
        {"+CGMI", "+CMS ERROR: 500", "AT+CGMI\r"},
    };
    for (const auto &c : cases)
        for (const char *setup : {"AT+CMEE=0\r", "AT+CMEE=1\r"}) {
            PhoneModel phone({.echo = false, .forcedErrors = {{c.command, c.line}}});
            ask(phone, setup);
            EXPECT_EQ(ask(phone, c.sent), "\r\n" + std::string(c.line) + "\r\n") << c.sent << " after " << setup;
        }
}

TEST(ForcedErrors, OnlyTheNamedCommandFails)
{
    PhoneModel kpsv({.echo = false, .forcedErrors = {{"+KPSV", "+CME ERROR: 100,-13"}}});
    EXPECT_EQ(ask(kpsv, capabilityQuery("ANIMATIONS")),
              "\r\n+KPSCAP: 19\r\n\r\nCONNECT\r\nAGIF:60:128:160:8\r\n\r\nNO CARRIER\r\n");
    EXPECT_EQ(ask(kpsv, "AT+KPSVX\r"), "\r\nERROR\r\n") << "a longer name is another command";
    // In a line, what came before the forced error stands; nothing after it runs.
    EXPECT_EQ(ask(kpsv, "AT+CGMI;+KPSV;E1\r"), "\r\n+CGMI: QUILLORA LABS\r\n\r\n+CME ERROR: 100,-13\r\n");
    EXPECT_FALSE(kpsv.echo());

    PhoneModel kpscap({.echo = false, .forcedErrors = {{"+KPSCAP", "+CME ERROR: 100"}}});
    EXPECT_EQ(ask(kpscap, "AT+KPSV;+CGMM\r"), "\r\n+KPSV: 2.01\r\n\r\n+CGMM: QP-200\r\n\r\nOK\r\n");
    EXPECT_EQ(ask(kpscap, "AT+KPSCAP=\"SOUNDS\"\r"), "\r\n+CME ERROR: 100\r\n");
}

TEST(Options, ImpossiblePhonesAreRefused)
{
    EXPECT_THROW(PhoneModel({.imei = ""}), std::invalid_argument);
    EXPECT_THROW(PhoneModel({.imei = "35123456789012x"}), std::invalid_argument);
    EXPECT_THROW(PhoneModel({.listenSpeed = 12345}), std::invalid_argument);
    EXPECT_THROW(PhoneModel({.identification = std::string(250, 'x')}), std::invalid_argument);
}

TEST(Options, CapabilityFaultsPassButLinesThePhoneCannotSendDoNot)
{
    using Set = std::function<void(PhoneOptions &)>;
    const struct {
        const char *name;
        Set set;
        bool valid;
    } cases[] = {
        {"CR in a picture line", [](PhoneOptions &o) { o.pictureFormats.push_back("BMP:30\r:128:160:1"); }, false},
        {"LF in a sound line", [](PhoneOptions &o) { o.soundFormats = {"MIDI:30:16\n"}; }, false},
        {"raw data of an unknown category", [](PhoneOptions &o) { o.rawCapabilityData["VIDEOS"] = "x"; }, false},
        {"forced error named in lower case", [](PhoneOptions &o) { o.forcedErrors["+kpsv"] = "ERROR"; }, false},
        {"forced error without its +", [](PhoneOptions &o) { o.forcedErrors["KPSV"] = "ERROR"; }, false},
        {"forced error with an argument", [](PhoneOptions &o) { o.forcedErrors["+KPSV=1"] = "ERROR"; }, false},
        {"empty forced line", [](PhoneOptions &o) { o.forcedErrors["+KPSV"] = ""; }, false},
        {"two forced lines", [](PhoneOptions &o) { o.forcedErrors["+KPSV"] = "ERROR\r\nOK"; }, false},
        {"raw data with NUL, high bytes, CR and LF",
         [](PhoneOptions &o) { o.rawCapabilityData["SOUNDS"] = std::string("\0\xFF\r\n\r", 5); }, true},
        {"NUL and high bytes in a line", [](PhoneOptions &o) { o.pictureFormats = {std::string("B\0MP\xFF:1", 7)}; },
         true},
        {"fields missing", [](PhoneOptions &o) { o.soundFormats = {"MIDI", ""}; }, true},
        {"every error form", [](PhoneOptions &o) {
             o.forcedErrors = {{"+KPSCAP", "+CME ERROR: 100,-13"}, {"+KPSV", "+CMS ERROR: 500"}, {"+KPSW", "ERROR"}};
         }, true},
    };
    for (const auto &c : cases) {
        PhoneOptions options;
        c.set(options);
        EXPECT_EQ(phonesim::validate(options).empty(), c.valid) << c.name << ": " << phonesim::validate(options);
        if (!c.valid) {
            EXPECT_THROW(PhoneModel{options}, std::invalid_argument) << c.name;
        }
    }
}

} // namespace
