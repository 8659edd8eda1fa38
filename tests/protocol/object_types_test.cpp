// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "object_types.h"

#include "text_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

using namespace quillora;

namespace {

// The English templates of the ids the filters and descriptions use, with
// plain "%n" substitution: enough to see where each insert lands.
class EnglishTexts final : public TextSource {
public:
    std::string text(std::uint32_t id) const override
    {
        static const std::map<std::uint32_t, std::string> table = {
            {120, "Formats supported by this %1"}, {121, "All supported formats"}, {122, "Graphic Files"},
            {123, "Animations"}, {124, "Sound Files"}, {125, "vCards"}, {126, "vCalendars"}, {127, "All Files"},
            {602, "%1 (%2)|%2|All Files|*.*||"}, {805, "%1 File"}};
        const auto it = table.find(id);
        return it == table.end() ? std::string() : it->second;
    }
    std::string formatInserts(std::uint32_t id, std::span<const TextArg> inserts) const override
    {
        const std::string t = text(id);
        std::string out;
        for (std::size_t i = 0; i < t.size(); ++i) {
            const std::size_t n = i + 1 < t.size() ? static_cast<std::size_t>(t[i + 1] - '1') : inserts.size();
            if (t[i] != '%' || n >= inserts.size()) {
                out += t[i];
                continue;
            }
            const TextArg &a = inserts[n];
            const auto *number = std::get_if<std::int64_t>(&a);
            out += number ? std::to_string(*number) : std::get<std::string>(a);
            ++i;
        }
        return out;
    }
};

// Every code finds itself again through its type name; through its extension
// only where an earlier row does not claim that extension first.
TEST(types, CodesRoundTripExceptWhereAnEarlierRowHasTheExtension)
{
    std::set<ObjectType> shadowed;
    for (const ObjectTypeRow &row : ObjectTypeTable()) {
        const ObjectType c = row.type;
        EXPECT_EQ(TypeFromTypeName(TypeNameOf(c)).type, c) << c;
        EXPECT_EQ(TypeFromTypeName(TypeNameOf(c)).extension, ExtensionOf(c)) << c;
        if (TypeFromExtension(ExtensionOf(c)) != c)
            shadowed.insert(c);
    }
    EXPECT_EQ(shadowed, (std::set<ObjectType>{7, 201, 234})) << ".mp4, .gif and .mpg belong to MPG4 and FGIF";
}

struct LookupCase {
    std::string_view key;
    ObjectType type;
    std::string_view text; // type name or extension
};

std::ostream &operator<<(std::ostream &os, const LookupCase &c) { return os << '"' << c.key << '"'; }

class ExtensionLookupTest : public testing::TestWithParam<LookupCase> {};
TEST_P(ExtensionLookupTest, FirstRowOrNone) { EXPECT_EQ(TypeFromExtension(GetParam().key), GetParam().type); }
INSTANTIATE_TEST_SUITE_P(
    types, ExtensionLookupTest,
    testing::Values(LookupCase{".GIF", 105, {}}, LookupCase{".agif", 201, {}}, LookupCase{".mpg", 232, {}},
                    LookupCase{".Mp4", 232, {}}, LookupCase{".svgz", 301, {}}, LookupCase{".jif", 104, {}},
                    LookupCase{"gif", kNoObjectType, {}}, LookupCase{".", kNoObjectType, {}},
                    LookupCase{"", kNoObjectType, {}}, LookupCase{"..gif", kNoObjectType, {}},
                    LookupCase{".gi", kNoObjectType, {}}, LookupCase{".gifs", kNoObjectType, {}},
                    LookupCase{".gif ", kNoObjectType, {}}));

class TypeNameLookupTest : public testing::TestWithParam<LookupCase> {};
TEST_P(TypeNameLookupTest, FirstRowOrNone)
{
    const TypeNameMatch m = TypeFromTypeName(GetParam().key);
    EXPECT_EQ(m.type, GetParam().type);
    EXPECT_EQ(m.extension, GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    types, TypeNameLookupTest,
    testing::Values(LookupCase{"agif", 201, ".gif"}, LookupCase{"MPG", 234, ".mpg"}, LookupCase{"mpg4", 232, ".mp4"},
                    LookupCase{"MP4", 7, ".mp4"}, LookupCase{"Jpeg", 104, ".jpg"}, LookupCase{"XYZ", kNoObjectType, ""},
                    LookupCase{"", kNoObjectType, ""}, LookupCase{"MPG ", kNoObjectType, ""}));

struct CodeCase {
    ObjectType code;
    std::string_view name, extension;
};
std::ostream &operator<<(std::ostream &os, const CodeCase &c) { return os << c.code; }
class CodeLookupTest : public testing::TestWithParam<CodeCase> {};
TEST_P(CodeLookupTest, FirstRowOrEmpty)
{
    EXPECT_EQ(TypeNameOf(GetParam().code), GetParam().name);
    EXPECT_EQ(ExtensionOf(GetParam().code), GetParam().extension);
}
INSTANTIATE_TEST_SUITE_P(
    types, CodeLookupTest,
                         testing::Values(CodeCase{232, "MPG4", ".mp4"}, CodeCase{7, "MP4", ".mp4"},
                                         CodeCase{201, "AGIF", ".gif"}, CodeCase{234, "MPG", ".mpg"},
                                         CodeCase{104, "JPEG", ".jpg"}, CodeCase{kNoObjectType, "", ""},
                                         CodeCase{0, "", ""}));

struct PatternCase {
    ObjectType code;
    std::string_view name; // fallback name, or the type name looked up
    std::string_view expected;
};
std::ostream &operator<<(std::ostream &os, const PatternCase &c) { return os << c.code << ' ' << c.name; }
class PatternsTest : public testing::TestWithParam<PatternCase> {};
TEST_P(PatternsTest, EveryRowInOrderElseTheLowerCasedName)
{
    const PatternCase &c = GetParam();
    if (c.code) {
        EXPECT_EQ(PatternsForType(c.code, c.name), c.expected);
    } else {
        EXPECT_EQ(PatternsForTypeName(c.name), c.expected);
    }
}
INSTANTIATE_TEST_SUITE_P(
    types, PatternsTest,
    testing::Values(PatternCase{104, "X", "*.jpg;*.jpeg;*.jpe;*.jif"}, PatternCase{232, "", "*.mp4;*.mpg;*.mpeg"},
                    PatternCase{201, "", "*.gif;*.agif"}, PatternCase{108, "", "*.eps;*.ai;*.ps"},
                    PatternCase{1, "Ignored", "*.wav"}, PatternCase{kNoObjectType, "Abc", "*.abc"},
                    PatternCase{999, "QCP", "*.qcp"}, PatternCase{0, "JPEG", "*.jpg;*.jpeg;*.jpe;*.jif"},
                    PatternCase{0, "svg", "*.svg;*.svgz"}, PatternCase{0, "MP4", "*.mp4"},
                    PatternCase{0, "XYZ", "*.xyz"}));

TEST(types, OpenFilterListsThePhonesFormatsOnlyWhenKnown)
{
    const EnglishTexts en;
    const std::string plain = BuildOpenFilter(en, false, "X100", "*.jpg;*.wav");
    EXPECT_EQ(plain.rfind("All supported formats|*.wav;*.mid;", 0), 0u) << plain;
    EXPECT_EQ(BuildOpenFilter(en, true, "X100", ""), plain);
    EXPECT_EQ(BuildOpenFilter(en, true, "X100", "*.jpg;*.wav"),
              "Formats supported by this X100|*.jpg;*.wav|" + plain);

    const std::vector<std::string> names = NameFilters(plain);
    ASSERT_EQ(names.size(), 7u) << plain;
    EXPECT_EQ(names[1], "Graphic Files (*.bmp *.jpg *.gif *.png *.wbmp *.ems_gr *.jpeg *.jpe)");
    EXPECT_EQ(names[4], "vCards (*.vcf)");
    EXPECT_EQ(names[6], "All Files (*.*)");
    EXPECT_EQ(ParseFilter(plain)[0].patterns, kAllSupportedPatterns.substr(1, kAllSupportedPatterns.size() - 2));
}

TEST(types, SaveFilterIsTheTypeThenAllFiles)
{
    const std::string f = BuildSaveFilter(EnglishTexts(), "JPEG image", "*.jpg;*.jpeg");
    EXPECT_EQ(f, "JPEG image (*.jpg;*.jpeg)|*.jpg;*.jpeg|All Files|*.*||");
    EXPECT_EQ(NameFilters(f), (std::vector<std::string>{"JPEG image (*.jpg *.jpeg)", "All Files (*.*)"}));
}

struct ParseCase {
    std::string_view filter;
    std::vector<FileFilter> expected;
};
// ';' would split the name in ctest's test list.
std::ostream &operator<<(std::ostream &os, const ParseCase &c)
{
    std::string shown(c.filter);
    std::replace(shown.begin(), shown.end(), ';', ',');
    return os << '"' << shown << '"';
}
class ParseFilterTest : public testing::TestWithParam<ParseCase> {};
TEST_P(ParseFilterTest, PairsUpToTheFirstEmptyField) { EXPECT_EQ(ParseFilter(GetParam().filter), GetParam().expected); }
INSTANTIATE_TEST_SUITE_P(
    types, ParseFilterTest,
    testing::Values(ParseCase{"a|*.a|b|*.b;*.c||", {{"a", "*.a"}, {"b", "*.b;*.c"}}},
                    ParseCase{"a|*.a", {{"a", "*.a"}}}, ParseCase{"a|*.a|b", {{"a", "*.a"}}},
                    ParseCase{"a|*.a|b|", {{"a", "*.a"}}}, ParseCase{"a||b|*.b||", {}},
                    ParseCase{"|*.a|b|*.b||", {}}, ParseCase{"", {}}, ParseCase{"||", {}}));

struct NameFilterCase {
    FileFilter filter;
    std::string_view expected;
};
std::ostream &operator<<(std::ostream &os, const NameFilterCase &c) { return os << c.filter.description; }
class NameFilterTest : public testing::TestWithParam<NameFilterCase> {};
TEST_P(NameFilterTest, OneParenthesisedSpaceSeparatedList)
{
    EXPECT_EQ(NameFilter(GetParam().filter), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    types, NameFilterTest,
    testing::Values(NameFilterCase{{"Sounds (*.wav;*.mid)", "*.wav;*.mid"}, "Sounds (*.wav *.mid)"},
                    NameFilterCase{{"Sounds  (*.wav *.mid)", "*.wav;*.mid"}, "Sounds (*.wav *.mid)"},
                    NameFilterCase{{"Pictures (*.bmp)", "*.bmp;*.jpg"}, "Pictures (*.bmp) (*.bmp *.jpg)"},
                    NameFilterCase{{"Phone X100 (GSM)", "*.jpg;;*.wav;"}, "Phone X100 (GSM) (*.jpg *.wav)"},
                    NameFilterCase{{"(", "*.a"}, "( (*.a)"}, NameFilterCase{{")", "*.a"}, ") (*.a)"}));

using Bytes = std::vector<unsigned char>;
Bytes bytes(std::string_view s) { return Bytes(s.begin(), s.end()); }
Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Real file heads: a JFIF APP0 segment, an Exif APP1 one, a BMP file header
// and the start of its info header, an AMR-NB file with one 12.2 kbit/s
// frame header, a RIFF/WAVE with its "fmt " chunk, GIF89a and PNG with IHDR.
const Bytes kJfif = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01, 0x01, 0x00, 0x00, 0x48};
const Bytes kExif = Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x16} + bytes(std::string_view("Exif\0\0II*\0", 10));
const Bytes kBmp = Bytes{'B', 'M', 0x46, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00, 0x28, 0x00};
const Bytes kAmr = bytes("#!AMR\n") + Bytes{0x3C, 0x91, 0x17, 0x16, 0xBE, 0x66};
const Bytes kWav = bytes("RIFF") + Bytes{0x24, 0x08, 0x00, 0x00} + bytes("WAVEfmt ") + Bytes{0x10, 0, 0, 0, 1, 0};
const Bytes kGif = bytes("GIF89a") + Bytes{0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00};
const Bytes kPng = Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0x0D} + bytes("IHDR");

