// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The object commands of the simulated phone, byte for byte: uploads with
// +KPSW and the +KDOBJ session, listing, retrieval, deletion, their error
// replies and the data-phase faults. Packages and hex names are written out
// here from the wire layout, not with the phone's helpers.

#include "phone_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace std::string_literals;
using phonesim::Category;
using phonesim::DataEnd;
using phonesim::Output;
using phonesim::PhoneModel;
using phonesim::PhoneOptions;
using phonesim::StoredObject;

#define EXPECT_BYTES(actual, expected) EXPECT_EQ(phonesim::hexBytes(actual), phonesim::hexBytes(expected))

std::string le(uint32_t value, int width)
{
    std::string out;
    for (int i = 0; i < width; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string utf16le(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text)
        out += le(c, 2);
    return out;
}

std::string section(uint16_t type, uint16_t kind, std::string_view content)
{
    return le(type, 2) + le(kind, 2) + le(static_cast<uint32_t>(content.size()), 4) + std::string(content);
}

std::string package(const std::string &sections)
{
    return le(static_cast<uint32_t>(4 + sections.size()), 4) + "\x01\x00\x01\x00"s + sections;
}

const std::string kNoCarrier = "\r\nNO CARRIER\r\n";
const std::string kOk = "\r\nOK\r\n";
// Hex UCS-2 of the names the phone gives its first objects.
const std::string kPic1 = "0050006900630030003000300031"; // Pic0001
const std::string kSnd1 = "0053006E00640030003000300031"; // Snd0001

// The state detection leaves: echo off, numeric error codes.
PhoneOptions phoneOptions()
{
    PhoneOptions o;
    o.echo = false;
    o.errorMode = 1;
    return o;
}

std::string ask(PhoneModel &phone, std::string_view in, uint32_t speed = 115200)
{
    return phone.receive(in, speed);
}

std::string kpsw(const char *type, size_t total)
{
    return "AT+KPSW=\"" + std::string(type) + "\"," + std::to_string(total) + "\r";
}

std::shared_ptr<const std::string> bytesOf(std::string text)
{
    return std::make_shared<const std::string>(std::move(text));
}

// A WAV whose fmt chunk carries the tag given.
std::string wavWithTag(uint16_t tag)
{
    const std::string fmt = "fmt " + le(16, 4) + le(tag, 2) + le(1, 2) + le(8000, 4) + le(4000, 4) + le(1, 2) +
                            le(4, 2);
    const std::string data = "data" + le(4, 4) + "\x11\x22\x33\x44";
    return "RIFF" + le(static_cast<uint32_t>(4 + fmt.size() + data.size()), 4) + "WAVE" + fmt + data;
}

TEST(Upload, PackageThenListingAndRetrievalGiveItBack)
{
    PhoneModel phone(phoneOptions());
    const std::string jpeg = "\xFF\xD8" + std::string(998, 'j');
    const std::string data = package(section(0, 0, utf16le(u"Sun")) + section(104, 1, jpeg));
    // A 1000-byte JPEG titled Sun, as the PC sends it.
    ASSERT_EQ(data.size(), 1030u);
    EXPECT_BYTES(data.substr(0, 30), "\x02\x04\x00\x00\x01\x00\x01\x00"
                                     "\x00\x00\x00\x00\x06\x00\x00\x00S\0u\0n\0"
                                     "\x68\x00\x01\x00\xE8\x03\x00\x00"s);
    EXPECT_EQ(ask(phone, kpsw("JPEG", 1030)), "\r\nCONNECT\r\n");
    EXPECT_EQ(ask(phone, data.substr(0, 500)), "") << "nothing before the last byte";
    EXPECT_EQ(ask(phone, data.substr(500)), kNoCarrier + "\r\n+KPSW: \"" + kPic1 + "\",1000\r\n" + kOk);
    const StoredObject *stored = phone.store().find(u"Pic0001");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->title, u"Sun");
    EXPECT_EQ(stored->category, Category::Pictures);
    EXPECT_BYTES(*stored->data, jpeg);

    EXPECT_EQ(ask(phone, "AT+CSCS=\"UCS2\";+KPSL=\"PICTURES\",1\r"),
              "\r\n+KPSL: \"" + kPic1 + "\",0,1000,\"PICTURES\",\"JPEG\",\"\",\"\",\"00530075006E\"\r\n" + kOk);
    EXPECT_BYTES(ask(phone, "AT+KPSR=\"" + kPic1 + "\"\r"), "\r\n+KPSR: 1030\r\n\r\nCONNECT\r\n" + data + kNoCarrier);
    EXPECT_EQ(ask(phone, "AT\r"), kOk) << "back in command mode";
}

TEST(Upload, BeforeProtocol201TheDataAreTheObjectAlone)
{
    PhoneOptions o = phoneOptions();
    o.protocolVersion = "2.00";
    PhoneModel phone(o);
    EXPECT_EQ(ask(phone, kpsw("MIDI", 5) + "MThd\x01"), "\r\nCONNECT\r\n" + kNoCarrier + "\r\n+KPSW: \"" + kSnd1 +
                                                          "\",5\r\n" + kOk);
    EXPECT_EQ(phone.store().find(u"Snd0001")->title, u"Object 1") << "made up";
    EXPECT_EQ(ask(phone, "AT+KPSR=\"" + kSnd1 + "\"\r"), "\r\n+KPSR: 5\r\n\r\nCONNECT\r\nMThd\x01" + kNoCarrier);
}

