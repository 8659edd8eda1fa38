// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The code page both ways, the phone's hexadecimal names, and UTF-16.

#include "text_codec.h"

#include <gtest/gtest.h>

namespace {

using quillora::DecodeHexText;
using quillora::FromCodePage;
using quillora::ToCodePage;

TEST(CodePage, CharactersOfWindows1252RoundTrip)
{
    // é, €, the curly quotes and ÿ sit in different parts of the code page.
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xC3\xBF";
    const std::string bytes = ToCodePage(utf8);
    EXPECT_EQ(bytes, "Caf\xE9 \x80 \x93q\x94 \xFF");
    EXPECT_EQ(FromCodePage(bytes), utf8);
}

TEST(CodePage, UnmappableBecomesQuestionMark)
{
    EXPECT_EQ(ToCodePage("\xCE\xA9mega \xE4\xB8\xAD"), "?mega ?") << "Greek and CJK are not in the code page";
    EXPECT_EQ(ToCodePage("a\xF0\x9F\x98\x80z"), "a?z") << "one ? per character, even outside the BMP";
    EXPECT_EQ(ToCodePage("bad \xC3 byte"), "bad ? byte") << "broken UTF-8";
    EXPECT_EQ(ToCodePage("cut \xE2\x82"), "cut ?");
    EXPECT_EQ(FromCodePage("\x81\x8D\x8F\x90\x9D"), "?????") << "bytes the code page leaves undefined";
}

TEST(CodePage, NulAndControlBytesPass)
{
    const std::string bytes("a\0b\r\n", 5);
    EXPECT_EQ(FromCodePage(bytes), bytes);
    EXPECT_EQ(ToCodePage(bytes), bytes);
}

TEST(HexText, GroupsOfFourDigits)
{
    EXPECT_EQ(DecodeHexText("00410062"), u"Ab");
    EXPECT_EQ(DecodeHexText("00e900C9"), u"\u00E9\u00C9") << "either case";
    EXPECT_EQ(DecodeHexText("5004100"), u"\u4100") << "surplus leading digits are ignored";
    EXPECT_EQ(DecodeHexText("041"), u"");
    EXPECT_EQ(DecodeHexText(""), u"");
    EXPECT_EQ(DecodeHexText("0041zz410042"), u"A") << "a corrupt group ends the text";
}

TEST(HexText, Utf16ToUtf8)
{
    EXPECT_EQ(quillora::Utf16ToUtf8(u"Ab\u00E9\u4100"), "Ab\xC3\xA9\xE4\x84\x80");
    EXPECT_EQ(quillora::Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    const char16_t lone[] = {u'a', 0xD800, u'b', 0};
    EXPECT_EQ(quillora::Utf16ToUtf8(lone), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(quillora::Utf16ToUtf8(DecodeHexText("D83D")), "\xEF\xBF\xBD") << "half a pair from the phone";
}

} // namespace
