// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Sending files: the wire form of both operations against a scripted phone,
// their acknowledgments and errors, the title and sound fallbacks a phone
// can force, the retry at 19200 bit/s, stalls and cancels.

#include "transfer_fakes.h"

#include "wav_convert.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace protocol_test;
using namespace quillora;
namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// Percent for the tests that wait out a reply time-out: the 15 s and 10 s
// acknowledgment limits shrink to well under a second, the 2000 ms line
// limits to 100 ms, still far above what the scripted phone needs.
constexpr int kShortDelays = 5;

constexpr const char *kImei = "351234567890123";
const std::string kSingleAck = "\r\nOK\r\n";
const std::string kBatchAck = "\r\nNO CARRIER\r\n+KPSW: 1\r\nOK\r\n";

enum class Operation { Single, Batch };

std::string operationName(const ::testing::TestParamInfo<Operation> &info)
{
    return info.param == Operation::Single ? "Single" : "Batch";
}

std::string format(const char *pattern, auto... args)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

std::string utf16le(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string bytesOf(const std::vector<std::uint8_t> &bytes)
{
    return {bytes.begin(), bytes.end()};
}

size_t packageLength(size_t titleUnits, size_t objectLength)
{
    return 24 + 2 * titleUnits + objectLength;
}

std::string batchCommand(const std::string &typeName, size_t total)
{
    return format("AT+KPSW=\"%s\",%zu", typeName.c_str(), total);
}

// A command answered at once, with no data phase.
Step answer(std::string command, std::string reply)
{
    return {std::move(command), std::move(reply), 0, ""};
}

// The +KDOBJ exchange up to the object's data phase, which `ack` answers.
void expectSingle(TransferPhone &phone, const std::u16string &title, ObjectType type, size_t length,
                  const std::string &ack)
{
    phone.expect(answer("AT+KDOBJ?", "\r\n+KDOBJ: 1000000\r\n\r\nOK\r\n"));
    phone.expect(answer("AT+KDOBJ=1,1", "\r\nOK\r\n"));
    phone.expect({format("AT+KDOBJ=2,1,6,0,%zu", 2 * title.size()), "\r\nCONNECT\r\n", 2 * title.size(),
                  "\r\nOK\r\n"});
    phone.expect({format("AT+KDOBJ=2,1,0,%u,%zu", static_cast<unsigned>(type), length), "\r\nCONNECT\r\n", length,
                  ack});
}

Strings singleCommands(const std::u16string &title, ObjectType type, size_t length)
{
    return {"AT+KDOBJ?", "AT+KDOBJ=1,1", format("AT+KDOBJ=2,1,6,0,%zu", 2 * title.size()),
            format("AT+KDOBJ=2,1,0,%u,%zu", static_cast<unsigned>(type), length)};
}

// One object through either operation (the batch with the package form).
struct ObjectScript {
    Operation operation;
    std::u16string title;
    ObjectType type;
    std::string typeName;

    std::string goodAck() const { return operation == Operation::Single ? kSingleAck : kBatchAck; }
    // The phone's error reply to the object's data, "+CME ERROR: <what>".
    std::string errorAck(const std::string &what) const
    {
        return (operation == Operation::Single ? "\r\n" : "\r\nNO CARRIER\r\n") + std::string("+CME ERROR: ") +
               what + "\r\n";
    }
    void expect(TransferPhone &phone, size_t length, const std::string &ack) const
    {
        if (operation == Operation::Single) {
            expectSingle(phone, title, type, length, ack);
        } else {
            const size_t total = packageLength(title.size(), length);
            phone.expect({batchCommand(typeName, total), "\r\nCONNECT\r\n", total, ack});
        }
    }
    Strings commands(size_t length) const
    {
        if (operation == Operation::Single)
            return singleCommands(title, type, length);
        return {batchCommand(typeName, packageLength(title.size(), length))};
    }
    // The close of the +KDOBJ session after an acknowledged object.
    void expectClose(TransferPhone &phone) const
    {
        if (operation == Operation::Single)
            phone.expect(answer("AT+KDOBJ=1,0", "\r\nOK\r\n"));
    }
    Strings closeCommands() const
    {
        return operation == Operation::Single ? Strings{"AT+KDOBJ=1,0"} : Strings{};
    }
    // The objects' bytes out of the data phases: every second phase of the
    // single operation (after its title), each package without its heads.
    Strings objects(const Strings &phases) const
    {
        Strings out;
        for (size_t i = 0; i < phases.size(); ++i) {
            if (operation == Operation::Single) {
                if (i % 2 == 1)
                    out.push_back(phases[i]);
            } else {
                out.push_back(phases[i].substr(std::min(phases[i].size(), packageLength(title.size(), 0))));
            }
        }
        return out;
    }
};

Strings concat(std::initializer_list<Strings> parts)
{
    Strings out;
    for (const Strings &part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

Strings messageTexts(const RecordingPrompt &prompt)
{
    Strings out;
    for (const auto &message : prompt.messages)
        out.push_back(message.text);
    return out;
}

class UploadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char &c : name)
            if (c == '/')
                c = '_';
        folder = fs::temp_directory_path() / ("quillora-upload-" + std::to_string(::getpid()) + "-" + name);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string writeFile(const std::string &name, const std::string &bytes)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    // The run's single object, as both operations take it from the progress.
    void setObject(TransferRig &rig, const std::string &title, const std::string &path, ObjectType type)
    {
        rig.progress.objectName = title;
        rig.progress.filePath = path;
        rig.progress.objectType = type;
    }

    static bool run(TransferRig &rig, Operation operation)
    {
        auto context = rig.context();
        rig.progress.mode = operation == Operation::Single ? TransferMode::SendOne : TransferMode::SendMany;
        return operation == Operation::Single ? SendSingleObject(context, rig.progress)
                                              : SendObjectBatch(context, rig.progress);
    }

    fs::path folder;
};

class BothOperations : public UploadTest, public ::testing::WithParamInterface<Operation> {
protected:
    ObjectScript jpeg(std::u16string title = u"Sun") const { return {GetParam(), std::move(title), 104, "JPEG"}; }
    ObjectScript wav(std::u16string title = u"voice") const { return {GetParam(), std::move(title), 1, "WAV"}; }
};

INSTANTIATE_TEST_SUITE_P(, BothOperations, ::testing::Values(Operation::Single, Operation::Batch), operationName);

// --- the batch's data phase ---

TEST_F(UploadTest, BatchPackageCarriesTheTitleFromProtocol201)
{
    TransferRig rig(201);
    const std::string jpeg(1000, '\xAB');
    rig.progress.mode = TransferMode::SendMany;
    rig.progress.objectName = "Sun";
    rig.progress.filePath = writeFile("Sun.jpg", jpeg);
    rig.progress.objectType = 104;
    rig.phone.expect({"AT+KPSW=\"JPEG\",1030", "\r\nCONNECT\r\n", 1030, "\r\nNO CARRIER\r\n+KPSW: 1\r\nOK\r\n"});
    auto context = rig.context();
    EXPECT_TRUE(SendObjectBatch(context, rig.progress));
    EXPECT_TRUE(rig.phone.unexpected().empty());
    const auto data = rig.phone.dataPhases();
    ASSERT_EQ(data.size(), 1u);
    const std::string expectedHead = std::string("\x02\x04\x00\x00\x01\x00\x01\x00", 8) +
                                     std::string("\x00\x00\x00\x00\x06\x00\x00\x00", 8) +
                                     std::string("S\0u\0n\0", 6) + std::string("\x68\x00\x01\x00\xE8\x03\x00\x00", 8);
    EXPECT_EQ(data[0].substr(0, 30), expectedHead);
    EXPECT_EQ(data[0].substr(30), jpeg);
    EXPECT_TRUE(rig.prompt.messages.empty());
}

struct FormCase {
    const char *name;
    int protocolVersion;
    std::uint32_t options;
    bool package;
};

class BatchFormTest : public UploadTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(BatchFormTest, PackageOnlyFromProtocol201WithoutTheRawOption)
{
    const FormCase &c = GetParam();
    TransferRig rig(c.protocolVersion);
    const std::string jpeg(700, '\x5A');
    setObject(rig, "Sun", writeFile("Sun.jpg", jpeg), 104);
    rig.progress.options = c.options;
    const size_t total = c.package ? packageLength(3, jpeg.size()) : jpeg.size();
    rig.phone.expect({batchCommand("JPEG", total), "\r\nCONNECT\r\n", total, kBatchAck});

    EXPECT_TRUE(run(rig, Operation::Batch));
    EXPECT_EQ(rig.phone.commands(), Strings{batchCommand("JPEG", total)});
    const Strings data = rig.phone.dataPhases();
    ASSERT_EQ(data.size(), 1u);
    if (c.package) {
        EXPECT_EQ(data[0].substr(0, 8), std::string("\xD6\x02\x00\x00\x01\x00\x01\x00", 8)); // 730 - 4
        EXPECT_EQ(data[0].substr(total - jpeg.size()), jpeg);
    } else {
        EXPECT_EQ(data[0], jpeg);
    }
    EXPECT_TRUE(rig.prompt.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(, BatchFormTest,
                         ::testing::Values(FormCase{"Protocol200Raw", 200, 0, false},
                                           FormCase{"Protocol201Package", 201, 0, true},
                                           FormCase{"Protocol300Package", 300, 0, true},
                                           FormCase{"NoPackageOptionRaw", 201, transfer_option::kNoPackage, false}),
                         [](const auto &info) { return std::string(info.param.name); });

// --- the batch's acknowledgment ---

struct AckCase {
    const char *name;
    std::string reply; // what follows the data phase of the first object
    int speed;
    bool succeeds;
    Strings messages;
    bool asked = false; // the slow retry's question came (answered No)
};

class BatchAckTest : public UploadTest, public ::testing::WithParamInterface<AckCase> {};

// Two objects; the second goes only when the first counts as delivered,
// and it meets any line the first left unread in place of its CONNECT.
TEST_P(BatchAckTest, FirstObjectAnsweredWith)
{
    const AckCase &c = GetParam();
    TransferRig rig(201, c.speed);
    rig.session.setDelayFactor(kShortDelays);
    rig.prompt.answer = false;
    ListItemSource items;
    items.items = {{"A", writeFile("A.jpg", std::string(1200, 'a')), "", {104, kNoObjectType}},
                   {"B", writeFile("B.jpg", std::string(300, 'b')), "", {104, kNoObjectType}}};
    rig.progress.itemSource = &items;
    const std::string first = batchCommand("JPEG", packageLength(1, 1200));
    const std::string second = batchCommand("JPEG", packageLength(1, 300));
    rig.phone.expect({first, "\r\nCONNECT\r\n", packageLength(1, 1200), c.reply});
    if (c.asked)
        rig.phone.expect(answer("AT", "\r\nOK\r\n"));
    if (c.succeeds)
        rig.phone.expect({second, "\r\nCONNECT\r\n", packageLength(1, 300), kBatchAck});

    EXPECT_EQ(run(rig, Operation::Batch), c.succeeds);
    const Strings expected = concat({{first}, c.asked ? Strings{"AT"} : Strings{},
                                     c.succeeds ? Strings{second} : Strings{}});
    EXPECT_EQ(rig.phone.commands(), expected);
    EXPECT_EQ(messageTexts(rig.prompt), c.messages);
    EXPECT_EQ(items.doneItems, (c.succeeds ? std::vector<int>{1, 2} : std::vector<int>{}));
    // A failed acknowledgment leaves the data mode the hard way.
    const bool aborted = !c.succeeds || c.asked;
    EXPECT_EQ(rig.link.dtrChanges(), (aborted ? std::vector<bool>{false, true} : std::vector<bool>{}));
}

INSTANTIATE_TEST_SUITE_P(
    , BatchAckTest,
    ::testing::Values(AckCase{"KpswLineAndFinalResult", kBatchAck, 115200, true, {}},
                      AckCase{"NoCarrierAlone", "\r\nNO CARRIER\r\n", 115200, true, {}},
                      AckCase{"LostDataIsNoAcknowledgment", "\r\nNO CARRIER\r\n+CME ERROR: 100,65505\r\n", 19200,
                              false, {"[65013]"}},
                      AckCase{"LostDataOffersTheSlowRetry", "\r\nNO CARRIER\r\n+CME ERROR: 100,65505\r\n", 115200,
                              true, {"[213]"}, true},
                      AckCase{"Silence", "", 19200, false, {"[65013]"}},
                      AckCase{"WrongFourteenBytes", "\r\nno carrier\r\n", 115200, false, {"[65006]"}},
                      AckCase{"ShortAck", "\r\nNO CARR", 115200, false, {"[65006]"}},
                      AckCase{"OkInsteadOfKpsw", "\r\nNO CARRIER\r\nOK\r\n", 115200, false, {"[65006]"}},
                      AckCase{"PhoneErrorAfterData", "\r\nNO CARRIER\r\n+CME ERROR: 100,65528\r\n", 115200, false,
                              {"[700:-8]"}}),
    [](const auto &info) { return std::string(info.param.name); });

// --- the batch's items ---

TEST_F(UploadTest, BatchSendsEveryItemAndSkipsWhatTheSourceDeclines)
{
    TransferRig rig(201);
    ListItemSource items;
    for (const char *name : {"One", "Two", "Three"})
        items.items.push_back({name, writeFile(std::string(name) + ".png", std::string(name) + " bytes"), "",
                               {103, kNoObjectType}});
    items.skip = {2};
    rig.progress.itemSource = &items;
    const std::string one = batchCommand("PNG", packageLength(3, 9));
    const std::string three = batchCommand("PNG", packageLength(5, 11));
    rig.phone.expect({one, "\r\nCONNECT\r\n", packageLength(3, 9), kBatchAck});
    rig.phone.expect({three, "\r\nCONNECT\r\n", packageLength(5, 11), kBatchAck});

    EXPECT_TRUE(run(rig, Operation::Batch));
    EXPECT_EQ(rig.phone.commands(), (Strings{one, three}));
    const Strings data = rig.phone.dataPhases();
    ASSERT_EQ(data.size(), 2u);
    EXPECT_EQ(data[0].substr(packageLength(3, 0)), "One bytes");
    EXPECT_EQ(data[1].substr(16, 10), utf16le(u"Three"));
    EXPECT_EQ(items.fetched, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(items.doneItems, (std::vector<int>{1, 3}));
    EXPECT_EQ(rig.progress.all("counter"), (Strings{"(1/3)", "(2/3)", "(3/3)"}));
    EXPECT_EQ(rig.progress.all("name"), (Strings{"One.png", "Three.png"}));
    EXPECT_TRUE(rig.prompt.messages.empty());
}

TEST_F(UploadTest, BatchOfNoItemsSucceedsWithoutAWord)
{
    TransferRig rig(201);
    ListItemSource items;
    rig.progress.itemSource = &items;
    EXPECT_TRUE(run(rig, Operation::Batch));
    EXPECT_TRUE(rig.phone.commands().empty());
    EXPECT_TRUE(items.fetched.empty());
    EXPECT_TRUE(rig.progress.all("counter").empty());
    EXPECT_TRUE(rig.prompt.messages.empty());
}

TEST_F(UploadTest, BatchPhoneErrorEndsTheRunBeforeLaterItems)
{
    TransferRig rig(201);
    rig.session.setDelayFactor(kShortDelays);
    ListItemSource items;
    for (const char *name : {"A", "B", "C"})
        items.items.push_back({name, writeFile(std::string(name) + ".jpg", "xyz"), "", {104, kNoObjectType}});
    rig.progress.itemSource = &items;
    const std::string command = batchCommand("JPEG", packageLength(1, 3));
    rig.phone.expect({command, "\r\nCONNECT\r\n", packageLength(1, 3), kBatchAck});
    rig.phone.expect({command, "\r\nCONNECT\r\n", packageLength(1, 3), "\r\nNO CARRIER\r\n+CME ERROR: 100,65528\r\n"});

    EXPECT_FALSE(run(rig, Operation::Batch));
    EXPECT_EQ(rig.phone.commands(), (Strings{command, command}));
    EXPECT_EQ(messageTexts(rig.prompt), Strings{"[700:-8]"});
    EXPECT_EQ(items.fetched, (std::vector<int>{1, 2}));
    EXPECT_EQ(items.doneItems, std::vector<int>{1});
}

// --- file errors, both operations ---

TEST_P(BothOperations, MissingFileNamesItWithoutItsFolder)
{
    TransferRig rig(201);
    setObject(rig, "Gone", (folder / "Gone.jpg").string(), 104);
    EXPECT_FALSE(run(rig, GetParam()));
    EXPECT_TRUE(rig.phone.commands().empty());
    EXPECT_EQ(messageTexts(rig.prompt), Strings{"[65001:1,Gone.jpg]"});
}

TEST_P(BothOperations, EmptyFileIsRefusedBeforeThePhoneHearsOfIt)
{
    TransferRig rig(201);
    setObject(rig, "Empty", writeFile("Empty.jpg", ""), 104);
    EXPECT_FALSE(run(rig, GetParam()));
    EXPECT_TRUE(rig.phone.commands().empty());
    EXPECT_EQ(messageTexts(rig.prompt), Strings{"[65002:2,Empty.jpg]"});
}

// --- one object over +KDOBJ ---

TEST_F(UploadTest, SingleObjectGoesThroughTheWholeSession)
{
    TransferRig rig(201);
    const std::string jpeg(1000, '\xC3');
    setObject(rig, "Sun", writeFile("Sun.jpg", jpeg), 104);
    expectSingle(rig.phone, u"Sun", 104, jpeg.size(), kSingleAck);
    rig.phone.expect(answer("AT+KDOBJ=1,0", "\r\nOK\r\n"));

    EXPECT_TRUE(run(rig, Operation::Single));
    EXPECT_EQ(rig.phone.commands(), (Strings{"AT+KDOBJ?", "AT+KDOBJ=1,1", "AT+KDOBJ=2,1,6,0,6",
                                             "AT+KDOBJ=2,1,0,104,1000", "AT+KDOBJ=1,0"}));
    EXPECT_EQ(rig.phone.dataPhases(), (Strings{std::string("S\0u\0n\0", 6), jpeg}));
    EXPECT_EQ(rig.progress.all("step"), (Strings{"[202]", "[203]", "[204]", "[205]", "[206]", "[207]"}));
    EXPECT_EQ(rig.progress.all("name"), Strings{"Sun.jpg"});
    EXPECT_EQ(rig.progress.lastPosition, 1000u);
    EXPECT_TRUE(rig.prompt.messages.empty());
    EXPECT_TRUE(rig.link.dtrChanges().empty());
}

struct LimitCase {
    const char *name;
    size_t length;
    bool fits;
};

class SingleLimitTest : public UploadTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(SingleLimitTest, ObjectMustBeSmallerThanThePhoneLimit)
{
    const LimitCase &c = GetParam();
    TransferRig rig(201);
    setObject(rig, "Big", writeFile("Big.jpg", std::string(c.length, 'j')), 104);
    rig.phone.expect(answer("AT+KDOBJ?", "\r\n+KDOBJ: 5000\r\n\r\nOK\r\n"));
    if (c.fits) {
        rig.phone.expect(answer("AT+KDOBJ=1,1", "\r\nOK\r\n"));
        rig.phone.expect({"AT+KDOBJ=2,1,6,0,6", "\r\nCONNECT\r\n", 6, "\r\nOK\r\n"});
        rig.phone.expect({format("AT+KDOBJ=2,1,0,104,%zu", c.length), "\r\nCONNECT\r\n", c.length, kSingleAck});
        rig.phone.expect(answer("AT+KDOBJ=1,0", "\r\nOK\r\n"));
    }

    EXPECT_EQ(run(rig, Operation::Single), c.fits);
    EXPECT_TRUE(rig.phone.unexpected().empty());
    EXPECT_TRUE(rig.phone.scriptDone());
    EXPECT_EQ(messageTexts(rig.prompt), c.fits ? Strings{} : Strings{"[65007:4,Big.jpg]"});
}

INSTANTIATE_TEST_SUITE_P(, SingleLimitTest,
                         ::testing::Values(LimitCase{"AtTheLimit", 5000, false}, LimitCase{"BelowTheLimit", 4999, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(UploadTest, SingleTitleInCyrillicGoesAsUtf16)
{
    TransferRig rig(201);
    const std::string object = "vcard";
    setObject(rig, "Привет", writeFile("card.vcf", object), 220);
    expectSingle(rig.phone, u"Привет", 220, object.size(), kSingleAck);
    rig.phone.expect(answer("AT+KDOBJ=1,0", "\r\nOK\r\n"));

    EXPECT_TRUE(run(rig, Operation::Single));
    EXPECT_TRUE(rig.phone.unexpected().empty());
    const Strings data = rig.phone.dataPhases();
    ASSERT_EQ(data.size(), 2u);
    EXPECT_EQ(data[0], std::string("\x1F\x04\x40\x04\x38\x04\x32\x04\x35\x04\x42\x04", 12));
    EXPECT_EQ(data[1], object);
}

class ByteTitleTest : public UploadTest, public ::testing::WithParamInterface<const char *> {};

// A refusal of the UCS-2 title reopens the session and sends the title in
// the code page; the phone is remembered, so the next run goes straight to
// the byte form.
TEST_P(ByteTitleTest, RefusedUcs2TitleFallsBackToTheCodePage)
{
    TransferRig rig(201);
    const std::string object(64, 'p');
    setObject(rig, "Café", writeFile("cafe.png", object), 103);
    rig.phone.expect(answer("AT+KDOBJ?", "\r\n+KDOBJ: 100000\r\n\r\nOK\r\n"));
    rig.phone.expect(answer("AT+KDOBJ=1,1", "\r\nOK\r\n"));
    rig.phone.expect(answer("AT+KDOBJ=2,1,6,0,8", std::string("\r\n") + GetParam() + "\r\n"));
    rig.phone.expect(answer("AT+KDOBJ=1,1", "\r\nOK\r\n"));
    rig.phone.expect({"AT+KDOBJ=2,1,3,0,4", "\r\nCONNECT\r\n", 4, "\r\nOK\r\n"});
    rig.phone.expect({"AT+KDOBJ=2,1,0,103,64", "\r\nCONNECT\r\n", 64, kSingleAck});
    rig.phone.expect(answer("AT+KDOBJ=1,0", "\r\nOK\r\n"));

    EXPECT_TRUE(run(rig, Operation::Single));
    EXPECT_TRUE(rig.phone.unexpected().empty());
    EXPECT_TRUE(rig.phone.scriptDone());
    EXPECT_EQ(rig.phone.dataPhases(), (Strings{"Caf\xE9", object}));
    EXPECT_EQ(rig.quirks.loadQuirks(kImei), phone_quirk::kByteTitles);
    EXPECT_TRUE(rig.prompt.messages.empty());

    rig.phone.expect(answer("AT+KDOBJ?", "\r\n+KDOBJ: 100000\r\n\r\nOK\r\n"));
    rig.phone.expect(answer("AT+KDOBJ=1,1", "\r\nOK\r\n"));
    rig.phone.expect({"AT+KDOBJ=2,1,3,0,4", "\r\nCONNECT\r\n", 4, "\r\nOK\r\n"});
    rig.phone.expect({"AT+KDOBJ=2,1,0,103,64", "\r\nCONNECT\r\n", 64, kSingleAck});
    rig.phone.expect(answer("AT+KDOBJ=1,0", "\r\nOK\r\n"));
    EXPECT_TRUE(run(rig, Operation::Single));
    EXPECT_TRUE(rig.phone.unexpected().empty());
    EXPECT_TRUE(rig.phone.scriptDone());
}

INSTANTIATE_TEST_SUITE_P(, ByteTitleTest, ::testing::Values("ERROR", "+CME ERROR: 100,65535"),
                         [](const auto &info) { return info.index == 0 ? "Error" : "CmeError"; });

// --- sounds in the phone's ADPCM form ---

class CompressionTest : public BothOperations {
protected:
    const std::string wavPath = QUILLORA_AUDIO_TEST_DATA "/voice_8k.wav";
    const std::string original = readFile(wavPath);
    const std::string compressed = bytesOf(
        audio::CompressWavForPhone({reinterpret_cast<const std::uint8_t *>(original.data()), original.size()}));

    void SetUp() override
    {
        UploadTest::SetUp();
        ASSERT_FALSE(original.empty());
        ASSERT_FALSE(compressed.empty());
        ASSERT_LT(compressed.size(), original.size());
    }
};

INSTANTIATE_TEST_SUITE_P(, CompressionTest, ::testing::Values(Operation::Single, Operation::Batch), operationName);

TEST_P(CompressionTest, WavGoesInThePhoneForm)
{
    TransferRig rig(201);
    setObject(rig, "voice", wavPath, 1);
    const ObjectScript script = wav();
    script.expect(rig.phone, compressed.size(), script.goodAck());
    script.expectClose(rig.phone);

    EXPECT_TRUE(run(rig, GetParam()));
    EXPECT_EQ(rig.phone.commands(), concat({script.commands(compressed.size()), script.closeCommands()}));
    EXPECT_EQ(script.objects(rig.phone.dataPhases()), Strings{compressed});
    const Strings steps = rig.progress.all("step");
    EXPECT_NE(std::find(steps.begin(), steps.end(), "[210]"), steps.end());
    EXPECT_EQ(std::find(steps.begin(), steps.end(), "[205]"), steps.end());
    EXPECT_EQ(rig.quirks.loadQuirks(kImei), 0u);
}

TEST_P(CompressionTest, RefusedCompressionIsRememberedAndTheWavSentAsItIs)
{
    TransferRig rig(201);
    rig.session.setDelayFactor(kShortDelays);
    setObject(rig, "voice", wavPath, 1);
    const ObjectScript script = wav();
    script.expect(rig.phone, compressed.size(), script.errorAck("100,65532"));
    script.expect(rig.phone, original.size(), script.goodAck());
    script.expectClose(rig.phone);

    EXPECT_TRUE(run(rig, GetParam()));
    EXPECT_EQ(rig.phone.commands(), concat({script.commands(compressed.size()), script.commands(original.size()),
                                            script.closeCommands()}));
    EXPECT_EQ(script.objects(rig.phone.dataPhases()), (Strings{compressed, original}));
    EXPECT_EQ(rig.quirks.loadQuirks(kImei), phone_quirk::kNoCompressedSounds);
    EXPECT_EQ(rig.connection.quirks(), phone_quirk::kNoCompressedSounds);
    EXPECT_TRUE(rig.prompt.messages.empty());
    const Strings steps = rig.progress.all("step");
    const auto compressedStep = std::find(steps.begin(), steps.end(), "[210]");
    EXPECT_NE(compressedStep, steps.end());
    EXPECT_NE(std::find(compressedStep, steps.end(), "[205]"), steps.end());
}

TEST_P(CompressionTest, PhoneKnownToRefuseGetsTheWavUnchanged)
{
    TransferRig rig(201);
    rig.connection.SavePhoneQuirks(phone_quirk::kNoCompressedSounds, &rig.quirks);
    setObject(rig, "voice", wavPath, 1);
    const ObjectScript script = wav();
    script.expect(rig.phone, original.size(), script.goodAck());
    script.expectClose(rig.phone);

    EXPECT_TRUE(run(rig, GetParam()));
    EXPECT_EQ(rig.phone.commands(), concat({script.commands(original.size()), script.closeCommands()}));
    EXPECT_EQ(script.objects(rig.phone.dataPhases()), Strings{original});
    const Strings steps = rig.progress.all("step");
    EXPECT_EQ(std::find(steps.begin(), steps.end(), "[210]"), steps.end());
}

// --- the retry at 19200 bit/s ---

TEST_P(BothOperations, UnacknowledgedObjectIsSentAgainAtLowSpeedOnYes)
{
    TransferRig rig(201, 115200);
    rig.session.setDelayFactor(kShortDelays);
    rig.prompt.answer = true;
    const std::string first(1500, '1');
    const std::string path = writeFile("Sun.jpg", first);
    setObject(rig, "Sun", path, 104);
    const std::string second(1500, '2');
    // The single operation reads the file again: what it sends the second
    // time is what the file holds after the failure.
    // (The batch maps its files, so it is left alone there.)
    rig.phone.onData = [&, rewritten = false](size_t received) mutable {
        if (GetParam() == Operation::Single && !rewritten && received == first.size()) {
            rewritten = true;
            std::ofstream(path, std::ios::binary | std::ios::trunc) << second;
        }
    };
    const ObjectScript script = jpeg();
    script.expect(rig.phone, first.size(), "");
    rig.phone.expect(answer("AT", "\r\nOK\r\n"));
    rig.phone.expect(answer("AT+IPR=19200", "\r\nOK\r\n"));
    script.expect(rig.phone, first.size(), script.goodAck());
    script.expectClose(rig.phone);

    EXPECT_TRUE(run(rig, GetParam()));
    rig.phone.onData = nullptr;
    EXPECT_EQ(rig.phone.commands(), concat({script.commands(first.size()), {"AT", "AT+IPR=19200"},
                                            script.commands(first.size()), script.closeCommands()}));
    if (GetParam() == Operation::Single) {
        EXPECT_EQ(script.objects(rig.phone.dataPhases()), (Strings{first, second}));
    }
    EXPECT_EQ(messageTexts(rig.prompt), Strings{"[213]"});
    EXPECT_EQ(rig.prompt.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(rig.link.speedChanges(), std::vector<int>{19200});
    EXPECT_EQ(rig.shownSpeeds, std::vector<int>{19200});
    EXPECT_EQ(rig.connection.phone().speed, 19200);
    EXPECT_EQ(rig.link.dtrChanges(), (std::vector<bool>{false, true}));
    EXPECT_EQ(rig.link.outputPurges.load(), 1);
}

TEST_F(UploadTest, BatchLowSpeedRetryStartsAgainFromTheFirstItem)
{
    TransferRig rig(201, 115200);
    rig.session.setDelayFactor(kShortDelays);
    ListItemSource items;
    items.items = {{"A", writeFile("A.jpg", std::string(1200, 'a')), "", {104, kNoObjectType}},
                   {"B", writeFile("B.jpg", std::string(1300, 'b')), "", {104, kNoObjectType}}};
    rig.progress.itemSource = &items;
    const std::string a = batchCommand("JPEG", packageLength(1, 1200));
    const std::string b = batchCommand("JPEG", packageLength(1, 1300));
    rig.phone.expect({a, "\r\nCONNECT\r\n", packageLength(1, 1200), kBatchAck});
    rig.phone.expect({b, "\r\nCONNECT\r\n", packageLength(1, 1300), ""});
    rig.phone.expect(answer("AT", "\r\nOK\r\n"));
    rig.phone.expect(answer("AT+IPR=19200", "\r\nOK\r\n"));
    rig.phone.expect({a, "\r\nCONNECT\r\n", packageLength(1, 1200), kBatchAck});
    rig.phone.expect({b, "\r\nCONNECT\r\n", packageLength(1, 1300), kBatchAck});

    EXPECT_TRUE(run(rig, Operation::Batch));
    EXPECT_EQ(rig.phone.commands(), (Strings{a, b, "AT", "AT+IPR=19200", a, b}));
    EXPECT_EQ(items.restarts, 2);
    EXPECT_EQ(items.doneItems, (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(rig.connection.phone().speed, 19200);
}

TEST_P(BothOperations, NoToTheLowSpeedQuestionTakesTheObjectAsDelivered)
{
    TransferRig rig(201, 115200);
    rig.session.setDelayFactor(kShortDelays);
    rig.prompt.answer = false;
    setObject(rig, "Sun", writeFile("Sun.jpg", std::string(1500, 's')), 104);
    const ObjectScript script = jpeg();
    script.expect(rig.phone, 1500, "");
    rig.phone.expect(answer("AT", "\r\nOK\r\n"));
    script.expectClose(rig.phone);

    EXPECT_TRUE(run(rig, GetParam()));
    EXPECT_EQ(rig.phone.commands(), concat({script.commands(1500), {"AT"}, script.closeCommands()}));
    EXPECT_EQ(messageTexts(rig.prompt), Strings{"[213]"});
    EXPECT_TRUE(rig.link.speedChanges().empty());
    EXPECT_TRUE(rig.shownSpeeds.empty());
    EXPECT_EQ(rig.connection.phone().speed, 115200);
}

TEST_F(UploadTest, BatchGoesOnToTheNextItemAfterNo)
{
    TransferRig rig(201, 115200);
    rig.session.setDelayFactor(kShortDelays);
    rig.prompt.answer = false;
    ListItemSource items;
    items.items = {{"A", writeFile("A.jpg", std::string(1200, 'a')), "", {104, kNoObjectType}},
                   {"B", writeFile("B.jpg", std::string(1300, 'b')), "", {104, kNoObjectType}}};
    rig.progress.itemSource = &items;
    const std::string a = batchCommand("JPEG", packageLength(1, 1200));
    const std::string b = batchCommand("JPEG", packageLength(1, 1300));
    rig.phone.expect({a, "\r\nCONNECT\r\n", packageLength(1, 1200), ""});
    rig.phone.expect(answer("AT", "\r\nOK\r\n"));
    rig.phone.expect({b, "\r\nCONNECT\r\n", packageLength(1, 1300), kBatchAck});

    EXPECT_TRUE(run(rig, Operation::Batch));
    EXPECT_EQ(rig.phone.commands(), (Strings{a, "AT", b}));
    EXPECT_EQ(items.doneItems, (std::vector<int>{1, 2}));
}

struct NoRetryCase {
    const char *name;
    Operation operation;
    int speed;
    std::uint32_t detectionFlags;
};

class NoRetryTest : public UploadTest, public ::testing::WithParamInterface<NoRetryCase> {};

// Already slow, or a line without control signals: nothing to gain from a
// retry, so the missing acknowledgment is an error.
TEST_P(NoRetryTest, MissingAcknowledgmentIsReported)
{
    const NoRetryCase &c = GetParam();
    TransferRig rig(201, c.speed, c.detectionFlags);
    rig.session.setDelayFactor(kShortDelays);
    setObject(rig, "Sun", writeFile("Sun.jpg", std::string(1500, 's')), 104);
    const ObjectScript script{c.operation, u"Sun", 104, "JPEG"};
    script.expect(rig.phone, 1500, "");

    EXPECT_FALSE(run(rig, c.operation));
    EXPECT_EQ(rig.phone.commands(), script.commands(1500));
    EXPECT_EQ(messageTexts(rig.prompt), Strings{"[65013]"});
    EXPECT_TRUE(rig.link.speedChanges().empty());
    EXPECT_EQ(rig.connection.phone().speed, c.speed);
}

INSTANTIATE_TEST_SUITE_P(, NoRetryTest,
                         ::testing::Values(NoRetryCase{"SingleAt19200", Operation::Single, 19200, 0},
                                           NoRetryCase{"BatchAt19200", Operation::Batch, 19200, 0},
                                           NoRetryCase{"SingleNoControlLines", Operation::Single, 115200, 0x40},
                                           NoRetryCase{"BatchNoControlLines", Operation::Batch, 115200, 0x40}),
                         [](const auto &info) { return std::string(info.param.name); });

// --- stalls and cancels ---

TEST_P(BothOperations, StalledDriverEndsTheDataPhase)
{
    TransferRig rig(201);
    rig.session.setDelayFactor(kShortDelays);
    setObject(rig, "Sun", writeFile("Sun.jpg", std::string(3000, 's')), 104);
    // The driver takes 1000 bytes of the object, then no more.
    rig.phone.onData = [&](size_t received) {
        if (received == 1000) {
            rig.link.frozenAt = 1000;
            rig.link.frozen = true;
        }
    };
    const ObjectScript script = jpeg();
    script.expect(rig.phone, 3000, "");

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(run(rig, GetParam()));
    const auto spent = std::chrono::steady_clock::now() - start;
    rig.phone.onData = nullptr;
    EXPECT_GE(spent, rig.context().stallLimit);
    EXPECT_EQ(rig.phone.commands(), script.commands(3000));
    EXPECT_EQ(messageTexts(rig.prompt), Strings{"[65013]"});
    EXPECT_EQ(rig.link.outputPurges.load(), 1);
    EXPECT_EQ(rig.link.dtrChanges(), (std::vector<bool>{false, true}));
}

TEST_P(BothOperations, CancelBeforeTheStartSendsNothing)
{
    TransferRig rig(201);
    setObject(rig, "Sun", writeFile("Sun.jpg", std::string(100, 's')), 104);
    rig.progress.cancelRequested = true;
    EXPECT_FALSE(run(rig, GetParam()));
    EXPECT_TRUE(rig.phone.commands().empty());
    EXPECT_TRUE(rig.prompt.messages.empty());
    EXPECT_TRUE(rig.link.dtrChanges().empty());
}

TEST_P(BothOperations, CancelDuringTheDataPhaseLeavesItQuietly)
{
    TransferRig rig(201);
    rig.session.setDelayFactor(kShortDelays);
    setObject(rig, "Sun", writeFile("Sun.jpg", std::string(3000, 's')), 104);
    rig.phone.onData = [&](size_t received) {
        if (received == 1500)
            rig.progress.cancelRequested = true;
    };
    const ObjectScript script = jpeg();
    script.expect(rig.phone, 3000, "");

    EXPECT_FALSE(run(rig, GetParam()));
    rig.phone.onData = nullptr;
    EXPECT_EQ(rig.phone.commands(), script.commands(3000));
    EXPECT_TRUE(rig.prompt.messages.empty());
    EXPECT_EQ(rig.link.dtrChanges(), (std::vector<bool>{false, true}));
}

// The object went through, but the run stops before the next one, and the
// source does not hear of it as done.
TEST_F(UploadTest, BatchCancelledDuringAnObjectStopsAfterIt)
{
    TransferRig rig(201);
    ListItemSource items;
    items.items = {{"A", writeFile("A.jpg", std::string(1200, 'a')), "", {104, kNoObjectType}},
                   {"B", writeFile("B.jpg", std::string(1300, 'b')), "", {104, kNoObjectType}}};
    rig.progress.itemSource = &items;
    const std::string a = batchCommand("JPEG", packageLength(1, 1200));
    rig.phone.expect({a, "\r\nCONNECT\r\n", packageLength(1, 1200), kBatchAck});
    rig.progress.onPosition = [&](std::uint32_t position) {
        if (position == packageLength(1, 1200))
            rig.progress.cancelRequested = true;
    };

    EXPECT_FALSE(run(rig, Operation::Batch));
    rig.progress.onPosition = nullptr;
    EXPECT_EQ(rig.phone.commands(), Strings{a});
    EXPECT_TRUE(items.doneItems.empty());
    EXPECT_TRUE(rig.prompt.messages.empty());
}

} // namespace