TEST(Upload, MalformedPackagesAreRefusedAfterTheData)
{
    const std::string title = section(0, 0, utf16le(u"T"));
    const std::string object = section(2, 1, "MThd");
    std::string badMarker = package(title + object);
    badMarker[6] = '\x02';
    std::string shortLength = package(title + object);
    shortLength[0] = static_cast<char>(shortLength[0] - 1);
    std::string overrun = package(title + object);
    overrun[overrun.size() - 8] = '\x05'; // the object section claims 5 bytes, 4 follow
    const struct {
        const char *name;
        std::string data;
        bool accepted;
    } cases[] = {
        {"well formed", package(title + object), true},
        {"second part checked and dropped", package(title + object + section(2, 2, "more")), true},
        {"empty title", package(section(0, 0, "") + object), true},
        {"bad marker", badMarker, false},
        {"remaining length one short", shortLength, false},
        {"section overruns the data", overrun, false},
        {"half a section head after the last", package(title + object + "\x02\x00"), false},
        {"no object section", package(title), false},
        {"object before the title", package(object + title), false},
        {"object type not the command's", package(title + section(104, 1, "MThd")), false},
        {"odd title length", package(section(0, 0, "T") + object), false},
        {"empty object", package(title + section(2, 1, "")), false},
        {"unknown section kind", package(title + object + section(2, 3, "x")), false},
        {"shorter than a head", "\x01\x00\x01"s, false},
    };
    for (const auto &c : cases) {
        PhoneModel phone(phoneOptions());
        ASSERT_EQ(ask(phone, kpsw("MIDI", c.data.size())), "\r\nCONNECT\r\n") << c.name;
        const std::string reply = ask(phone, c.data);
        if (c.accepted) {
            EXPECT_EQ(reply, kNoCarrier + "\r\n+KPSW: \"" + kSnd1 + "\",4\r\n" + kOk) << c.name;
            EXPECT_EQ(*phone.store().find(u"Snd0001")->data, "MThd") << c.name;
        } else {
            EXPECT_EQ(reply, kNoCarrier + "\r\n+CME ERROR: 100,65534\r\n") << c.name;
            EXPECT_TRUE(phone.store().objects().empty()) << c.name;
        }
    }
}

TEST(Upload, RefusedBeforeConnect)
{
    const struct {
        std::string command;
        std::string reply;
    } cases[] = {
        {kpsw("JAR", 10), "\r\n+CME ERROR: 100,65524\r\n"},  // -12: a type the phone does not store
        {kpsw("XYZ", 10), "\r\n+CME ERROR: 100,65524\r\n"},
        {kpsw("MIDI", 125), "\r\n+CME ERROR: 100,65523\r\n"}, // -13: larger than the whole store
        {kpsw("MIDI", 70), "\r\n+CME ERROR: 100,65528\r\n"},  // -8: more than the free 40 bytes
        {kpsw("MIDI", 64), "\r\nCONNECT\r\n"},                 // 40 bytes and the heads
        {"AT+KPSW=MIDI,10\r", "\r\n+CME ERROR: 50\r\n"},
        {kpsw("MIDI", 0), "\r\n+CME ERROR: 50\r\n"},
        {"AT+KPSW=\"MIDI\"\r", "\r\n+CME ERROR: 50\r\n"},
    };
    for (const auto &c : cases) {
        PhoneOptions o = phoneOptions();
        o.storeLimit = 100;
        o.objects = {{Category::Sounds, {}, u"Old", "MIDI", false, bytesOf(std::string(60, 'm'))}};
        PhoneModel phone(o);
        EXPECT_EQ(ask(phone, c.command), c.reply) << c.command;
    }
    PhoneOptions plain = phoneOptions();
    plain.errorMode = 0;
    PhoneModel phone(plain);
    EXPECT_EQ(ask(phone, kpsw("JAR", 10)), "\r\nERROR\r\n") << "without +CMEE=1";
}

TEST(Upload, ThePhonesAdpcmWhenRefused)
{
    const struct {
        bool refuse;
        uint16_t tag;
        bool stored;
    } cases[] = {{true, 0x0101, false}, {true, 1, true}, {false, 0x0101, true}};
    for (const auto &c : cases) {
        PhoneOptions o = phoneOptions();
        o.refuseCompressedSounds = c.refuse;
        PhoneModel phone(o);
        const std::string data = package(section(0, 0, "") + section(1, 1, wavWithTag(c.tag)));
        const std::string reply = ask(phone, kpsw("WAV", data.size()) + data);
        EXPECT_EQ(reply.find("+CME ERROR: 100,65532") != std::string::npos, !c.stored) << reply;
        EXPECT_EQ(phone.store().objects().size(), c.stored ? 1u : 0u) << c.tag;
    }
}