struct ContentCase {
    const char *name;
    ObjectType declared;
    Bytes head;
    ObjectType expected;
};
std::ostream &operator<<(std::ostream &os, const ContentCase &c) { return os << c.name; }
class RecognizeContentTest : public testing::TestWithParam<ContentCase> {};
TEST_P(RecognizeContentTest, CorrectsOnlyTheKnownMislabels)
{
    EXPECT_EQ(RecognizeContent(GetParam().declared, GetParam().head), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    types, RecognizeContentTest,
    testing::Values(ContentCase{"amrAsWav", 1, kAmr, 14}, ContentCase{"amrAsImel", 4, kAmr, 14},
                    ContentCase{"amrAsMidi", 2, kAmr, 2}, ContentCase{"amrAsWbmp", 101, kAmr, 101},
                    ContentCase{"wavAsWav", 1, kWav, 1}, ContentCase{"jfifAsWbmp", 101, kJfif, 104},
                    ContentCase{"jfifAsWav", 1, kJfif, 1}, ContentCase{"exifAsWbmp", 101, kExif, 101},
                    ContentCase{"bmpAsWbmp", 101, kBmp, 102}, ContentCase{"bmpAsPng", 103, kBmp, 103},
                    ContentCase{"pngAsWbmp", 101, kPng, 101}, ContentCase{"gifAsWbmp", 101, kGif, 101},
                    ContentCase{"amrNineBytes", 1, Bytes(kAmr.begin(), kAmr.begin() + 9), 1},
                    ContentCase{"jfifNineBytes", 101, Bytes(kJfif.begin(), kJfif.begin() + 9), 101},
                    ContentCase{"jfifTenBytes", 101, Bytes(kJfif.begin(), kJfif.begin() + 10), 104},
                    ContentCase{"empty", 101, {}, 101}),
    [](const auto &info) { return std::string(info.param.name); });

// A desktop that knows the types in its map and records what it was asked.
class FakeNames final : public FileTypeNames {
public:
    std::map<std::string, std::string, std::less<>> known;
    mutable std::vector<std::string> asked;
    std::string describe(std::string_view ext) const override
    {
        asked.emplace_back(ext);
        const auto it = known.find(ext);
        return it == known.end() ? std::string() : it->second;
    }
    std::string iconName(std::string_view) const override { return {}; }
};

std::string repeat(std::string_view s, int n)
{
    std::string out;
    while (n-- > 0)
        out += s;
    return out;
}

struct DescriptionCase {
    std::string extension;
    ObjectType code;
    std::string desktop; // what the desktop calls .ext; "" for nothing
    std::string expected;
};
std::ostream &operator<<(std::ostream &os, const DescriptionCase &c)
{
    return os << c.extension.substr(0, 8) << ' ' << c.code << ' ' << c.desktop.size() << " bytes";
}
class FileTypeDescriptionTest : public testing::TestWithParam<DescriptionCase> {};
TEST_P(FileTypeDescriptionTest, DesktopNameElseUpperCaseExtensionCutToEightyCharacters)
{
    const DescriptionCase &c = GetParam();
    FakeNames names;
    if (!c.desktop.empty())
        names.known.emplace(c.extension, c.desktop);
    EXPECT_EQ(FileTypeDescription(&names, EnglishTexts(), c.extension, c.code), c.expected);
    if (c.desktop.empty()) {
        EXPECT_EQ(FileTypeDescription(nullptr, EnglishTexts(), c.extension, c.code), c.expected);
    }
    EXPECT_EQ(names.asked, c.extension.empty() ? std::vector<std::string>{}
                                               : std::vector<std::string>{c.extension});
}
INSTANTIATE_TEST_SUITE_P(
    types, FileTypeDescriptionTest,
    testing::Values(DescriptionCase{".jpg", 104, "JPEG image", "JPEG image"},
                    DescriptionCase{".wav", 1, "", "WAV File"}, DescriptionCase{".Qvx1", 5, "", "QVX1 File"},
                    DescriptionCase{".été", 1004, "", "éTé File"}, DescriptionCase{"", 1004, "", "1004 File"},
                    DescriptionCase{".", 233, "", "233 File"},
                    DescriptionCase{".a", 0, repeat("d", 100), repeat("d", 80)},
                    DescriptionCase{".b", 0, repeat("d", 79) + "€z", repeat("d", 79) + "€"},
                    DescriptionCase{".c", 0, repeat("€", 80), repeat("€", 80)},
                    DescriptionCase{".d", 0, repeat("😀", 81), repeat("😀", 80)},
                    DescriptionCase{"." + std::string(90, 'x'), 0, "", std::string(80, 'X')}));

} // namespace
