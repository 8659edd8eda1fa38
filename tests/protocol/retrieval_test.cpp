// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Fetching objects into files and deleting them, against a scripted phone:
// what ends up in the target folder (byte for byte, and nothing else), what
// the user is asked and told, and what the line sees when a data phase is
// abandoned.

#include "transfer_fakes.h"

#include "amr_convert.h"
#include "trelvix.h"
#include "wav_container.h"
#include "wav_convert.h"

#include <gtest/gtest.h>

#include <sys/statvfs.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace {

using namespace protocol_test;
using namespace quillora;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr ObjectType kWav = 1;
constexpr ObjectType kImel = 4;
constexpr ObjectType kAmr = 14;
constexpr ObjectType kWbmp = 101;
constexpr ObjectType kJpeg = 104;

const std::string kAudioData = QUILLORA_AUDIO_TEST_DATA;
const std::string kNoCarrier = "\r\nNO CARRIER\r\n";
const std::string kJfifHead("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12);

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::span<const std::uint8_t> bytesOf(const std::string &s)
{
    return {reinterpret_cast<const std::uint8_t *>(s.data()), s.size()};
}

std::string stringOf(const std::vector<std::uint8_t> &v)
{
    return {v.begin(), v.end()};
}

// Object bytes that no content check mistakes for a known format.
std::string filler(size_t n, unsigned seed = 0x11)
{
    std::string out(n, '\0');
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<char>((seed + i * 7 + i / 251) & 0xFF);
    return out;
}

std::string le16(std::uint32_t v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
}

std::string le32(std::uint32_t v)
{
    return le16(v & 0xFFFF) + le16(v >> 16);
}

std::string section(std::uint32_t type, std::uint32_t kind, const std::string &content)
{
    return le16(type) + le16(kind) + le32(static_cast<std::uint32_t>(content.size())) + content;
}

// What a 2.01 phone sends: the head, the title (UTF-16LE, ASCII here) and
// the object.
std::string packageOf(const std::string &title, ObjectType type, const std::string &object)
{
    std::string title16;
    for (char c : title)
        title16 += std::string{c, '\0'};
    const std::string body = section(0, 0, title16) + section(type, 1, object);
    return le32(static_cast<std::uint32_t>(body.size() + 4)) + le32(0x00010001) + body;
}

std::string kpsrHead(std::uint64_t declared)
{
    return "\r\n+KPSR: " + std::to_string(declared) + "\r\n\r\nCONNECT\r\n";
}

// The phone's whole answer to AT+KPSR for a complete data phase.
std::string answer(const std::string &data)
{
    return kpsrHead(data.size()) + data + kNoCarrier;
}

// The phone's names are hexadecimal UCS-2.
std::string phoneNameOf(std::string_view title)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : title)
        out += std::string("00") + kHex[c >> 4] + kHex[c & 15];
    return out;
}

// Table rows show as their label in failure messages.
template <typename Row>
    requires requires(const Row &row) { row.label; }
void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.label;
}

Step step(std::string command, std::string reply)
{
    return Step{std::move(command), std::move(reply), 0, {}};
}

std::vector<std::string> shown(const TransferRig &rig)
{
    std::vector<std::string> out;
    for (const auto &message : rig.prompt.messages)
        out.push_back(message.text);
    return out;
}

std::string testName()
{
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char &c : name)
        if (c == '/')
            c = '_';
    return name;
}

class RetrievalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("quillora-retrieval-" + std::to_string(::getpid()) + "-" + testName());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string at(const std::string &name) const { return (folder / name).string(); }
    void writeFile(const std::string &name, const std::string &bytes) const
    {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    // Every entry of the folder, hidden ones included.
    std::set<std::string> entries() const
    {
        std::set<std::string> out;
        for (const auto &entry : fs::directory_iterator(folder))
            out.insert(entry.path().filename().string());
        return out;
    }
    // The folder's files with their contents.
    std::map<std::string, std::string> files() const
    {
        std::map<std::string, std::string> out;
        for (const auto &name : entries())
            out[name] = readFile(folder / name);
        return out;
    }

    TransferItem item(const std::string &fileName, ObjectType type) const
    {
        TransferItem out;
        out.name = fileName;
        out.path = at(fileName);
        out.third = phoneNameOf(fs::path(fileName).stem().string());
        out.types[0] = type;
        return out;
    }
    static std::string request(const TransferItem &item) { return "AT+KPSR=\"" + item.third + "\""; }
    void expectFetch(TransferRig &rig, const TransferItem &item, const std::string &reply) const
    {
        rig.phone.expect(step(request(item), reply));
    }

    bool receive(TransferRig &rig, std::vector<TransferItem> items)
    {
        source.items = std::move(items);
        rig.progress.mode = TransferMode::Receive;
        rig.progress.options |= transfer_option::kManyItems;
        rig.progress.itemSource = &source;
        auto context = rig.context();
        return ReceiveObjects(context, rig.progress);
    }

    fs::path folder;
    ListItemSource source;
};

// --- what a data phase carries ---