TEST(Upload, CalendarsGoToEventsOrToDos)
{
    PhoneOptions o = phoneOptions();
    o.protocolVersion = "2.00";
    PhoneModel phone(o);
    for (const std::string body : {"BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\n", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n"})
        ask(phone, kpsw("VCAL", body.size()) + body);
    EXPECT_EQ(phone.store().list(Category::VTodo).size(), 1u);
    EXPECT_EQ(phone.store().list(Category::VEvent).size(), 1u);
}

TEST(Listing, HiddenObjectsAndNonLatinTitlesInHex)
{
    PhoneOptions o = phoneOptions();
    o.objects = {{Category::Sounds, u"Ring", u"Звук", "MIDI", true, bytesOf("abc")},
                 {Category::Sounds, u"Bell", u"音楽", "AMR", false, bytesOf("#!AMR\n")},
                 {Category::Pictures, {}, u"Sea", "PNG", false, bytesOf("png")}};
    PhoneModel phone(o);
    EXPECT_EQ(ask(phone, "AT+CSCS=\"UCS2\";+KPSL=\"SOUNDS\",1\r"),
              "\r\n+KPSL: \"00520069006E0067\",1,3,\"SOUNDS\",\"MIDI\",\"\",\"\",\"041704320443043A\"\r\n"
              "\r\n+KPSL: \"00420065006C006C\",0,6,\"SOUNDS\",\"AMR\",\"\",\"\",\"97F3697D\"\r\n" +
                  kOk);
    EXPECT_EQ(phone.characterSet(), "UCS2");
    EXPECT_EQ(ask(phone, "AT+CSCS?\r"), "\r\n+CSCS: \"UCS2\"\r\n" + kOk);
}

TEST(Listing, EmptyMissingAndMalformedCategories)
{
    using Set = void (*)(PhoneOptions &);
    const struct {
        const char *command;
        Set set;
        std::string reply;
    } cases[] = {
        {"AT+KPSL=\"VCARDS\",1\r", [](PhoneOptions &) {}, "\r\n+CME ERROR: 100,65502\r\n"},
        {"AT+KPSL=\"VCARDS\",1\r", [](PhoneOptions &o) { o.emptyCategoryOk = true; }, kOk},
        {"AT+KPSL=\"VCARDS\",1\r", [](PhoneOptions &o) { o.errorMode = 0; }, "\r\nERROR\r\n"},
        {"AT+KPSL=\"PHOTO\",1\r", [](PhoneOptions &) {}, "\r\n+CME ERROR: 4\r\n"},
        {"AT+KPSL=\"PHOTO\",1\r", [](PhoneOptions &o) { o.photoCategory = true; }, "\r\n+CME ERROR: 100,65502\r\n"},
        {"AT+KPSL=\"PHOTO\",1\r",
         [](PhoneOptions &o) {
             o.photoCategory = true;
             o.objects = {{Category::Photo, u"P", u"A", "JPEG", false, bytesOf("jj")}};
         },
         "\r\n+KPSL: \"0050\",0,2,\"PHOTO\",\"JPEG\",\"\",\"\",\"0041\"\r\n" + kOk},
        {"AT+KPSL=\"VIDEOS\",1\r", [](PhoneOptions &) {}, "\r\n+CME ERROR: 4\r\n"},
        {"AT+KPSL=\"sounds\",1\r", [](PhoneOptions &) {}, "\r\n+CME ERROR: 4\r\n"},
        {"AT+KPSL=SOUNDS,1\r", [](PhoneOptions &) {}, "\r\n+CME ERROR: 50\r\n"},
        {"AT+KPSL=\"SOUNDS\",2\r", [](PhoneOptions &) {}, "\r\n+CME ERROR: 50\r\n"},
        {"AT+CSCS=\"KOI8-R\"\r", [](PhoneOptions &) {}, "\r\n+CME ERROR: 50\r\n"},
        {"AT+CSCS=\"IRA\";+CSCS?\r", [](PhoneOptions &) {}, "\r\n+CSCS: \"IRA\"\r\n" + kOk},
    };
    for (const auto &c : cases) {
        PhoneOptions o = phoneOptions();
        c.set(o);
        PhoneModel phone(o);
        EXPECT_EQ(ask(phone, c.command), c.reply) << c.command;
    }
}

TEST(RetrievalAndDeletion, UnknownNamesHiddenObjectsAndDeletedOnes)
{
    PhoneOptions o = phoneOptions();
    o.objects = {{Category::Sounds, u"Ring", u"Звук", "MIDI", true, bytesOf("abc")}};
    PhoneModel phone(o);
    const std::string ring = "00520069006E0067";
    const std::string data = package(section(0, 0, utf16le(u"Звук")) + section(2, 1, "abc"));
    const std::string reply = "\r\n+KPSR: " + std::to_string(data.size()) + "\r\n\r\nCONNECT\r\n" + data + kNoCarrier;
    EXPECT_BYTES(ask(phone, "AT+KPSR=\"" + ring + "\"\r"), reply) << "hidden objects can be fetched";
    EXPECT_BYTES(ask(phone, "AT+KPSR=\"00520069006e0067\"\r"), reply) << "hex in any case";
    for (const char *unknown : {"AT+KPSR=\"0041\"\r", "AT+KPSR=\"005\"\r", "AT+KPSD=\"0041\"\r"})
        EXPECT_EQ(ask(phone, unknown), "\r\n+CME ERROR: 100,65512\r\n") << unknown;
    EXPECT_EQ(ask(phone, "AT+KPSR=0041\r"), "\r\n+CME ERROR: 50\r\n");

    EXPECT_EQ(ask(phone, "AT+KPSD=\"" + ring + "\"\r"), kOk);
    EXPECT_EQ(ask(phone, "AT+KPSD=\"" + ring + "\"\r"), "\r\n+CME ERROR: 100,65512\r\n") << "-24 once gone";
    EXPECT_EQ(ask(phone, "AT+KPSR=\"" + ring + "\"\r"), "\r\n+CME ERROR: 100,65512\r\n");
    EXPECT_EQ(ask(phone, "AT+KPSL=\"SOUNDS\",1\r"), "\r\n+CME ERROR: 100,65502\r\n");
}

TEST(LegacyDownload, SessionWithAUcs2Title)
{
    PhoneOptions o = phoneOptions();
    o.storeLimit = 1000;
    PhoneModel phone(o);
    EXPECT_EQ(ask(phone, "AT+KDOBJ?\r"), "\r\n+KDOBJ: 1000\r\n" + kOk);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=1,1\r"), kOk);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,6,0,8\r"), "\r\nCONNECT\r\n");
    EXPECT_EQ(ask(phone, utf16le(u"Звук")), kOk);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,0,2,4\r"), "\r\nCONNECT\r\n");
    EXPECT_EQ(ask(phone, "MThd"), kOk);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,1,2,5\r" + "extra"s), "\r\nCONNECT\r\n" + kOk) << "a second part";
    EXPECT_TRUE(phone.store().objects().empty()) << "kept when the session closes";
    EXPECT_EQ(ask(phone, "AT+KDOBJ=1,0\r"), kOk);
    ASSERT_EQ(phone.store().objects().size(), 1u);
    const StoredObject &object = phone.store().objects()[0];
    EXPECT_EQ(object.title, u"Звук");
    EXPECT_EQ(*object.data, "MThd") << "the second part is dropped";
    EXPECT_EQ(object.category, Category::Sounds);
    EXPECT_EQ(ask(phone, "AT+KDOBJ?\r"), "\r\n+KDOBJ: 996\r\n" + kOk);
}

