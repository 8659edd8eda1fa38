// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The simulated phone's objects: the text forms its names and titles take
// on the wire, its type table, and the store in memory and in a folder.

#include "object_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using phonesim::Category;
using phonesim::ObjectStore;
using phonesim::StoredObject;

std::shared_ptr<const std::string> bytesOf(std::string text)
{
    return std::make_shared<const std::string>(std::move(text));
}

TEST(TextForms, HexUcs2BothWays)
{
    const struct {
        std::u16string text;
        const char *hex;
    } cases[] = {
        {u"Ring", "00520069006E0067"},
        {u"Звук", "041704320443043A"},       // Cyrillic
        {u"音楽", "97F3697D"},               // CJK
        {u"\U0001F3B5", "D83CDFB5"},         // outside the BMP: a surrogate pair, 2 units
        {u"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(phonesim::hexUcs2(c.text), c.hex);
        EXPECT_EQ(phonesim::fromHexUcs2(c.hex), c.text) << c.hex;
    }
    EXPECT_EQ(phonesim::fromHexUcs2("00520069006e0067"), u"Ring") << "lower-case digits";
    for (const char *bad : {"0052006", "005G", "0052 069", "+0052"})
        EXPECT_FALSE(phonesim::fromHexUcs2(bad)) << bad;
}

TEST(TextForms, Utf8Utf16LeAndWindows1252)
{
    EXPECT_EQ(phonesim::fromUtf8("Звук 音楽 \xF0\x9F\x8E\xB5"), u"Звук 音楽 \U0001F3B5");
    EXPECT_EQ(phonesim::toUtf8(u"Звук 音楽 \U0001F3B5"), "Звук 音楽 \xF0\x9F\x8E\xB5");
    // A cut sequence, an overlong slash and a stray continuation byte.
    EXPECT_EQ(phonesim::fromUtf8("a\xD0" "b\xC0\xAF" "c\x80"), u"a\uFFFDb\uFFFD\uFFFDc\uFFFD");
    EXPECT_EQ(phonesim::toUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD") << "a lone surrogate";

    EXPECT_EQ(phonesim::toUtf16Le(u"Sü"), std::string("S\0\xFC\0", 4));
    EXPECT_EQ(phonesim::fromUtf16Le(std::string("S\0\x1A\x04Z", 5)), u"S\u041A") << "the odd byte is dropped";

    EXPECT_EQ(phonesim::fromWindows1252("\x80\x81\x9F\xE9\xFF"), u"\u20AC\u0081\u0178\u00E9\u00FF");
}

// RIFF size, WAVE, then the chunks given.
std::string wav(const std::string &chunks)
{
    std::string out = "RIFF";
    const uint32_t size = static_cast<uint32_t>(4 + chunks.size());
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((size >> (8 * i)) & 0xFF);
    return out + "WAVE" + chunks;
}

std::string chunk(const std::string &id, const std::string &content)
{
    std::string out = id;
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((content.size() >> (8 * i)) & 0xFF);
    out += content;
    if (content.size() % 2)
        out += '\0';
    return out;
}

TEST(WavFormatTag, FoundPastOtherChunksAndMissingWhenCut)
{
    const std::string fmtAdpcm = chunk("fmt ", std::string("\x01\x01\x01\x00\x40\x1F\x00\x00", 8));
    const std::string fmtPcm = chunk("fmt ", std::string("\x01\x00\x01\x00", 4));
    EXPECT_EQ(phonesim::wavFormatTag(wav(fmtAdpcm + chunk("data", "xx"))), 0x0101);
    EXPECT_EQ(phonesim::wavFormatTag(wav(chunk("LIST", "odd") + fmtPcm)), 1) << "past a padded odd chunk";
    EXPECT_FALSE(phonesim::wavFormatTag(wav(chunk("data", "xx"))));
    EXPECT_FALSE(phonesim::wavFormatTag(wav(fmtAdpcm).substr(0, 20 + 1))) << "cut inside the tag";
    EXPECT_FALSE(phonesim::wavFormatTag("RIFX" + wav(fmtPcm).substr(4)));
}

TEST(Kinds, TypesMapToTheirCategoryAndNumber)
{
    const struct {
        const char *name;
        int code; // 0: the phone does not store it
        Category category;
    } cases[] = {
        {"JPEG", 104, Category::Pictures}, {"FGIF", 105, Category::Pictures},  {"AGIF", 201, Category::Animations},
        {"WAV", 1, Category::Sounds},      {"QVX1", 5, Category::Sounds},      {"SVG", 301, Category::Animations},
        {"VCRD", 220, Category::VCards},   {"VCAL", 221, Category::VEvent},    {"JAR", 0, Category::Pictures},
        {"MMS", 0, Category::Pictures},    {"jpeg", 0, Category::Pictures},
    };
    for (const auto &c : cases) {
        const auto *kind = phonesim::kindByName(c.name);
        ASSERT_EQ(kind != nullptr, c.code != 0) << c.name;
        if (!kind)
            continue;
        EXPECT_EQ(kind->code, c.code) << c.name;
        EXPECT_EQ(kind->category, c.category) << c.name;
        EXPECT_EQ(phonesim::kindByCode(kind->code), kind) << c.name;
    }
    EXPECT_EQ(phonesim::kindByExtension(Category::Pictures, ".GIF")->typeName, "FGIF");
    EXPECT_EQ(phonesim::kindByExtension(Category::Animations, ".gif")->typeName, "AGIF");
    EXPECT_EQ(phonesim::kindByExtension(Category::Photo, ".jpg")->typeName, "JPEG");
    EXPECT_EQ(phonesim::kindByExtension(Category::Sounds, ".jpg"), nullptr);

    const auto &vcal = *phonesim::kindByName("VCAL");
    EXPECT_EQ(phonesim::categoryFor(vcal, "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\n"), Category::VTodo);
    EXPECT_EQ(phonesim::categoryFor(vcal, "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n"), Category::VEvent);
}

TEST(ObjectStore, NamesSizesAndOrder)
{
    ObjectStore store(100);
    const auto first = store.add({Category::Sounds, {}, u"Bell", "MIDI", false, bytesOf(std::string(30, 'm'))});
    const auto second = store.add({Category::Sounds, {}, {}, "WAV", true, bytesOf(std::string(50, 'w'))});
    store.add({Category::Pictures, u"Ring", u"Picture", "PNG", false, bytesOf("png")});
    EXPECT_EQ(first, u"Snd0001");
    EXPECT_EQ(second, u"Snd0002");
    EXPECT_EQ(store.find(second)->title, u"") << "the title stays as given";
    EXPECT_EQ(store.used(), 83u);
    EXPECT_EQ(store.freeBytes(), 17u);
    const auto sounds = store.list(Category::Sounds);
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[0]->name, first);
    EXPECT_TRUE(sounds[1]->hidden);

    EXPECT_THROW(store.add({Category::Pictures, u"Ring", {}, "PNG", false, bytesOf("x")}), std::invalid_argument);
    EXPECT_THROW(store.add({Category::Sounds, {}, {}, "JPEG", false, bytesOf("x")}), std::invalid_argument);
    EXPECT_THROW(store.add({Category::Sounds, {}, {}, "JAR", false, bytesOf("x")}), std::invalid_argument);
    // Over the limit is the phone's business, not the store's.
    store.add({Category::Photo, {}, {}, "JPEG", false, bytesOf(std::string(40, 'j'))});
    EXPECT_EQ(store.freeBytes(), 0u);

    EXPECT_TRUE(store.remove(first));
    EXPECT_FALSE(store.remove(first));
    EXPECT_EQ(store.used(), 93u);
    EXPECT_EQ(store.add({Category::Sounds, {}, {}, "MIDI", false, bytesOf("m")}), u"Snd0004")
        << "names are not given twice";
}

class FolderStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The process id keeps parallel runs (ctest -j, the sanitizer builds) apart.
        dir_ = fs::temp_directory_path() / ("phonesim-store-" + std::to_string(getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(FolderStore, KeepsEverythingAcrossARestart)
{
    std::u16string card;
    {
        ObjectStore store(dir_.string(), 1000);
        store.add({Category::Sounds, {}, u"Звук", "AMR", true, bytesOf(std::string("#!AMR\n\0\xFF", 8))});
        card = store.add({Category::VCards, {}, u"Anna", "VCRD", false, bytesOf("BEGIN:VCARD")});
        const auto gone = store.add({Category::Pictures, u"A B/C", u"x", "PNG", false, bytesOf("png")});
        store.add({Category::VTodo, {}, u"音楽", "VCAL", false, bytesOf("BEGIN:VTODO")});
        EXPECT_TRUE(store.remove(gone));
    }
    EXPECT_FALSE(fs::exists(dir_ / "pictures" / "004100200042002F0043.png")) << "a deleted object leaves no file";
    ObjectStore again(dir_.string(), 1000);
    ASSERT_EQ(again.objects().size(), 3u);
    const StoredObject &sound = again.objects()[0];
    EXPECT_EQ(sound.category, Category::Sounds);
    EXPECT_EQ(sound.name, u"Snd0001");
    EXPECT_EQ(sound.title, u"Звук");
    EXPECT_EQ(sound.typeName, "AMR");
    EXPECT_TRUE(sound.hidden);
    EXPECT_EQ(*sound.data, std::string("#!AMR\n\0\xFF", 8));
    EXPECT_EQ(again.find(card)->category, Category::VCards);
    EXPECT_EQ(again.list(Category::VTodo).at(0)->title, u"音楽");
    EXPECT_EQ(again.used(), 8u + 11 + 11);
    EXPECT_TRUE(fs::exists(dir_ / "sounds" / "Snd0001.amr"));
}

TEST_F(FolderStore, TakesInFilesDroppedIntoItsFolders)
{
    { ObjectStore make(dir_.string(), 1000); }
    std::ofstream(dir_ / "animations" / "Dance.gif") << "GIF89a";
    std::ofstream(dir_ / "pictures" / "Sea.GIF") << "GIF87a";
    std::ofstream(dir_ / "sounds" / "notes.txt") << "no sound type";
    ObjectStore store(dir_.string(), 1000);
    ASSERT_EQ(store.objects().size(), 2u);
    EXPECT_EQ(store.list(Category::Animations).at(0)->typeName, "AGIF");
    EXPECT_EQ(store.list(Category::Animations).at(0)->title, u"Dance");
    EXPECT_EQ(store.list(Category::Pictures).at(0)->typeName, "FGIF");
    // Adopted once: the index now holds them, a restart does not add them again.
    ObjectStore again(dir_.string(), 1000);
    EXPECT_EQ(again.objects().size(), 2u);
    EXPECT_EQ(again.list(Category::Animations).at(0)->name, store.list(Category::Animations).at(0)->name);
}

TEST_F(FolderStore, ABrokenIndexIsAnErrorNotAnEmptyPhone)
{
    { ObjectStore make(dir_.string(), 1000); }
    for (const char *line : {"SOUNDS\t0053\tWAV\t0\t\n", "SOUNDS\t0053\tWAV\t2\t0041\tS.wav\n",
                             "RADIO\t0053\tWAV\t0\t0041\tS.wav\n", "SOUNDS\t0053\tWAV\t0\t0041\tmissing.wav\n"}) {
        std::ofstream(dir_ / "index.txt") << line;
        std::ofstream(dir_ / "sounds" / "S.wav") << "RIFF";
        EXPECT_THROW(ObjectStore(dir_.string(), 1000), std::runtime_error) << line;
        fs::remove(dir_ / "sounds" / "S.wav");
    }
}

} // namespace
