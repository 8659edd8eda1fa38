// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The object operations end to end against the simulated phone. Uploads are
// checked against what the phone stored, listings against what it holds,
// retrievals against the folder they write.

#include "exchange_fixture.h"

#include "amr_convert.h"

namespace {

using namespace exchange_test;

// --- upload ---

struct UploadCase {
    Operation operation;
    const char *protocol;
    bool sound;
};

class UploadForms : public ObjectExchange, public ::testing::WithParamInterface<UploadCase> {};

// The phone keeps the file's bytes, or for a WAV its ADPCM form, under the
// title (the raw +KPSW of 2.00 carries none).
TEST_P(UploadForms, StoreTheFileUnderItsTitle)
{
    const UploadCase &c = GetParam();
    connect({.protocolVersion = c.protocol});
    const std::string bytes = c.sound ? audioFile("voice_8k.wav") : jpeg(3000);
    const fs::path file = folder / (c.sound ? "voice.wav" : "sun.jpg");
    writeFile(file, bytes);

    ASSERT_EQ(send(c.operation, file, "Soleil d'été", c.sound ? kWav : kJpeg), TransferResult::Succeeded);
    const auto objects = stored();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(*objects[0].data, c.sound ? adpcmVoice() : bytes);
    EXPECT_EQ(objects[0].typeName, c.sound ? "WAV" : "JPEG");
    const bool titled = c.operation == Operation::Single || std::string_view(c.protocol) == "2.01";
    EXPECT_EQ(objects[0].title, titled ? u"Soleil d'été" : u"Object 1");
    EXPECT_TRUE(shown().empty());
}

INSTANTIATE_TEST_SUITE_P(, UploadForms,
                         ::testing::Values(UploadCase{Operation::Single, "2.00", false},
                                           UploadCase{Operation::Single, "2.01", true},
                                           UploadCase{Operation::Batch, "2.00", false},
                                           UploadCase{Operation::Batch, "2.00", true},
                                           UploadCase{Operation::Batch, "2.01", false},
                                           UploadCase{Operation::Batch, "2.01", true}),
                         [](const auto &info) {
                             std::string name = info.param.operation == Operation::Single ? "Single" : "Batch";
                             name += info.param.protocol[2] == '0' && info.param.protocol[3] == '0' ? "200" : "201";
                             return name + (info.param.sound ? "Wav" : "Jpeg");
                         });

class UploadFallbacks : public ObjectExchange, public ::testing::WithParamInterface<Operation> {};

// A phone that refuses the compressed sound gets the WAV as it is; the quirk
// stays with its IMEI, so the next connection of the phone sends it
// uncompressed at once.
TEST_P(UploadFallbacks, RefusedCompressionIsRememberedForThePhone)
{
    connect({.refuseCompressedSounds = true});
    session.setDelayFactor(10); // the purge after the refusal waits for a line
    const std::string wav = audioFile("voice_8k.wav");
    const fs::path file = folder / "voice.wav";
    writeFile(file, wav);
    const std::string dataCommand = GetParam() == Operation::Single ? "AT+KDOBJ=2,1,0,1," : "AT+KPSW=\"WAV\"";

    ASSERT_EQ(send(GetParam(), file, "Voice", kWav), TransferResult::Succeeded);
    EXPECT_EQ(heard(dataCommand), 2u) << "compressed, refused, then as it is";
    EXPECT_EQ(quirks.loadQuirks(kImei), phone_quirk::kNoCompressedSounds);
    EXPECT_TRUE(shown().empty());

    disconnect();
    ConnectionState later;
    accept(later);
    EXPECT_EQ(later.quirks(), phone_quirk::kNoCompressedSounds);
    ASSERT_EQ(send(GetParam(), file, "Voice", kWav, later), TransferResult::Succeeded);
    EXPECT_EQ(heard(dataCommand), 3u) << "sent once, uncompressed";
    const auto objects = stored();
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(*objects[0].data, wav);
    EXPECT_EQ(*objects[1].data, wav);
}

// No acknowledgment at 115200 bit/s (a cable without flow control): the
// user agrees to 19200, phone and port move there, and the object arrives.
TEST_P(UploadFallbacks, UnacknowledgedObjectArrivesAt19200)
{
    connect({.noAckAboveLowSpeed = true});
    session.setDelayFactor(10); // the acknowledgment limits of 10 s and more
    const std::string bytes = jpeg(5000);
    const fs::path file = folder / "sun.jpg";
    writeFile(file, bytes);

    ASSERT_EQ(send(GetParam(), file, "Sun", kJpeg), TransferResult::Succeeded);
    EXPECT_EQ(shown(), std::vector<std::string>{"[213]"});
    EXPECT_EQ(pty->speed(), 19200u);
    EXPECT_EQ(connection.phone().speed, 19200);
    EXPECT_EQ(connection.phone().port->settings().speed, 19200u);
    EXPECT_EQ(shownSpeeds, std::vector<int>{19200});
    const auto objects = stored();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(*objects[0].data, bytes);
}

INSTANTIATE_TEST_SUITE_P(, UploadFallbacks, ::testing::Values(Operation::Single, Operation::Batch),
                         [](const auto &info) { return info.param == Operation::Single ? "Single" : "Batch"; });

// A phone that refuses the UCS-2 title phase gets the title in the code page.
TEST_F(ObjectExchange, RefusedUcs2TitleGoesAsBytes)
{
    connect({.refuseUcs2Titles = true});
    const fs::path file = folder / "sun.jpg";
    writeFile(file, jpeg(2000));
    ASSERT_EQ(send(Operation::Single, file, "Été à Paris", kJpeg), TransferResult::Succeeded);
    const auto objects = stored();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].title, u"Été à Paris");
    EXPECT_EQ(quirks.loadQuirks(kImei), phone_quirk::kByteTitles);
}