TEST(LegacyDownload, ByteTitlesRefusalsAndErrors)
{
    PhoneOptions o = phoneOptions();
    o.storeLimit = 100;
    o.refuseUcs2Titles = true;
    o.refuseCompressedSounds = true;
    PhoneModel phone(o);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,0,2,4\r"), "\r\n+CME ERROR: 100,65533\r\n") << "no session";
    EXPECT_EQ(ask(phone, "AT+KDOBJ=1,0\r"), "\r\n+CME ERROR: 100,65533\r\n");
    ask(phone, "AT+KDOBJ=1,1\r");
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,6,0,8\r"), "\r\nERROR\r\n") << "plain ERROR, whatever +CMEE says";
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,3,0,4\r\x80uro"), "\r\nCONNECT\r\n" + kOk);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,0,999,4\r"), "\r\n+CME ERROR: 100,65524\r\n");
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,0,2,101\r"), "\r\n+CME ERROR: 100,65523\r\n");
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,0,2,0\r"), "\r\n+CME ERROR: 50\r\n");
    const std::string adpcm = wavWithTag(0x0101);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,0,1," + std::to_string(adpcm.size()) + "\r" + adpcm),
              "\r\nCONNECT\r\n\r\n+CME ERROR: 100,65532\r\n");
    EXPECT_EQ(ask(phone, "AT+KDOBJ=2,1,0,104,3\r" + "jpg"s), "\r\nCONNECT\r\n" + kOk);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=1,0\r"), kOk);
    ASSERT_EQ(phone.store().objects().size(), 1u);
    EXPECT_EQ(phone.store().objects()[0].title, u"\u20ACuro");
    EXPECT_EQ(phone.store().objects()[0].typeName, "JPEG");

    // Opening again drops what the first session got; no title, one is made up.
    ask(phone, "AT+KDOBJ=1,1;+KDOBJ=2,1,0,2,4\rMThd");
    ask(phone, "AT+KDOBJ=1,1\r");
    EXPECT_EQ(ask(phone, "AT+KDOBJ=1,0\r"), kOk);
    EXPECT_EQ(phone.store().objects().size(), 1u);
    ask(phone, "AT+KDOBJ=1,1\r");
    ask(phone, "AT+KDOBJ=2,1,0,2,4\rMThd");
    ask(phone, "AT+KDOBJ=1,0\r");
    EXPECT_EQ(phone.store().objects().at(1).title, u"Object 1");
}

TEST(LineSpeed, IprAnswersAtTheOldSpeedThenMoves)
{
    PhoneModel phone(phoneOptions());
    EXPECT_EQ(ask(phone, "AT+IPR=12345\r"), "\r\nERROR\r\n");
    EXPECT_EQ(ask(phone, "AT+IPR=19200\r"), kOk);
    EXPECT_EQ(phone.speed(), 19200u);
    EXPECT_EQ(ask(phone, "AT\r"), "") << "115200 is noise now";
    EXPECT_EQ(ask(phone, "AT+IPR?\r", 19200), "\r\n+IPR: 19200\r\n" + kOk);
}

TEST(OutputPieces, CutsAndPausesFallOnByteCounts)
{
    Output out("head");
    out.appendSlice(std::make_shared<const std::string>("0123456789"), 2, 6); // "234567"
    out += "tail";
    out.insertPause(7, 100);
    EXPECT_EQ(out.str(), "head234567tail");
    EXPECT_EQ(out.summary(2), "head<3 bytes><3 bytes>tail") << "the slice was split at the pause";
    ASSERT_EQ(out.pieces().size(), 5u);
    EXPECT_TRUE(out.pieces()[2].pause);
    EXPECT_EQ(out.pieces()[2].pauseMs, 100);
    out.truncate(9);
    EXPECT_EQ(out.str(), "head23456");
    EXPECT_EQ(out.size(), 9u);
    out.truncate(7);
    EXPECT_EQ(out.pieces().size(), 2u) << "no pause left after the last byte kept";
}

