// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The model's replies, byte for byte. Expected frames are built here from
// the wire layout, not with the model's helpers, so a shared mistake cannot
// hide.

#include "phone_model.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>

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
    PhoneModel phone({.echo = false});
    EXPECT_EQ(ask(phone, "AT+CMEE=1;+CGMI;+CGMM;+CGSN;+KDOBJ?\r"),
              "\r\n+CGMI: QUILLORA LABS\r\n\r\n+CGMM: QP-200\r\n\r\n351234567890123\r\n\r\n+KDOBJ: 3\r\n\r\nOK\r\n");
    EXPECT_EQ(phone.errorMode(), 1);
    EXPECT_EQ(ask(phone, "at+cgmi\r"), "\r\n+CGMI: QUILLORA LABS\r\n\r\nOK\r\n");
    EXPECT_EQ(ask(phone, "AT+CGSN\r"), "\r\n351234567890123\r\n\r\nOK\r\n");
    EXPECT_EQ(ask(phone, "AT+KDOBJ?\r"), "\r\n+KDOBJ: 3\r\n\r\nOK\r\n");
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

TEST(Options, ImpossiblePhonesAreRefused)
{
    EXPECT_THROW(PhoneModel({.imei = ""}), std::invalid_argument);
    EXPECT_THROW(PhoneModel({.imei = "35123456789012x"}), std::invalid_argument);
    EXPECT_THROW(PhoneModel({.listenSpeed = 12345}), std::invalid_argument);
    EXPECT_THROW(PhoneModel({.identification = std::string(250, 'x')}), std::invalid_argument);
}

} // namespace
