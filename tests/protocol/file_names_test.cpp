// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Titles from the phone as file names: what is replaced, where long names
// are cut, what may be joined to a folder, and how titles compare.

#include "file_names.h"

#include <gtest/gtest.h>

namespace {

using quillora::FileNameFor;
using quillora::JoinInFolder;
using quillora::SafeStem;

std::string repeat(std::string_view piece, size_t count)
{
    std::string out;
    for (size_t i = 0; i < count; ++i)
        out += piece;
    return out;
}

TEST(SafeStem, Replacements)
{
    struct Case {
        std::string title;
        std::string stem; // "" when a default name is needed
    };
    const Case cases[] = {
        {"Ring", "Ring"},
        {"/", "_"},
        {"\\", "_"},
        {"a/../b", "a_.._b"},
        {"..", ""},
        {".", ""},
        {"   ", ""},
        {"", ""},
        {". . \xE3\x80\x80", ""}, // ideographic space
        {".hidden", "_hidden"},
        {"...x", "_..x"},
        {" .x", " .x"}, // not hidden: the dot is not first
        {"name. ", "name."},
        {std::string("a\0b\x01\x1F\x7F", 6), "a_b___"},
        {"c1\xC2\x85\xC2\x9F", "c1__"},
        {"A:B*C?\"<>|", "A_B_C_____"},
        {"bad\xFF" "byte", "bad\xEF\xBF\xBD" "byte"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"}, // an overlong "/" is no "/"
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"photo\xE2\x80\xAEgpj.exe", "photo_gpj.exe"}, // a right-to-left override
        {"a\xE2\x81\xA6" "b\xE2\x80\x8F", "a_b_"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SafeStem(c.title, quillora::kMaxFileNameBytes), c.stem) << "title \"" << c.title << "\"";
}

TEST(SafeStem, CutsAtCharacterBoundaries)
{
    struct Case {
        std::string title;
        size_t maxBytes;
        std::string stem;
    };
    const std::string cyrillic = repeat("\xD0\x96", 300);
    const std::string emoji = "\xF0\x9F\x98\x80";
    const Case cases[] = {
        {cyrillic, 239, repeat("\xD0\x96", 119)},
        {"a" + repeat(emoji, 100), 10, "a" + emoji + emoji},
        {repeat("\xE4\xB8\xAD", 10), 8, repeat("\xE4\xB8\xAD", 2)},
        {"abc" + std::string(300, ' ') + "x", 10, "abc"},  // no blanks left at the end
        {"   ..." + std::string(300, 'x'), 6, ""},         // nothing but dots and blanks left
        {"exact", 5, "exact"},
        {"x", 0, ""},
    };
    for (const Case &c : cases) {
        const std::string stem = SafeStem(c.title, c.maxBytes);
        EXPECT_EQ(stem, c.stem) << c.title.substr(0, 12) << " in " << c.maxBytes;
        EXPECT_LE(stem.size(), c.maxBytes);
    }
}

TEST(FileNameFor, FitsTheNameLimitAndKeepsTheExtension)
{
    const std::string cyrillic = repeat("\xD0\x96", 300);
    const std::string name = FileNameFor(cyrillic, ".jpg");
    EXPECT_EQ(name, repeat("\xD0\x96", 125) + ".jpg") << "251 bytes of the 255 left for the stem";

    EXPECT_EQ(FileNameFor(std::string(300, 'x'), ".ems_gr"), std::string(248, 'x') + ".ems_gr");
    EXPECT_EQ(FileNameFor(".profile", ".vcf"), "_profile.vcf");
    EXPECT_EQ(FileNameFor("..", ".vcf"), "") << "no stem, no name";
    EXPECT_EQ(FileNameFor("Ring", ""), "Ring");

    // An extension that is not a plain one is left out.
    for (const char *extension : {"jpg", ".", "./x", ".a/b", ".a\\b", "./..", ".verylongextension"})
        EXPECT_EQ(FileNameFor("Ring", extension), "Ring") << extension;

    // A listed stem, its largest suffix and the longest extension fit
    // without a second cut.
    const std::string longestExtension = ".ems_gr";
    const std::string listed = SafeStem(std::string(400, 'y'), quillora::ListedStemBytes(longestExtension));
    const std::string suffixed = listed + "[2147483647]";
    EXPECT_EQ(FileNameFor(suffixed, longestExtension), suffixed + longestExtension);
    EXPECT_EQ((suffixed + longestExtension).size(), quillora::kMaxFileNameBytes);
}

TEST(JoinInFolder, OnlyPlainEntriesOfTheFolder)
{
    struct Case {
        std::string folder;
        std::string name;
        std::string path; // "" when refused
    };
    const Case cases[] = {
        {"/home/u/Phone", "Ring.wav", "/home/u/Phone/Ring.wav"},
        {"/home/u/Phone/", "Ring.wav", "/home/u/Phone/Ring.wav"},
        {"/", "a", "/a"},
        {"/f", "..a", "/f/..a"},
        {"/f", "a\\b", "/f/a\\b"}, // a plain character on Linux
        {"/f", "", ""},
        {"/f", ".", ""},
        {"/f", "..", ""},
        {"/f", "../a", ""},
        {"/f", "a/b", ""},
        {"/f", "/etc/passwd", ""},
        {"/f", std::string("a\0/b", 4), ""},
        {"/f", std::string(255, 'n'), "/f/" + std::string(255, 'n')},
        {"/f", std::string(256, 'n'), ""},
        {"", "a", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(JoinInFolder(c.folder, c.name), c.path) << c.folder << " + " << c.name;
}

TEST(TitleCase, FoldsLettersOfTheCommonScripts)
{
    struct Case {
        std::string upper;
        std::string lower;
    };
    const Case cases[] = {
        {"RING Tone 1", "ring tone 1"},
        {"\xC3\x80\xC3\x89\xC3\x9E\xC3\x97", "\xC3\xA0\xC3\xA9\xC3\xBE\xC3\x97"},     // ÀÉÞ×: × stays
        {"\xC4\xB0\xC5\xB8\xC5\x81", "i\xC3\xBF\xC5\x82"},                                 // İŸŁ
        {"\xD0\x94\xD0\x9E\xD0\x9C\xD0\x81", "\xD0\xB4\xD0\xBE\xD0\xBC\xD1\x91"},       // ДОМЁ
        {"\xCE\x91\xCE\xA3\xCE\x86", "\xCE\xB1\xCF\x83\xCE\xAC"},                         // ΑΣΆ
        {"\xD4\xB1", "\xD5\xA1"},                                                         // Armenian Ա
        {"\xE1\xBA\xA0", "\xE1\xBA\xA1"},                                                 // Ạ
        {"\xEF\xBC\xA1", "\xEF\xBD\x81"},                                                 // full-width A
        {"\xE4\xB8\xAD\xC3\x9F", "\xE4\xB8\xAD\xC3\x9F"},                                 // 中ß
    };
    for (const Case &c : cases) {
        EXPECT_EQ(quillora::FoldTitleCase(c.upper), c.lower) << c.upper;
        EXPECT_TRUE(quillora::SameTitle(c.upper, c.lower)) << c.upper;
    }
    EXPECT_FALSE(quillora::SameTitle("Ring", "Rings"));
    EXPECT_FALSE(quillora::SameTitle("Ring[1]", "Ring[2]"));
    EXPECT_FALSE(quillora::SameTitle("\xD0\x94", "\xD0\xB5")) << "Д is not е";
}

} // namespace