// +KPSR of a stored 64-byte MIDI, raw below 2.01 so data bytes are object bytes.
struct Retrieval {
    PhoneOptions options;
    std::string object = std::string(64, 'm');
    std::string command = "AT+KPSR=\"" + kSnd1 + "\"\r";
    std::string head = "\r\n+KPSR: 64\r\n\r\nCONNECT\r\n";

    explicit Retrieval(void (*set)(PhoneOptions &))
    {
        options = phoneOptions();
        options.protocolVersion = "2.00";
        options.objects = {{Category::Sounds, {}, u"M", "MIDI", false, bytesOf(object)}};
        set(options);
    }
};

TEST(DataFaults, SendingStallsForAWhileOrForEver)
{
    Retrieval r([](PhoneOptions &o) {
        o.dataStallAfterBytes = 10;
        o.dataStallMs = 250;
    });
    PhoneModel phone(r.options);
    Output out;
    phone.receive(r.command, 115200, out);
    EXPECT_EQ(out.str(), r.head + r.object + kNoCarrier) << "every byte still comes";
    size_t before = 0;
    const auto pause = std::find_if(out.pieces().begin(), out.pieces().end(), [&](const Output::Piece &p) {
        before += p.pause ? 0 : p.view().size();
        return p.pause;
    });
    ASSERT_NE(pause, out.pieces().end());
    EXPECT_EQ(pause->pauseMs, 250);
    EXPECT_EQ(before, r.head.size() + 10) << "the pause comes after 10 data bytes";

    Retrieval never([](PhoneOptions &o) { o.dataStallAfterBytes = 10; });
    PhoneModel stuck(never.options);
    Output cut;
    stuck.receive(never.command, 115200, cut);
    EXPECT_EQ(cut.str(), never.head + never.object.substr(0, 10));
    ASSERT_FALSE(cut.pieces().empty());
    EXPECT_TRUE(cut.pieces().back().pause);
    EXPECT_EQ(cut.pieces().back().pauseMs, -1);
    EXPECT_TRUE(stuck.wedged());
    EXPECT_EQ(ask(stuck, "AT\r"), "") << "a phone stuck for ever hears nothing";
}

TEST(DataFaults, ReadingStallsUntilResumedInEachDataPhase)
{
    PhoneOptions o = phoneOptions();
    o.protocolVersion = "2.00";
    o.dataStallAfterBytes = 10;
    o.dataStallMs = 50;
    PhoneModel phone(o);
    const std::string data(100, 'd');
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(ask(phone, kpsw("MIDI", 100)), "\r\nCONNECT\r\n");
        Output out;
        EXPECT_EQ(phone.receive(data, 115200, out), 10u);
        EXPECT_TRUE(phone.readStalled());
        EXPECT_EQ(phone.receive(data.substr(10), 115200, out), 0u) << "takes nothing while stalled";
        phone.resumeReading();
        EXPECT_EQ(phone.receive(data.substr(10), 115200, out), 90u);
        EXPECT_EQ(out.str().substr(0, kNoCarrier.size()), kNoCarrier) << round;
    }
    EXPECT_EQ(*phone.store().objects().at(1).data, data);
}

TEST(DataFaults, HangupAfterDataBytesEitherWay)
{
    Retrieval r([](PhoneOptions &o) { o.dataHangupAfterBytes = 10; });
    PhoneModel sender(r.options);
    EXPECT_EQ(ask(sender, r.command), r.head + r.object.substr(0, 10));
    EXPECT_TRUE(sender.hungUp());

    PhoneModel receiver(r.options);
    ASSERT_EQ(ask(receiver, kpsw("MIDI", 64)), "\r\nCONNECT\r\n");
    Output out;
    EXPECT_EQ(receiver.receive(std::string(64, 'x'), 115200, out), 64u);
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(receiver.hungUp());
    EXPECT_EQ(receiver.store().objects().size(), 1u) << "nothing new stored";
}

// DTR dropping (or the PC's flush, over a pty) while the PC sends a data
// phase: nothing of it is kept, and the next bytes are commands again.
TEST(LeavingTheDataMode, DropsTheIncomingPhaseAndItsSession)
{
    PhoneOptions o = phoneOptions();
    o.protocolVersion = "2.00";
    PhoneModel phone(o);
    EXPECT_TRUE(phone.leaveDataMode(false).empty()) << "no data phase, nothing to leave";

    ASSERT_EQ(ask(phone, kpsw("MIDI", 100)), "\r\nCONNECT\r\n");
    EXPECT_EQ(ask(phone, std::string(10, 'd')), "");
    EXPECT_EQ(phone.leaveDataMode(false).str(), kNoCarrier);
    EXPECT_FALSE(phone.inDataPhase());
    EXPECT_EQ(ask(phone, "AT\r"), kOk);
    EXPECT_TRUE(phone.store().objects().empty());

    ASSERT_EQ(ask(phone, "AT+KDOBJ=1,1\r"), kOk);
    ASSERT_EQ(ask(phone, "AT+KDOBJ=2,1,0,2,4\rMThd"), "\r\nCONNECT\r\n" + kOk);
    ASSERT_EQ(ask(phone, "AT+KDOBJ=2,1,1,2,4\rMT"), "\r\nCONNECT\r\n");
    EXPECT_EQ(phone.leaveDataMode(false).str(), kNoCarrier);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=1,0\r"), "\r\n+CME ERROR: 100,65533\r\n") << "the session ended with the phase";
    EXPECT_TRUE(phone.store().objects().empty());
}