TEST_F(RetrievalTest, PackageFromProtocol201StoresOnlyTheObjectOverTheOldFile)
{
    TransferRig rig(201);
    const std::string object = filler(5000), other = filler(300, 0x29);
    writeFile("Sun.jpg", "an older picture");
    const TransferItem sun = item("Sun.jpg", kJpeg), longTitle = item("Long.jpg", kJpeg);
    expectFetch(rig, sun, answer(packageOf("Sun", kJpeg, object)));
    // A title of more than one 1024-byte piece.
    expectFetch(rig, longTitle, answer(packageOf(std::string(700, 'L'), kJpeg, other)));

    EXPECT_TRUE(receive(rig, {sun, longTitle}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Sun.jpg", object}, {"Long.jpg", other}}));
    EXPECT_TRUE(shown(rig).empty());
    EXPECT_TRUE(rig.phone.unexpected().empty());
    EXPECT_TRUE(rig.phone.scriptDone());
    EXPECT_EQ(source.doneItems, (std::vector<int>{1, 2}));
    EXPECT_TRUE(rig.link.dtrChanges().empty());
}

struct RawCase {
    const char *label;
    int protocol;
    std::uint32_t options;
};

class RawDataPhase : public RetrievalTest, public ::testing::WithParamInterface<RawCase> {};

TEST_P(RawDataPhase, StoresTheBytesAsTheyCame)
{
    TransferRig rig(GetParam().protocol);
    rig.progress.options = GetParam().options;
    // Starts like a package head would, to show it is not read as one.
    const std::string object = le32(2996) + le32(0x00010001) + filler(2992);
    const TransferItem sun = item("Sun.jpg", kJpeg);
    expectFetch(rig, sun, answer(object));

    EXPECT_TRUE(receive(rig, {sun}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Sun.jpg", object}}));
    EXPECT_TRUE(shown(rig).empty());
}

INSTANTIATE_TEST_SUITE_P(Retrieval, RawDataPhase,
                         ::testing::Values(RawCase{"protocol200", 200, 0},
                                           RawCase{"packageTurnedOff", 201, transfer_option::kNoPackage}),
                         [](const auto &info) { return std::string(info.param.label); });

struct BadPackage {
    const char *label;
    std::string data;
};

class BadPackageTest : public RetrievalTest, public ::testing::WithParamInterface<BadPackage> {};

TEST_P(BadPackageTest, IsInvalidDataAndLeavesTheOldFile)
{
    TransferRig rig(201);
    rig.session.setDelayFactor(5);
    writeFile("Sun.jpg", "an older picture");
    const TransferItem sun = item("Sun.jpg", kJpeg);
    expectFetch(rig, sun, answer(GetParam().data));

    EXPECT_FALSE(receive(rig, {sun}));
    EXPECT_EQ(shown(rig), std::vector<std::string>{"[65010:7,Sun.jpg]"});
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Sun.jpg", "an older picture"}}));
    EXPECT_TRUE(source.doneItems.empty());
}

// A package head whose remaining length is off by `delta`.
std::string withHead(int delta, std::uint32_t marker, const std::string &body)
{
    return le32(static_cast<std::uint32_t>(static_cast<int>(body.size()) + 4 + delta)) + le32(marker) + body;
}

const std::string kTitle = section(0, 0, std::string("S\0u\0n\0", 6));
const std::string kObject = filler(3000);

INSTANTIATE_TEST_SUITE_P(
    Retrieval, BadPackageTest,
    ::testing::Values(
        // The remaining length must be the declared length - 4.
        BadPackage{"remainingTooLarge", withHead(+1, 0x00010001, kTitle + section(kJpeg, 1, kObject))},
        BadPackage{"remainingTooSmall", withHead(-1, 0x00010001, kTitle + section(kJpeg, 1, kObject))},
        BadPackage{"wrongMarker", withHead(0, 0x00020001, kTitle + section(kJpeg, 1, kObject))},
        // The object section claims one byte more than the package holds.
        BadPackage{"sectionOverruns", withHead(0, 0x00010001, kTitle + le16(kJpeg) + le16(1) + le32(3001) + kObject)},
        // Three bytes after the object: too few for another section head.
        BadPackage{"endsInsideASectionHead", withHead(0, 0x00010001, kTitle + section(kJpeg, 1, kObject) + "xyz")},
        BadPackage{"shorterThanAHeadAndASection", withHead(0, 0x00010001, "ab")}),
    [](const auto &info) { return std::string(info.param.label); });

// --- the type seen in the data ---

TEST_F(RetrievalTest, DeclaredWavHoldingAmrBecomesAmrWithACopyWithoutAQuestion)
{
    const std::string amr = readFile(kAudioData + "/amr/mode0.amr");
    ASSERT_TRUE(amr.starts_with("#!AMR\n"));
    const std::string pcm = stringOf(audio::AmrToPcmWav(bytesOf(amr)));
    ASSERT_FALSE(pcm.empty());
    TransferRig rig(200);
    rig.questions.convert = false; // a question would have been answered no
    const TransferItem voice = item("Voice.wav", kWav);
    expectFetch(rig, voice, answer(amr));

    EXPECT_TRUE(receive(rig, {voice}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Voice.amr", amr}, {"Voice.wav", pcm}}));
    EXPECT_TRUE(rig.questions.convertAsked.empty());
    EXPECT_TRUE(rig.questions.replaceAsked.empty());
    EXPECT_TRUE(shown(rig).empty());
}

class AmrQuestion : public RetrievalTest, public ::testing::WithParamInterface<ObjectType> {};

TEST_P(AmrQuestion, DecidesTheCopy)
{
    const std::string amr = readFile(kAudioData + "/amr/mode0.amr");
    const std::string pcm = stringOf(audio::AmrToPcmWav(bytesOf(amr)));
    ASSERT_FALSE(pcm.empty());
    // A declared IMEL melody that is AMR, and an AMR sound as declared.
    const std::string fileName = GetParam() == kImel ? "Tune.imy" : "Tune.amr";
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "answer yes" : "answer no");
        fs::remove_all(folder);
        fs::create_directories(folder);
        TransferRig rig(201);
        rig.questions.convert = yes;
        const TransferItem tune = item(fileName, GetParam());
        expectFetch(rig, tune, answer(packageOf("Tune", GetParam(), amr)));

        EXPECT_TRUE(receive(rig, {tune}));
        std::map<std::string, std::string> expected{{"Tune.amr", amr}};
        if (yes)
            expected["Tune.wav"] = pcm;
        EXPECT_EQ(files(), expected);
        EXPECT_EQ(rig.questions.convertAsked, std::vector<std::string>{"AMR"});
    }
}

INSTANTIATE_TEST_SUITE_P(Retrieval, AmrQuestion, ::testing::Values(kImel, kAmr),
                         [](const auto &info) { return info.param == kImel ? "declaredImel" : "declaredAmr"; });

struct PictureCase {
    const char *label;
    std::string head;
    const char *savedAs;
};

class PictureContent : public RetrievalTest, public ::testing::WithParamInterface<PictureCase> {};

// The title section comes first in the package: the check must look at the
// object's own first bytes.
TEST_P(PictureContent, NamesTheFileAfterWhatTheBytesShow)
{
    TransferRig rig(201);
    writeFile("Logo.wbmp", "an older wbmp");
    const std::string object = GetParam().head + filler(GetParam().head.size() < 10 ? 0 : 1500);
    const TransferItem logo = item("Logo.wbmp", kWbmp);
    expectFetch(rig, logo, answer(packageOf("Logo", kWbmp, object)));

    EXPECT_TRUE(receive(rig, {logo}));
    std::map<std::string, std::string> expected{{"Logo.wbmp", "an older wbmp"}};
    expected[GetParam().savedAs] = object; // the old file at the declared name stays, unless it is the name
    EXPECT_EQ(files(), expected);
    EXPECT_TRUE(rig.questions.replaceAsked.empty());
    EXPECT_TRUE(shown(rig).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Retrieval, PictureContent,
    ::testing::Values(PictureCase{"jfif", kJfifHead, "Logo.jpg"}, PictureCase{"bmp", "BM" + filler(8, 0x40), "Logo.bmp"},
                      PictureCase{"gif", "GIF89a" + filler(4, 0x40), "Logo.wbmp"},
                      // Fewer than ten bytes are never looked at.
                      PictureCase{"shortBmp", "BM\x01\x02\x03", "Logo.wbmp"}),
    [](const auto &info) { return std::string(info.param.label); });

// --- the PCM copy of the phone's ADPCM sounds ---

class AdpcmCopy : public RetrievalTest {
protected:
    void SetUp() override
    {
        RetrievalTest::SetUp();
        plain = readFile(kAudioData + "/voice_8k.wav");
        adpcm = stringOf(audio::CompressWavForPhone(bytesOf(plain)));
        ASSERT_FALSE(adpcm.empty());
        ASSERT_EQ(audio::WavFormatTagOf(bytesOf(adpcm)), 0x0101);
        pcm = stringOf(audio::WavToPcmWav(bytesOf(adpcm)));
        ASSERT_FALSE(pcm.empty());
    }
    std::string plain, adpcm, pcm;
};

TEST_F(AdpcmCopy, IsWrittenBesideTheSoundWhenWanted)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "answer yes" : "answer no");
        fs::remove_all(folder);
        fs::create_directories(folder);
        TransferRig rig(201);
        rig.questions.convert = yes;
        const TransferItem voice = item("Voice.wav", kWav);
        expectFetch(rig, voice, answer(packageOf("Voice", kWav, adpcm)));

        EXPECT_TRUE(receive(rig, {voice}));
        std::map<std::string, std::string> expected{{"Voice.wav", adpcm}};
        if (yes)
            expected["Voice (PCM).wav"] = pcm;
        EXPECT_EQ(files(), expected);
        EXPECT_EQ(rig.questions.convertAsked, std::vector<std::string>{"ADPCM"});
    }
}

TEST_F(AdpcmCopy, IsNotOfferedForAPcmSound)
{
    TransferRig rig(201);
    rig.questions.convert = true;
    const TransferItem voice = item("Voice.wav", kWav);
    expectFetch(rig, voice, answer(packageOf("Voice", kWav, plain)));

    EXPECT_TRUE(receive(rig, {voice}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Voice.wav", plain}}));
    EXPECT_TRUE(rig.questions.convertAsked.empty());
}

// --- a file in the way of a corrected name or of a copy ---

struct CollisionCase {
    const char *label;
    bool copy; // the copy of an ADPCM sound collides; otherwise a corrected name
    ReplaceAnswer answer;
    bool result;
    // name -> "old", "received", "pcm" or "sun"
    std::map<std::string, std::string> files;
};

class Collision : public AdpcmCopy, public ::testing::WithParamInterface<CollisionCase> {};

// A second item follows the one that collides: it shows whether the run
// went on.
TEST_P(Collision, FollowsTheAnswer)
{
    const CollisionCase &c = GetParam();
    TransferRig rig(201);
    rig.questions.convert = true;
    rig.questions.replaceAnswer = c.answer;
    const std::string logoData = kJfifHead + filler(900);
    const std::string sunData = filler(700, 0x23);
    const std::string collided = c.copy ? "Voice (PCM).wav" : "Logo.jpg";
    rig.questions.renameTo = at(c.copy ? "Voice copy.wav" : "Logo (2).jpg");
    writeFile(collided, "old");
    const TransferItem first = c.copy ? item("Voice.wav", kWav) : item("Logo.wbmp", kWbmp);
    const TransferItem sun = item("Sun.jpg", kJpeg);
    expectFetch(rig, first, answer(packageOf("First", first.types[0], c.copy ? adpcm : logoData)));
    expectFetch(rig, sun, answer(packageOf("Sun", kJpeg, sunData)));

    EXPECT_EQ(receive(rig, {first, sun}), c.result);
    const std::map<std::string, std::string> tokens{
        {"old", "old"}, {"received", c.copy ? adpcm : logoData}, {"pcm", pcm}, {"sun", sunData}};
    std::map<std::string, std::string> expected;
    for (const auto &[name, token] : c.files)
        expected[name] = tokens.at(token);
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(rig.questions.replaceAsked, std::vector<std::string>{at(collided)});
    EXPECT_TRUE(shown(rig).empty());
    EXPECT_EQ(rig.phone.commands().size(), c.result ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Retrieval, Collision,
    ::testing::Values(
        CollisionCase{"nameYes", false, ReplaceAnswer::Yes, true, {{"Logo.jpg", "received"}, {"Sun.jpg", "sun"}}},
        CollisionCase{"nameSkip", false, ReplaceAnswer::Skip, true, {{"Logo.jpg", "old"}, {"Sun.jpg", "sun"}}},
        CollisionCase{"nameRename",
                      false,
                      ReplaceAnswer::Rename,
                      true,
                      {{"Logo.jpg", "old"}, {"Logo (2).jpg", "received"}, {"Sun.jpg", "sun"}}},
        CollisionCase{"nameCancel", false, ReplaceAnswer::Cancel, false, {{"Logo.jpg", "old"}}},
        CollisionCase{"copyYes",
                      true,
                      ReplaceAnswer::Yes,
                      true,
                      {{"Voice.wav", "received"}, {"Voice (PCM).wav", "pcm"}, {"Sun.jpg", "sun"}}},
        CollisionCase{"copySkip",
                      true,
                      ReplaceAnswer::Skip,
                      true,
                      {{"Voice.wav", "received"}, {"Voice (PCM).wav", "old"}, {"Sun.jpg", "sun"}}},
        CollisionCase{"copyRename",
                      true,
                      ReplaceAnswer::Rename,
                      true,
                      {{"Voice.wav", "received"},
                       {"Voice (PCM).wav", "old"},
                       {"Voice copy.wav", "pcm"},
                       {"Sun.jpg", "sun"}}},
        // The sound itself was complete before the question: it stays.
        CollisionCase{"copyCancel",
                      true,
                      ReplaceAnswer::Cancel,
                      false,
                      {{"Voice.wav", "received"}, {"Voice (PCM).wav", "old"}}}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(AdpcmCopy, AllAnswersEveryLaterCollisionOfTheRun)
{
    TransferRig rig(201);
    rig.questions.convert = true;
    rig.questions.replaceAnswer = ReplaceAnswer::All;
    const std::string logoData = kJfifHead + filler(900);
    const std::string iconData = kJfifHead + filler(400, 0x55);
    for (const char *name : {"Logo.jpg", "Voice (PCM).wav", "Icon.jpg"})
        writeFile(name, "old");
    const TransferItem logo = item("Logo.wbmp", kWbmp);
    const TransferItem voice = item("Voice.wav", kWav);
    const TransferItem icon = item("Icon.wbmp", kWbmp);
    expectFetch(rig, logo, answer(packageOf("Logo", kWbmp, logoData)));
    expectFetch(rig, voice, answer(packageOf("Voice", kWav, adpcm)));
    expectFetch(rig, icon, answer(packageOf("Icon", kWbmp, iconData)));

    EXPECT_TRUE(receive(rig, {logo, voice, icon}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Logo.jpg", logoData},
                                                           {"Voice.wav", adpcm},
                                                           {"Voice (PCM).wav", pcm},
                                                           {"Icon.jpg", iconData}}));
    EXPECT_EQ(rig.questions.replaceAsked, std::vector<std::string>{at("Logo.jpg")});
}

// A declared WAV that is AMR lands as .amr; its copy would take the
// declared name, where a file is already.
TEST_F(RetrievalTest, CopyOfACorrectedSoundAsksBeforeTakingTheDeclaredName)
{
    const std::string amr = readFile(kAudioData + "/amr/mode0.amr");
    TransferRig rig(201);
    rig.questions.replaceAnswer = ReplaceAnswer::Skip;
    writeFile("Voice.wav", "an older sound");
    const TransferItem voice = item("Voice.wav", kWav);
    expectFetch(rig, voice, answer(packageOf("Voice", kWav, amr)));

    EXPECT_TRUE(receive(rig, {voice}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Voice.amr", amr}, {"Voice.wav", "an older sound"}}));
    EXPECT_EQ(rig.questions.replaceAsked, std::vector<std::string>{at("Voice.wav")});
}

// --- the run and its progress ---

TEST_F(RetrievalTest, ReportsEachItemAndItsDataPhase)
{
    TransferRig rig(200);
    const std::string a = filler(1500), c = filler(700, 0x31);
    const TransferItem first = item("A.jpg", kJpeg), skipped = item("B.jpg", kJpeg), third = item("C.jpg", kJpeg);
    source.skip = {2};
    expectFetch(rig, first, answer(a));
    expectFetch(rig, third, answer(c));

    EXPECT_TRUE(receive(rig, {first, skipped, third}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"A.jpg", a}, {"C.jpg", c}}));
    EXPECT_EQ(source.fetched, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(source.doneItems, (std::vector<int>{1, 3}));
    EXPECT_EQ(rig.phone.commands(), (std::vector<std::string>{request(first), request(third)}));
    EXPECT_EQ(rig.progress.all("counter"), (std::vector<std::string>{"(1/3)", "(2/3)", "(3/3)"}));
    EXPECT_EQ(rig.progress.all("name"), (std::vector<std::string>{"A.jpg", "C.jpg"}));
    EXPECT_EQ(rig.progress.all("range"), (std::vector<std::string>{"1500", "700"}));
    EXPECT_EQ(rig.progress.all("step"), (std::vector<std::string>{"[203]", "[208]", "[209]", "[207]", "[203]", "[203]",
                                                                  "[208]", "[209]", "[207]"}));
    // Pieces of at most 1024 bytes, each reported.
    EXPECT_EQ(rig.progress.all("detail"), (std::vector<std::string>{"", "[8741:1024,1500]", "[8741:1500,1500]", "",
                                                                    "", "[8741:700,700]"}));
    EXPECT_EQ(rig.progress.positions, (std::vector<std::uint32_t>{0, 1024, 1500, 0, 0, 700}));
}

// The received file and its copy are ordinary files of the user: the same
// permissions as any other file created in the folder.
TEST_F(RetrievalTest, WrittenFilesGetTheUsualPermissions)
{
    const std::string amr = readFile(kAudioData + "/amr/mode0.amr");
    TransferRig rig(201);
    writeFile("reference", "x");
    const TransferItem voice = item("Voice.wav", kWav);
    expectFetch(rig, voice, answer(packageOf("Voice", kWav, amr)));

    EXPECT_TRUE(receive(rig, {voice}));
    const auto usual = fs::status(folder / "reference").permissions();
    EXPECT_EQ(fs::status(folder / "Voice.amr").permissions(), usual);
    EXPECT_EQ(fs::status(folder / "Voice.wav").permissions(), usual);
}

// The data are all in when the move fails: the folder stays as it was.
TEST_F(RetrievalTest, FolderInTheWayOfTheFileIsLeftAlone)
{
    TransferRig rig(201);
    fs::create_directories(folder / "Sun.jpg" / "inside");
    const TransferItem sun = item("Sun.jpg", kJpeg);
    expectFetch(rig, sun, answer(packageOf("Sun", kJpeg, filler(900))));

    EXPECT_FALSE(receive(rig, {sun}));
    EXPECT_EQ(shown(rig), std::vector<std::string>{"[65008:1,Sun.jpg]"});
    EXPECT_EQ(entries(), std::set<std::string>{"Sun.jpg"});
    EXPECT_TRUE(fs::is_directory(folder / "Sun.jpg" / "inside"));
}

TEST_F(RetrievalTest, DefaultSourceFetchesTheRunsObjectIntoTheFolder)
{
    TransferRig rig(201);
    const std::string object = filler(1200);
    rig.progress.mode = TransferMode::Receive;
    rig.progress.objectName = "Sun.jpg";
    rig.progress.filePath = folder.string();
    rig.progress.secondPath = phoneNameOf("Sun");
    rig.progress.objectType = kJpeg;
    rig.phone.expect(step("AT+KPSR=\"" + phoneNameOf("Sun") + "\"", answer(packageOf("Sun", kJpeg, object))));
    auto context = rig.context();

    EXPECT_TRUE(ReceiveObjects(context, rig.progress));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Sun.jpg", object}}));
    EXPECT_EQ(rig.progress.itemSource, nullptr);
}

// --- failures: nothing half-written, the old file as it was ---

TEST_F(RetrievalTest, CancelDuringTheDataPhaseLeavesItAndKeepsTheOldFile)
{
    TransferRig rig(200);
    const std::string old = filler(4000, 0x77);
    writeFile("Sun.jpg", old);
    const TransferItem sun = item("Sun.jpg", kJpeg);
    // Part of the data, then the phone goes quiet: only the cancel ends the
    // wait early.
    expectFetch(rig, sun, kpsrHead(6000) + filler(2500));
    rig.progress.onPosition = [&](std::uint32_t position) {
        if (position >= 1024)
            rig.progress.cancelRequested = true;
    };
    // The phone answers the end of the data mode.
    rig.link.onDtr = [&](bool on) {
        if (on)
            rig.phone.push(kNoCarrier + "\r\nOK\r\n");
    };

    const auto start = Clock::now();
    EXPECT_FALSE(receive(rig, {sun}));
    EXPECT_LT(Clock::now() - start, rig.session.scaled(3000));
    EXPECT_TRUE(shown(rig).empty());
    EXPECT_EQ(rig.link.dtrChanges(), (std::vector<bool>{false, true}));
    EXPECT_EQ(rig.link.inputPurges.load(), 1);
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Sun.jpg", old}}));
    EXPECT_TRUE(source.doneItems.empty());
}

struct EarlyFailure {
    const char *label;
    std::string reply;
    const char *message;
    bool announced = false; // +KPSR came: the phone is about to send and must leave its data mode
};

class BeforeTheData : public RetrievalTest, public ::testing::WithParamInterface<EarlyFailure> {};

TEST_P(BeforeTheData, FailsTheItemAndLeavesTheDataModeOnlyOnceAnnounced)
{
    TransferRig rig(201);
    rig.session.setDelayFactor(5);
    writeFile("Sun.jpg", "an older picture");
    const TransferItem sun = item("Sun.jpg", kJpeg);
    expectFetch(rig, sun, GetParam().reply);

    EXPECT_FALSE(receive(rig, {sun}));
    EXPECT_EQ(shown(rig), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Sun.jpg", "an older picture"}}));
    if (GetParam().announced) {
        EXPECT_EQ(rig.link.dtrChanges(), (std::vector<bool>{false, true}));
        EXPECT_EQ(rig.link.inputPurges.load(), 1);
    } else {
        EXPECT_TRUE(rig.link.dtrChanges().empty());
        EXPECT_EQ(rig.link.inputPurges.load(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Retrieval, BeforeTheData,
    ::testing::Values(EarlyFailure{"noReply", "", "[65013]"},
                      EarlyFailure{"otherLine", "\r\nOK\r\n", "[65006]"},
                      EarlyFailure{"phoneCode", "\r\n+CME ERROR: 100,65512\r\n", "[705:65512]"},
                      EarlyFailure{"cmeError", "\r\n+CME ERROR: 3\r\n", "[65000:10003]"},
                      EarlyFailure{"declaredZero", "\r\n+KPSR: 0\r\n\r\nCONNECT\r\n\r\nNO CARRIER\r\n",
                                   "[65008:1,Sun.jpg]", true},
                      EarlyFailure{"declaredNoNumber", "\r\n+KPSR: abc\r\n", "[65010:7,Sun.jpg]", true},
                      EarlyFailure{"declaredBeyond32Bits", "\r\n+KPSR: 4294967296\r\n", "[65010:7,Sun.jpg]", true},
                      EarlyFailure{"noConnect", "\r\n+KPSR: 100\r\n", "[65013]", true},
                      EarlyFailure{"otherThanConnect", "\r\n+KPSR: 100\r\n\r\nOK\r\n", "[65006]", true}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(RetrievalTest, DeclaredLengthBeyondTheFreeSpaceIsRefusedBeforeAnyData)
{
    struct statvfs disk {};
    ASSERT_EQ(::statvfs(folder.c_str(), &disk), 0);
    const std::uint64_t declared = std::uint64_t{disk.f_bavail} * disk.f_frsize + (64u << 20);
    if (declared > UINT32_MAX)
        GTEST_SKIP() << "the temporary folder has more than 4 GiB free; set TMPDIR to a smaller file system";
    TransferRig rig(200);
    rig.session.setDelayFactor(5);
    const TransferItem big = item("Big.jpg", kJpeg);
    expectFetch(rig, big, kpsrHead(declared) + filler(3000));

    EXPECT_FALSE(receive(rig, {big}));
    EXPECT_EQ(shown(rig), std::vector<std::string>{"[65008:1,Big.jpg]"});
    EXPECT_TRUE(entries().empty());
}

struct DataFault {
    const char *label;
    size_t sent;         // of the 3000 declared bytes
    std::string closing; // what follows them
    std::uint32_t lineErrors;
    bool ringOverflow;
    const char *message;
};

class DuringTheData : public RetrievalTest, public ::testing::WithParamInterface<DataFault> {};

TEST_P(DuringTheData, LeavesTheDataModeAndTheOldFile)
{
    const DataFault &f = GetParam();
    TransferRig rig(200);
    rig.session.setDelayFactor(5);
    writeFile("Sun.jpg", "an older picture");
    const TransferItem sun = item("Sun.jpg", kJpeg);
    expectFetch(rig, sun, kpsrHead(3000) + filler(f.sent) + f.closing);
    // The damage happens in the middle of the data phase.
    rig.progress.onPosition = [&](std::uint32_t position) {
        if (position >= 1024 && position < 3000) {
            rig.link.errors |= f.lineErrors;
            if (f.ringOverflow)
                rig.session.receiveOverflow = true;
        }
    };

    EXPECT_FALSE(receive(rig, {sun}));
    EXPECT_EQ(shown(rig), std::vector<std::string>{f.message});
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Sun.jpg", "an older picture"}}));
    EXPECT_EQ(rig.link.dtrChanges(), (std::vector<bool>{false, true}));
    EXPECT_EQ(rig.link.inputPurges.load(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Retrieval, DuringTheData,
    ::testing::Values(DataFault{"dataStopsShort", 2000, "", 0, false, "[65013]"},
                      DataFault{"noNoCarrier", 3000, "", 0, false, "[65013]"},
                      DataFault{"otherThanNoCarrier", 3000, "\r\nNO CARRIEX\r\n", 0, false, "[65006]"},
                      DataFault{"framingError", 3000, kNoCarrier, TRELVIX_CE_FRAME, false, "[65014:132,Sun.jpg]"},
                      DataFault{"overrun", 3000, kNoCarrier, TRELVIX_CE_OVERRUN, false, "[65014:132,Sun.jpg]"},
                      DataFault{"deviceError", 3000, kNoCarrier, TRELVIX_CE_IOE, false, "[65014:132,Sun.jpg]"},
                      DataFault{"ringOverflow", 3000, kNoCarrier, 0, true, "[65014:132,Sun.jpg]"}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(RetrievalTest, BreakOnTheLineDamagesNoData)
{
    TransferRig rig(200);
    const std::string object = filler(3000);
    const TransferItem sun = item("Sun.jpg", kJpeg);
    expectFetch(rig, sun, answer(object));
    rig.progress.onPosition = [&](std::uint32_t position) {
        if (position >= 1024)
            rig.link.errors |= TRELVIX_CE_BREAK;
    };

    EXPECT_TRUE(receive(rig, {sun}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"Sun.jpg", object}}));
    EXPECT_TRUE(shown(rig).empty());
}

TEST_F(RetrievalTest, RunStopsAtTheFirstFailedItem)
{
    TransferRig rig(201);
    const std::string a = filler(800);
    const TransferItem first = item("A.jpg", kJpeg), second = item("B.jpg", kJpeg), third = item("C.jpg", kJpeg);
    expectFetch(rig, first, answer(packageOf("A", kJpeg, a)));
    expectFetch(rig, second, "\r\n+CME ERROR: 100,65512\r\n");
    expectFetch(rig, third, answer(packageOf("C", kJpeg, filler(100))));

    EXPECT_FALSE(receive(rig, {first, second, third}));
    EXPECT_EQ(rig.phone.commands(), (std::vector<std::string>{request(first), request(second)}));
    EXPECT_EQ(source.doneItems, std::vector<int>{1});
    EXPECT_EQ(source.fetched, (std::vector<int>{1, 2}));
    EXPECT_EQ(files(), (std::map<std::string, std::string>{{"A.jpg", a}}));
    EXPECT_EQ(shown(rig), std::vector<std::string>{"[705:65512]"});
}

// --- names from the phone or its listing that must not be used ---

struct HostileItem {
    const char *label;
    const char *relativePath; // under the target folder "in", which holds an empty "sub"
    const char *phoneName;    // empty: a plain one
    bool defaultSource;       // the run's own object, with relativePath as its name
    const char *message;
};

class HostileNames : public RetrievalTest, public ::testing::WithParamInterface<HostileItem> {};

TEST_P(HostileNames, AreRefusedBeforeAnythingIsSentOrWritten)
{
    const HostileItem &h = GetParam();
    const fs::path in = folder / "in";
    fs::create_directories(in / "sub");
    TransferRig rig(201);
    TransferItem target;
    target.name = h.relativePath;
    target.path = (in / h.relativePath).string();
    target.third = *h.phoneName ? h.phoneName : phoneNameOf("Sun");
    target.types[0] = kJpeg;
    rig.session.setDelayFactor(5);
    // Should it be asked for, the phone sends an object.
    rig.phone.expect(step("AT+KPSR=\"" + target.third + "\"", answer(packageOf("Sun", kJpeg, filler(500)))));

    bool result = true;
    if (h.defaultSource) {
        rig.progress.mode = TransferMode::Receive;
        rig.progress.objectName = h.relativePath;
        rig.progress.filePath = in.string();
        rig.progress.secondPath = target.third;
        rig.progress.objectType = kJpeg;
        auto context = rig.context();
        result = ReceiveObjects(context, rig.progress);
    } else {
        result = receive(rig, {target});
    }
    EXPECT_FALSE(result);
    EXPECT_EQ(shown(rig), std::vector<std::string>{h.message});
    EXPECT_TRUE(rig.phone.commands().empty());
    EXPECT_EQ(entries(), std::set<std::string>{"in"});
    std::set<std::string> inside;
    for (const auto &entry : fs::recursive_directory_iterator(in))
        inside.insert(fs::relative(entry.path(), in).string());
    EXPECT_EQ(inside, std::set<std::string>{"sub"});
}

INSTANTIATE_TEST_SUITE_P(
    Retrieval, HostileNames,
    ::testing::Values(
        HostileItem{"nameClimbsOut", "../escaped.jpg", "", true, "[65008:1,../escaped.jpg]"},
        HostileItem{"nameWithSlash", "sub/Sun.jpg", "", true, "[65008:1,sub/Sun.jpg]"},
        HostileItem{"nameDotDot", "..", "", true, "[65008:1,..]"},
        HostileItem{"pathClimbsOut", "sub/../../escaped.jpg", "", false, "[65008:1,sub/../../escaped.jpg]"},
        HostileItem{"pathWithDotDot", "sub/../Sun.jpg", "", false, "[65008:1,sub/../Sun.jpg]"},
        HostileItem{"pathIsTheFolder", "", "", false, "[65008:1,]"},
        HostileItem{"phoneNameWithQuote", "Sun.jpg", "0053\",\"0041", false, "[65010:7,Sun.jpg]"},
        HostileItem{"phoneNameWithCr", "Sun.jpg", "0053\rAT+KPSD=\"0041", false, "[65010:7,Sun.jpg]"},
        HostileItem{"phoneNameWithLf", "Sun.jpg", "0053\n", false, "[65010:7,Sun.jpg]"}),
    [](const auto &info) { return std::string(info.param.label); });

// --- deletion ---

class DeletionTest : public ::testing::Test {
protected:
    static TransferItem object(const std::string &title, std::uint32_t size)
    {
        TransferItem out;
        out.name = title;
        out.third = phoneNameOf(title);
        out.types[0] = size;
        return out;
    }
    static std::string command(const TransferItem &item) { return "AT+KPSD=\"" + item.third + "\""; }
    bool remove(TransferRig &rig, std::vector<TransferItem> items)
    {
        source.items = std::move(items);
        rig.progress.mode = TransferMode::Delete;
        rig.progress.options = transfer_option::kManyItems;
        rig.progress.itemSource = &source;
        auto context = rig.context();
        return DeleteObjects(context, rig.progress);
    }
    ListItemSource source;
};

TEST_F(DeletionTest, DeletesEachItemAndCountsAnObjectAlreadyGone)
{
    TransferRig rig;
    const auto a = object("A", 100), gone = object("B", 200), c = object("C", 300);
    rig.phone.expect(step(command(a), "\r\nOK\r\n"));
    rig.phone.expect(step(command(gone), "\r\n+CME ERROR: 100,65512\r\n"));
    rig.phone.expect(step(command(c), "\r\nOK\r\n"));

    EXPECT_TRUE(remove(rig, {a, gone, c}));
    EXPECT_TRUE(rig.phone.scriptDone());
    EXPECT_TRUE(rig.phone.unexpected().empty());
    EXPECT_EQ(source.doneItems, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(rig.progress.positions, (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(rig.progress.all("range"), std::vector<std::string>{"3"});
    EXPECT_EQ(rig.progress.all("name"), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(rig.progress.all("counter"), (std::vector<std::string>{"(1/3)", "(2/3)", "(3/3)"}));
    EXPECT_TRUE(shown(rig).empty());
}

// Cancel while the phone deletes an object: that object is gone, so the
// source hears of it; the next one is not sent and the run ends Cancelled.
TEST_F(DeletionTest, CancelStopsAfterTheObjectInHandAndReportsIt)
{
    TransferRig rig;
    const auto a = object("A", 100), b = object("B", 200);
    rig.phone.expect(step(command(a), "\r\nOK\r\n"));
    source.cancelAt = 1;
    source.items = {a, b};
    rig.progress.mode = TransferMode::Delete;
    rig.progress.itemSource = &source;
    auto context = rig.context();
    EXPECT_EQ(RunPhoneOperation(rig.progress, rig.connection, [&](TransferProgress &p) {
                  return DeleteObjects(context, p);
              }),
              TransferResult::Cancelled);
    EXPECT_TRUE(rig.phone.scriptDone());
    EXPECT_TRUE(rig.phone.unexpected().empty());
    EXPECT_EQ(source.doneItems, std::vector<int>{1});
    EXPECT_TRUE(shown(rig).empty());
}

TEST_F(DeletionTest, SkippedItemIsNotSent)
{
    TransferRig rig;
    const auto a = object("A", 100), b = object("B", 200);
    source.skip = {1};
    rig.phone.expect(step(command(b), "\r\nOK\r\n"));

    EXPECT_TRUE(remove(rig, {a, b}));
    EXPECT_EQ(rig.phone.commands(), std::vector<std::string>{command(b)});
    EXPECT_EQ(source.doneItems, std::vector<int>{2});
}

struct DeleteFailure {
    const char *label;
    std::string reply;
    const char *message;
};

class DeleteFailures : public DeletionTest, public ::testing::WithParamInterface<DeleteFailure> {};

TEST_P(DeleteFailures, EndTheRunWithTheirMessage)
{
    TransferRig rig;
    rig.session.setDelayFactor(1);
    const auto a = object("A", 100), b = object("B", 200);
    rig.phone.expect(step(command(a), GetParam().reply));
    rig.phone.expect(step(command(b), "\r\nOK\r\n"));

    EXPECT_FALSE(remove(rig, {a, b}));
    EXPECT_EQ(shown(rig), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(rig.phone.commands(), std::vector<std::string>{command(a)});
    EXPECT_TRUE(source.doneItems.empty());
}

INSTANTIATE_TEST_SUITE_P(Deletion, DeleteFailures,
                         ::testing::Values(DeleteFailure{"objectMissing", "\r\n+CME ERROR: 21\r\n", "[65011:10021]"},
                                           DeleteFailure{"noReply", "", "[65013:128]"},
                                           DeleteFailure{"otherLine", "\r\nBUSY\r\n", "[65006:129]"},
                                           DeleteFailure{"otherCme", "\r\n+CME ERROR: 3\r\n", "[65000:10003]"},
                                           DeleteFailure{"error", "\r\nERROR\r\n", "[65000:10100]"},
                                           DeleteFailure{"otherPhoneCode", "\r\n+CME ERROR: 100,65535\r\n",
                                                         "[65000:-1]"}),
                         [](const auto &info) { return std::string(info.param.label); });

TEST_F(DeletionTest, PhoneNameThatCouldEndTheCommandIsNotSent)
{
    TransferRig rig;
    auto hostile = object("A", 100);
    hostile.third = "0041\"\r\nAT+KPSD=\"0042";
    EXPECT_FALSE(remove(rig, {hostile}));
    EXPECT_TRUE(rig.phone.commands().empty());
    EXPECT_EQ(shown(rig).size(), 1u);
    EXPECT_TRUE(source.doneItems.empty());
}

// A large object takes the phone longer to delete: about a millisecond per
// KiB on top of 7 s.
TEST_F(DeletionTest, WaitForTheAnswerGrowsWithTheSize)
{
    // The time a silent phone takes to fail the deletion of `size` bytes,
    // and the session's scaled time-out of `baseMs`.
    const auto silentFailure = [this](std::uint32_t size, int baseMs, std::chrono::milliseconds &limit) {
        TransferRig rig;
        rig.session.setDelayFactor(1);
        limit = rig.session.scaled(baseMs);
        const auto silent = object("A", size);
        rig.phone.expect(step(command(silent), ""));
        const auto start = Clock::now();
        EXPECT_FALSE(remove(rig, {silent}));
        const auto elapsed = Clock::now() - start;
        EXPECT_EQ(shown(rig), std::vector<std::string>{"[65013:128]"});
        return elapsed;
    };
    std::chrono::milliseconds smallLimit{}, largeLimit{};
    const auto small = silentFailure(0, 7000, smallLimit);
    const auto large = silentFailure(43000u * 1024u, 50000, largeLimit);
    EXPECT_GE(small, smallLimit);
    EXPECT_LT(small, largeLimit);
    EXPECT_GE(large, largeLimit);
}

} // namespace