struct FaultCase {
    const char *label;
    phonesim::PhoneOptions options;
    std::string message;
    bool lineCut;
};

class UploadFaults : public ObjectExchange, public ::testing::WithParamInterface<FaultCase> {};

// A batch whose data phase goes wrong ends with its message within its
// time-outs; a phone still on the line takes the next object.
TEST_P(UploadFaults, EndTheRunInTimeAndLeaveTheLineUsable)
{
    const FaultCase &c = GetParam();
    connect(c.options);
    session.setDelayFactor(25);
    stallLimit = 500ms;
    const fs::path big = folder / "big.jpg", small = folder / "small.jpg";
    writeFile(big, jpeg(128 << 10));
    writeFile(small, jpeg(1000));

    const auto start = Clock::now();
    EXPECT_EQ(send(Operation::Batch, big, "Big", kJpeg), TransferResult::Failed);
    const auto took = Clock::now() - start;
    EXPECT_EQ(shown(), std::vector<std::string>{c.message});
    // The stall limit, the DTR pulse and two scaled 2000 ms line waits.
    EXPECT_LT(took, stallLimit + 200ms + 2 * session.scaled(2000) + 3s);
    std::printf("[ time     ] %s failed after %lld ms\n", c.label,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));

    if (c.lineCut) {
        EXPECT_NE(TRELVIX_COUNTER_READ(Comm_Errors) & TRELVIX_CE_IOE, 0u);
        EXPECT_TRUE(pty->waitHungUp(2s));
        EXPECT_TRUE(stored().empty());
        return;
    }
    // The noisy phone garbles this one too, but takes it without a package to check.
    const Operation next = c.options.dataNoiseInterval ? Operation::Single : Operation::Batch;
    ASSERT_EQ(send(next, small, "Small", kJpeg), TransferResult::Succeeded);
    const auto objects = stored();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].size(), 1000u);
}

INSTANTIATE_TEST_SUITE_P(
    , UploadFaults,
    ::testing::Values(FaultCase{"stall", {.dataStallAfterBytes = 4000}, "[65013]", false},
                      FaultCase{"hangup", {.dataHangupAfterBytes = 4000}, "[65013]", true},
                      // Garbled heads: the phone cannot read the package (-2).
                      FaultCase{"noise", {.dataNoiseInterval = 4}, "[700:-2]", false}),
    [](const auto &info) { return std::string(info.param.label); });

// --- listing ---

const std::u16string kLongTitle(255, u'Ж');