TEST(LeavingTheDataMode, AStalledPhaseEndsUnreadAndAWedgedPhoneHearsAgain)
{
    PhoneOptions o = phoneOptions();
    o.protocolVersion = "2.00";
    o.dataStallAfterBytes = 10;
    PhoneModel receiver(o);
    ASSERT_EQ(ask(receiver, kpsw("MIDI", 100)), "\r\nCONNECT\r\n");
    Output out;
    ASSERT_EQ(receiver.receive(std::string(100, 'd'), 115200, out), 10u);
    ASSERT_TRUE(receiver.readStalled());
    EXPECT_EQ(receiver.leaveDataMode(false).str(), kNoCarrier);
    EXPECT_FALSE(receiver.readStalled());
    EXPECT_EQ(ask(receiver, "AT\r"), kOk);

    Retrieval never([](PhoneOptions &opt) { opt.dataStallAfterBytes = 10; });
    PhoneModel sender(never.options);
    ask(sender, never.command);
    ASSERT_TRUE(sender.wedged());
    EXPECT_TRUE(sender.leaveDataMode(false).empty()) << "what it sends is its link's to drop";
    EXPECT_TRUE(sender.wedged()) << "the link still had the phase: the phone stays in it";
    EXPECT_TRUE(sender.leaveDataMode(true).empty());
    EXPECT_EQ(ask(sender, "AT\r"), kOk);
}

TEST(LeavingTheDataMode, OutgoingPhasesAreMarkedUpToTheirClosingLine)
{
    Retrieval r([](PhoneOptions &) {});
    PhoneModel phone(r.options);
    Output out;
    phone.receive(r.command, 115200, out);
    std::string marked, unmarked;
    for (const Output::Piece &piece : out.pieces())
        (piece.dataPhase ? marked : unmarked) += piece.view();
    EXPECT_EQ(unmarked, r.head);
    EXPECT_EQ(marked, r.object + kNoCarrier);
}

TEST(DataFaults, NoiseGarblesDataReproduciblyButNotTheStoredObject)
{
    const auto garbledData = [](uint32_t seed) {
        Retrieval r([](PhoneOptions &o) { o.dataNoiseInterval = 8; });
        r.options.noiseSeed = seed;
        PhoneModel phone(r.options);
        const std::string reply = ask(phone, r.command);
        EXPECT_EQ(*phone.store().objects()[0].data, r.object);
        EXPECT_EQ(reply.size(), r.head.size() + 64 + kNoCarrier.size()) << "garbled, not added";
        return reply.substr(r.head.size(), 64);
    };
    const std::string one = garbledData(7);
    size_t changed = 0;
    for (char c : one)
        changed += c != 'm';
    EXPECT_GE(changed, 2u);
    EXPECT_LE(changed, 32u);
    EXPECT_EQ(garbledData(7), one);
    EXPECT_NE(garbledData(8), one);

    // Into the phone: a package head garbled at every other byte at least.
    PhoneOptions o = phoneOptions();
    o.dataNoiseInterval = 1;
    PhoneModel phone(o);
    const std::string data = package(section(0, 0, "") + section(2, 1, "MThd"));
    EXPECT_EQ(ask(phone, kpsw("MIDI", data.size()) + data),
              "\r\nCONNECT\r\n" + kNoCarrier + "\r\n+CME ERROR: 100,65534\r\n");
}

TEST(DataFaults, WhatEndsTheDataAndTheAnnouncedLength)
{
    const struct {
        DataEnd end;
        long lengthError;
        const char *announced;
        std::string tail;
    } cases[] = {
        {DataEnd::NoCarrier, 5, "69", kNoCarrier},
        {DataEnd::NoCarrier, -5, "59", kNoCarrier},
        {DataEnd::Nothing, 0, "64", ""},
        {DataEnd::OkOnly, 0, "64", kOk},
    };
    for (const auto &c : cases) {
        Retrieval r([](PhoneOptions &) {});
        r.options.dataEnd = c.end;
        r.options.retrievalLengthError = c.lengthError;
        PhoneModel phone(r.options);
        EXPECT_EQ(ask(phone, r.command), "\r\n+KPSR: " + std::string(c.announced) + "\r\n\r\nCONNECT\r\n" + r.object +
                                             c.tail)
            << c.announced;
        // The upload's whole answer after the data is the same replacement.
        if (c.lengthError == 0) {
            EXPECT_EQ(ask(phone, kpsw("MIDI", 4) + "MThd"), "\r\nCONNECT\r\n" + c.tail);
        }
    }
}

TEST(DataFaults, NoAcknowledgmentAboveLowSpeed)
{
    PhoneOptions o = phoneOptions();
    o.protocolVersion = "2.00";
    o.noAckAboveLowSpeed = true;
    PhoneModel phone(o);
    EXPECT_EQ(ask(phone, kpsw("MIDI", 4) + "MThd"), "\r\nCONNECT\r\n") << "swallowed";
    EXPECT_EQ(ask(phone, "AT+KDOBJ=1,1;+KDOBJ=2,1,0,2,4\rMThd"), "\r\nCONNECT\r\n");
    EXPECT_EQ(ask(phone, "AT\r"), kOk) << "back in command mode";
    EXPECT_TRUE(phone.store().objects().empty());
    ask(phone, "AT+IPR=19200\r");
    EXPECT_EQ(ask(phone, kpsw("MIDI", 4) + "MThd", 19200), "\r\nCONNECT\r\n" + kNoCarrier + "\r\n+KPSW: \"" + kSnd1 +
                                                                "\",4\r\n" + kOk);
    EXPECT_EQ(ask(phone, "AT+KDOBJ=1,1;+KDOBJ=2,1,0,2,4\rMThd", 19200), "\r\nCONNECT\r\n" + kOk);
}

class FolderPhone : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::remove_all(dir_); }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    const std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                                       ("phonesim-objects-" + std::to_string(getpid()));
};

TEST_F(FolderPhone, ObjectsSentToOnePhoneAreThereForTheNext)
{
    PhoneOptions o = phoneOptions();
    o.storeDirectory = dir_.string();
    o.objects = {{Category::Sounds, {}, u"Preloaded", "MIDI", false, bytesOf("pre")}};
    const std::string data = package(section(0, 0, utf16le(u"Гимн")) + section(14, 1, "#!AMR\n"));
    {
        PhoneModel phone(o);
        const std::string accepted = "\r\nCONNECT\r\n" + kNoCarrier + "\r\n+KPSW";
        ASSERT_EQ(ask(phone, kpsw("AMR", data.size()) + data).substr(0, accepted.size()), accepted);
    }
    PhoneModel again(o);
    EXPECT_EQ(ask(again, "AT+KPSL=\"SOUNDS\",1\r"),
              "\r\n+KPSL: \"" + kSnd1 +
                  "\",0,3,\"SOUNDS\",\"MIDI\",\"\",\"\",\"005000720065006C006F0061006400650064\"\r\n"
              "\r\n+KPSL: \"0053006E00640030003000300032\",0,6,\"SOUNDS\",\"AMR\",\"\",\"\",\"04130438043C043D\"\r\n" +
                  kOk)
        << "the preload is not added twice";
}

// --- exchange faults ---

using phonesim::ExchangeFault;
using phonesim::FaultKind;
using phonesim::FaultPhase;

// Before 2.01 a retrieval's data are the object alone.
PhoneModel faultyPhone(ExchangeFault fault, std::string version = "2.00")
{
    PhoneOptions o = phoneOptions();
    o.protocolVersion = std::move(version);
    o.fault = std::move(fault);
    o.objects = {{Category::Sounds, u"Snd0001", u"Tune", "MIDI", false, bytesOf("MThd" + std::string(96, 'm'))}};
    return PhoneModel(o);
}

const std::string kRead = "AT+KPSR=\"" + kSnd1 + "\"\r";
const std::string kReadHead = "\r\n+KPSR: 100\r\n\r\nCONNECT\r\n";

struct ReplyFault {
    const char *label;
    FaultKind kind;
    FaultPhase phase;
    std::string expected; // what the phone sends; "~" marks noise bytes
};

void PrintTo(const ReplyFault &c, std::ostream *out)
{
    *out << c.label;
}

class RetrievalReplyFaults : public ::testing::TestWithParam<ReplyFault> {};

// Each moment of the retrieval's reply, the way a fault there leaves it.
TEST_P(RetrievalReplyFaults, CutOrNoiseLandWhereAsked)
{
    const ReplyFault &c = GetParam();
    PhoneModel phone = faultyPhone({"+KPSR", 1, c.kind, c.phase});
    const std::string sent = ask(phone, kRead);
    const size_t noise = c.expected.find('~');
    if (noise == std::string::npos) {
        EXPECT_BYTES(sent, c.expected);
    } else {
        // 1 to 4 noise bytes, no line end among them, in the given place.
        const size_t extra = sent.size() + 1 - c.expected.size();
        ASSERT_GE(extra, 1u);
        ASSERT_LE(extra, 4u);
        EXPECT_BYTES(sent.substr(0, noise), c.expected.substr(0, noise));
        EXPECT_BYTES(sent.substr(noise + extra), c.expected.substr(noise + 1));
        EXPECT_EQ(sent.substr(noise, extra).find_first_of("\r\n"), std::string::npos);
    }
    EXPECT_EQ(phone.hungUp(), c.kind == FaultKind::Cut);
}

const std::string kTune = "MThd" + std::string(96, 'm');