phonesim::PhoneOptions everyGroup(bool photo)
{
    return {.objects = {object(Category::Photo, u"Beach", "JPEG", jpeg(100)),
                        object(Category::Pictures, u"Sun", "JPEG", jpeg(200)),
                        object(Category::Pictures, u"Secret", "WBMP", std::string("\x00\x00\x01\x01\x80", 5), true),
                        object(Category::Pictures, kLongTitle, "JPEG", jpeg(300)),
                        object(Category::Animations, u"Spin", "AGIF", "GIF89a..."),
                        object(Category::Sounds, u"Tune", "MIDI", "MThd...."),
                        object(Category::Sounds, u"Tune", "AMR", "#!AMR\n..."),
                        object(Category::VCards, u"Jane", "VCRD", "BEGIN:VCARD\r\nEND:VCARD\r\n"),
                        object(Category::VEvent, u"Meeting", "VCAL", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n"),
                        object(Category::VTodo, u"Chores", "VCAL", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n")},
            .photoCategory = photo};
}

std::vector<std::string> titles(const std::vector<Row> &rows)
{
    std::vector<std::string> out;
    for (const Row &row : rows)
        out.push_back(row.title + row.extension + ":" + std::to_string(row.object.objectType));
    return out;
}

TEST_F(ObjectExchange, ListingCoversEveryGroupAndBothNamesOfAGroup)
{
    connect(everyGroup(true));
    auto pictures = list(0);
    ASSERT_EQ(pictures.size(), 3u);
    const std::string longTitle = pictures[2].title;
    pictures.pop_back();
    EXPECT_EQ(titles(pictures), (std::vector<std::string>{"Beach.jpg:104", "Sun.jpg:104"}));
    EXPECT_EQ(titles(list(1)), std::vector<std::string>{"Spin.gif:201"});
    EXPECT_EQ(titles(list(2)), (std::vector<std::string>{"Tune.mid:2", "Tune[1].amr:14"}));
    EXPECT_EQ(titles(list(3)), std::vector<std::string>{"Jane.vcf:220"});
    EXPECT_EQ(titles(list(4)), (std::vector<std::string>{"Meeting.vcs:221", "Chores.vcs:221"}));
    const auto withHidden = list(0, true);
    ASSERT_EQ(withHidden.size(), 4u);
    EXPECT_EQ(titles({withHidden[2]}), std::vector<std::string>{"Secret.wbmp:101"});
    EXPECT_TRUE(shown().empty());

    // The long title lists, cut to fit a file name, and its object lands there.
    const std::string full = Utf16ToUtf8(kLongTitle);
    EXPECT_FALSE(longTitle.empty());
    EXPECT_TRUE(full.starts_with(longTitle));
    ASSERT_EQ(receive({itemFor(list(0)[2])}), TransferResult::Succeeded);
    EXPECT_EQ(files(), (Files{{longTitle + ".jpg", jpeg(300)}}));
}

TEST_F(ObjectExchange, PicturesOfAPhoneWithoutPhoto)
{
    connect(everyGroup(false)); // PHOTO answers +CME ERROR: 4
    EXPECT_EQ(list(0).size(), 2u) << "Sun and the long title";
    EXPECT_TRUE(shown().empty());
}

// --- retrieval ---

class RetrievalForms : public ObjectExchange, public ::testing::WithParamInterface<const char *> {};

TEST_P(RetrievalForms, FileGetsTheObjectOverTheOldOne)
{
    const std::string bytes = jpeg(5000);
    connect({.protocolVersion = GetParam(), .objects = {object(Category::Pictures, u"Sun", "JPEG", bytes)}});
    writeFile(folder / "Sun.jpg", "an older picture");
    EXPECT_EQ(receiveGroup(0), TransferResult::Succeeded);
    EXPECT_EQ(files(), (Files{{"Sun.jpg", bytes}}));
}

INSTANTIATE_TEST_SUITE_P(, RetrievalForms, ::testing::Values("2.00", "2.01"),
                         [](const auto &info) { return std::string(info.param[3] == '0' ? "Raw" : "Package"); });

struct SoundCase {
    const char *label;
    Category category;
    const char *typeName;
    std::string data;
    std::function<Files(const std::string &)> expected; // from the stored bytes
    std::vector<std::string> asked;
};

class RetrievedContent : public ObjectExchange, public ::testing::WithParamInterface<SoundCase> {};

// The first bytes correct the declared type; compressed sounds get a PCM
// copy from the stored bytes, asked for except for a declared WAV.
TEST_P(RetrievedContent, DecidesTheNameAndTheCopy)
{
    const SoundCase &c = GetParam();
    connect({.objects = {object(c.category, u"Item", c.typeName, c.data)}});
    questions.convert = true;
    const int group = c.category == Category::Sounds ? 2 : 0;
    EXPECT_EQ(receiveGroup(group), TransferResult::Succeeded);
    EXPECT_EQ(files(), c.expected(c.data));
    EXPECT_EQ(questions.convertAsked, c.asked);
}

const std::string kAmr = audioFile("amr/mode0.amr");

Files amrWithCopy(const std::string &amr)
{
    return {{"Item.amr", amr}, {"Item.wav", text(audio::AmrToPcmWav(span(amr)))}};
}

INSTANTIATE_TEST_SUITE_P(
    , RetrievedContent,
    ::testing::Values(
        SoundCase{"WavHoldingAmr", Category::Sounds, "WAV", kAmr,
                  amrWithCopy,
                  {}},
        SoundCase{"Amr", Category::Sounds, "AMR", kAmr,
                  amrWithCopy,
                  {"AMR"}},
        SoundCase{"PhoneAdpcm", Category::Sounds, "WAV", adpcmVoice(),
                  [](const std::string &d) {
                      return Files{{"Item.wav", d}, {"Item (PCM).wav", text(audio::WavToPcmWav(span(d)))}};
                  },
                  {"ADPCM"}},
        SoundCase{"WbmpHoldingJpeg", Category::Pictures, "WBMP", jpeg(800),
                  [](const std::string &d) { return Files{{"Item.jpg", d}}; }, {}}),
    [](const auto &info) { return std::string(info.param.label); });

struct CollisionCase {
    ReplaceAnswer answer;
    const char *label;
    TransferResult result;
    size_t asked;
    // Which of the two copies are new, and where a renamed one went.
    bool firstNew, secondNew, renamed, secondFetched;
};

class CopyCollisions : public ObjectExchange, public ::testing::WithParamInterface<CollisionCase> {};

// Two ADPCM sounds whose PCM copies are in the way. Every answer comes
// after the data phase: none of them leaves the data mode again.
TEST_P(CopyCollisions, FollowTheAnswer)
{
    const CollisionCase &c = GetParam();
    connect({.objects = {object(Category::Sounds, u"Voice", "WAV", adpcmVoice()),
                         object(Category::Sounds, u"Voice2", "WAV", adpcmVoice())}},
            Link::FakePort);
    questions.convert = true;
    questions.replaceAnswer = c.answer;
    questions.renameTo = (folder / "Elsewhere.wav").string();
    writeFile(folder / "Voice (PCM).wav", "old");
    writeFile(folder / "Voice2 (PCM).wav", "old");
    const std::string pcm = text(audio::WavToPcmWav(span(adpcmVoice())));
    const auto rows = list(2);
    ASSERT_EQ(rows.size(), 2u);
    const int purgesBefore = purges();

    EXPECT_EQ(receive({itemFor(rows[0]), itemFor(rows[1])}), c.result);
    EXPECT_EQ(purges(), purgesBefore);
    Files expected{{"Voice.wav", adpcmVoice()},
                   {"Voice (PCM).wav", c.firstNew ? pcm : "old"},
                   {"Voice2 (PCM).wav", c.secondNew ? pcm : "old"}};
    if (c.secondFetched)
        expected["Voice2.wav"] = adpcmVoice();
    if (c.renamed)
        expected["Elsewhere.wav"] = pcm;
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(questions.replaceAsked.size(), c.asked);
    EXPECT_TRUE(shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    , CopyCollisions,
    ::testing::Values(CollisionCase{ReplaceAnswer::Yes, "Yes", TransferResult::Succeeded, 2, true, true, false, true},
                      CollisionCase{ReplaceAnswer::All, "All", TransferResult::Succeeded, 1, true, true, false, true},
                      CollisionCase{ReplaceAnswer::Rename, "Rename", TransferResult::Succeeded, 2, false, false, true,
                                    true},
                      CollisionCase{ReplaceAnswer::Skip, "Skip", TransferResult::Succeeded, 2, false, false, false,
                                    true},
                      CollisionCase{ReplaceAnswer::Cancel, "Cancel", TransferResult::Failed, 1, false, false, false,
                                    false}),
    [](const auto &info) { return std::string(info.param.label); });

class RetrievalCancel : public ObjectExchange, public ::testing::WithParamInterface<Link> {};

// Cancel in the middle of a large object: the phone leaves its data phase
// (the PC's purge over the pty, its DTR on the fake port), the old file
// stays, nothing partial is left, and the next object comes.
TEST_P(RetrievalCancel, KeepsTheOldFileAndTheLine)
{
    const std::string big = jpeg(2 << 20);
    const std::string small = jpeg(700);
    // On the fake port the phone sends at a line's pace, with no pty to hold it back.
    connect({.objects = {object(Category::Pictures, u"Big", "JPEG", big),
                         object(Category::Pictures, u"Small", "JPEG", small)},
             .lineRate = GetParam() == Link::FakePort ? 400000u : 0u},
            GetParam());
    session.setDelayFactor(25);
    const auto rows = list(0);
    ASSERT_EQ(rows.size(), 2u);
    writeFile(folder / "Big.jpg", "the picture that was there");

    RecordingProgress progress;
    progress.onPosition = [&](std::uint32_t position) {
        if (position >= (256u << 10))
            progress.cancelRequested = true;
    };
    const auto start = Clock::now();
    EXPECT_EQ(receive({itemFor(rows[0])}, progress), TransferResult::Cancelled);
    const auto took = Clock::now() - start;
    std::printf("[ time     ] cancel ended after %lld ms\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
    // The 500 ms with DTR low and two scaled line waits.
    EXPECT_LT(took, 500ms + 2 * session.scaled(2000) + 3s);
    EXPECT_EQ(files(), (Files{{"Big.jpg", "the picture that was there"}}));
    EXPECT_TRUE(shown().empty());

    EXPECT_EQ(receive({itemFor(rows[1])}), TransferResult::Succeeded) << ::testing::PrintToString(shown());
    EXPECT_EQ(files(), (Files{{"Big.jpg", "the picture that was there"}, {"Small.jpg", small}}));
}

INSTANTIATE_TEST_SUITE_P(, RetrievalCancel, ::testing::Values(Link::Pty, Link::FakePort),
                         [](const auto &info) { return info.param == Link::Pty ? "Pty" : "FakePort"; });

struct BrokenPhase {
    const char *label;
    phonesim::PhoneOptions options;
    std::string message;
};

class BrokenDataPhase : public ObjectExchange, public ::testing::WithParamInterface<BrokenPhase> {};

// A data phase that does not match its announcement fails the item with
// its message, in time, and leaves the old file alone.
TEST_P(BrokenDataPhase, FailsAndKeepsTheOldFile)
{
    phonesim::PhoneOptions options = GetParam().options;
    options.objects = {object(Category::Pictures, u"Sun", "JPEG", jpeg(3000))};
    connect(options);
    session.setDelayFactor(10); // a 5000 ms closing wait and 2000 ms line waits
    const auto rows = list(0);
    ASSERT_EQ(rows.size(), 1u);
    writeFile(folder / "Sun.jpg", "old");

    const auto start = Clock::now();
    EXPECT_EQ(receive({itemFor(rows[0])}), TransferResult::Failed);
    const auto took = Clock::now() - start;
    std::printf("[ time     ] %s failed after %lld ms\n", GetParam().label,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
    EXPECT_EQ(shown(), std::vector<std::string>{GetParam().message});
    // The closing wait, then leaving the data mode: 500 ms and two line waits.
    EXPECT_LT(took, session.scaled(5000) + 500ms + 2 * session.scaled(2000) + 3s);
    EXPECT_EQ(files(), (Files{{"Sun.jpg", "old"}}));
}

INSTANTIATE_TEST_SUITE_P(
    , BrokenDataPhase,
    ::testing::Values(
        // The raw form reads into the NO CARRIER, or leaves object bytes before it.
        BrokenPhase{"RawLonger", {.protocolVersion = "2.00", .retrievalLengthError = 10}, "[65006]"},
        BrokenPhase{"RawShorter", {.protocolVersion = "2.00", .retrievalLengthError = -10}, "[65006]"},
        // The package's own length no longer matches.
        BrokenPhase{"PackageLonger", {.retrievalLengthError = 10}, "[65010:7,Sun.jpg]"},
        BrokenPhase{"NoCarrierMissing", {.dataEnd = phonesim::DataEnd::Nothing}, "[65013]"},
        BrokenPhase{"OkInsteadOfNoCarrier", {.dataEnd = phonesim::DataEnd::OkOnly}, "[65006]"}),
    [](const auto &info) { return std::string(info.param.label); });

// --- deletion ---

TEST_F(ObjectExchange, DeletionCountsAnObjectAlreadyGone)
{
    connect({.objects = {object(Category::Sounds, u"One", "MIDI", "MThd1"),
                         object(Category::Sounds, u"Two", "MIDI", "MThd2"),
                         object(Category::Sounds, u"Three", "MIDI", "MThd3")}});
    const auto rows = list(2);
    ASSERT_EQ(rows.size(), 3u);
    pty->withStore([&](phonesim::ObjectStore &store) {
        const std::u16string name = store.objects().at(1).name;
        store.remove(name);
    });

    ListItemSource source;
    for (const Row &row : rows)
        source.items.push_back({row.title, {}, row.object.phoneName, {row.object.size, kNoObjectType}});
    RecordingProgress progress;
    progress.itemSource = &source;
    EXPECT_EQ(run(TransferMode::Delete, progress, connection), TransferResult::Succeeded);
    EXPECT_EQ(source.doneItems, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(stored().empty());
    EXPECT_TRUE(list(2).empty()) << "the phone says it stores nothing";
    EXPECT_TRUE(shown().empty());
}

} // namespace