INSTANTIATE_TEST_SUITE_P(
    , RetrievalReplyFaults,
    ::testing::Values(
        ReplyFault{"CutBeforeReply", FaultKind::Cut, FaultPhase::BeforeReply, ""},
        ReplyFault{"CutInConnect", FaultKind::Cut, FaultPhase::InConnect, "\r\n+KPSR: 100\r\n\r\nCON"},
        ReplyFault{"CutInData", FaultKind::Cut, FaultPhase::InData, kReadHead + kTune.substr(0, 50)},
        ReplyFault{"CutBeforeEnd", FaultKind::Cut, FaultPhase::BeforeEnd, kReadHead + kTune},
        ReplyFault{"NoiseInConnect", FaultKind::Noise, FaultPhase::InConnect,
                   "\r\n+KPSR: 100\r\n\r\nCON~NECT\r\n" + kTune + kNoCarrier},
        ReplyFault{"NoiseInData", FaultKind::Noise, FaultPhase::InData,
                   kReadHead + kTune.substr(0, 50) + "~" + kTune.substr(50) + kNoCarrier},
        ReplyFault{"NoiseBeforeEnd", FaultKind::Noise, FaultPhase::BeforeEnd, kReadHead + kTune + "~" + kNoCarrier}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(ExchangeFaults, AStallIsAPauseThatBelongsToTheDataPhase)
{
    PhoneModel phone = faultyPhone({"+KPSR", 1, FaultKind::Stall, FaultPhase::BeforeEnd, 700});
    Output out;
    phone.receive(kRead, 115200, out);
    EXPECT_BYTES(out.str(), kReadHead + kTune + kNoCarrier) << "everything comes, late";
    const auto &pieces = out.pieces();
    const auto pause = std::find_if(pieces.begin(), pieces.end(), [](const auto &p) { return p.pause; });
    ASSERT_NE(pause, pieces.end());
    EXPECT_EQ(pause->pauseMs, 700);
    EXPECT_TRUE(pause->dataPhase) << "dropped with the phase when the PC leaves it";
    std::string after;
    for (auto p = pause + 1; p != pieces.end(); ++p)
        after += p->view();
    EXPECT_BYTES(after, kNoCarrier);
}

TEST(ExchangeFaults, OnlyTheCountedAnswerOfTheNamedCommandIsHit)
{
    PhoneModel phone = faultyPhone({"+KPSR", 2, FaultKind::Cut, FaultPhase::BeforeReply});
    EXPECT_EQ(ask(phone, "AT+KPSL=\"SOUNDS\"\r").find("ERROR"), std::string::npos);
    EXPECT_BYTES(ask(phone, kRead), kReadHead + kTune + kNoCarrier);
    EXPECT_FALSE(phone.hungUp());
    EXPECT_EQ(ask(phone, kRead), "");
    EXPECT_TRUE(phone.hungUp());
}

TEST(ExchangeFaults, ListingLinesAndFramesCanBeCut)
{
    PhoneModel listing = faultyPhone({"+KPSL", 1, FaultKind::Cut, FaultPhase::BeforeEnd});
    const std::string lines = ask(listing, "AT+KPSL=\"SOUNDS\"\r");
    EXPECT_TRUE(lines.starts_with("\r\n+KPSL: ")) << phonesim::printable(lines);
    EXPECT_TRUE(lines.ends_with("\"\r\n")) << "the last line whole, no OK: " << phonesim::printable(lines);

    PhoneModel still = faultyPhone({"still", 1, FaultKind::Cut, FaultPhase::BeforeReply});
    const std::string frame = "\x02\x04\xD2\x05\x00\xD7\x06\x03\x00"s;
    EXPECT_EQ(ask(still, frame), "");
    EXPECT_TRUE(still.hungUp());
}

// A data phase the PC sends is hit in the PC's data: at its middle, or in
// the phone's answer once it is all in.
TEST(ExchangeFaults, ThePcsDataPhaseIsHitAtItsMiddleOrAtTheAnswer)
{
    const std::string data = package(section(0, 0, utf16le(u"Sun")) + section(104, 1, "\xFF\xD8" + std::string(98, 'j')));
    const std::string accepted = kNoCarrier + "\r\n+KPSW: \"" + kPic1 + "\",100\r\n" + kOk;

    PhoneModel cut = faultyPhone({"+KPSW", 1, FaultKind::Cut, FaultPhase::InData}, "2.01");
    EXPECT_EQ(ask(cut, kpsw("JPEG", data.size())), "\r\nCONNECT\r\n");
    EXPECT_EQ(ask(cut, data), "");
    EXPECT_TRUE(cut.hungUp());
    EXPECT_EQ(cut.store().find(u"Pic0001"), nullptr);

    PhoneModel stall = faultyPhone({"+KPSW", 1, FaultKind::Stall, FaultPhase::InData, 300}, "2.01");
    ask(stall, kpsw("JPEG", data.size()));
    Output out;
    EXPECT_EQ(stall.receive(data, 115200, out), data.size() / 2) << "stops reading half-way";
    EXPECT_TRUE(stall.readStalled());
    EXPECT_EQ(stall.stallMs(), 300);
    stall.resumeReading();
    EXPECT_EQ(ask(stall, data.substr(data.size() / 2)), accepted) << "and takes the rest after the stall";

    PhoneModel noisy = faultyPhone({"+KPSW", 1, FaultKind::Noise, FaultPhase::InData}, "2.01");
    ask(noisy, kpsw("JPEG", data.size()));
    const std::string answer = ask(noisy, data);
    EXPECT_TRUE(answer.ends_with(accepted)) << phonesim::printable(answer);
    EXPECT_GE(answer.size(), accepted.size() + 1) << "noise while the PC sends";

    PhoneModel late = faultyPhone({"+KPSW", 1, FaultKind::Cut, FaultPhase::BeforeEnd}, "2.01");
    ask(late, kpsw("JPEG", data.size()));
    EXPECT_EQ(ask(late, data), "") << "stored, but the answer never comes";
    EXPECT_NE(late.store().find(u"Pic0001"), nullptr);
    EXPECT_TRUE(late.hungUp());
}

} // namespace
