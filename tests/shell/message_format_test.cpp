// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "message_format.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quillora;

namespace {

struct FormatCase {
    const char* name;
    const char* templ;
    std::vector<UiArg> inserts;
    const char* expected;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c) { return os << c.name; }

class FormatMessageTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatMessageTest, Formats)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatMessage(QString::fromUtf8(c.templ), c.inserts).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormatMessageTest,
    testing::Values(
        FormatCase{"plain", "Formats supported by this %1", {"K700"}, "Formats supported by this K700"},
        FormatCase{"decimal", "Err%1!d!", {-42}, "Err-42"},
        FormatCase{"decimalInsertsTwice", "%1!d! bytes received out of %2!d!", {512, 4096},
                   "512 bytes received out of 4096"},
        FormatCase{"reordered", "%2 (%1)", {"a", "b"}, "b (a)"},
        FormatCase{"sameInsertTwice", "%1 (%2)|%2|", {"Pictures", "*.jpg"}, "Pictures (*.jpg)|*.jpg|"},
        FormatCase{"thirdOnly", "Use a DATA cable provided by %3", {"x", "y", "Folk"},
                   "Use a DATA cable provided by Folk"},
        FormatCase{"typedString", "name %1!s!", {"ring"}, "name ring"},
        FormatCase{"hexLowerUpper", "%1!x! %1!X! %1!08X!", {48879}, "beef BEEF 0000BEEF"},
        FormatCase{"unsignedOfNegative", "%1!u!", {-1}, "4294967295"},
        FormatCase{"widthAndZeroPad", "[%1!5d!][%1!-5d!][%1!05d!][%2!05d!]", {42, -42},
                   "[   42][42   ][00042][-0042]"},
        FormatCase{"longModifier", "%1!ld! %1!lu!", {7}, "7 7"},
        FormatCase{"precisionCutsText", "%1!.3s!", {"abcdef"}, "abc"},
        FormatCase{"numberInsertedAsText", "%1 items", {3}, "3 items"},
        FormatCase{"textUnderNumberForm", "%1!d!", {"n/a"}, "n/a"},
        FormatCase{"percentPercent", "100%% done, %1", {"ok"}, "100% done, ok"},
        FormatCase{"twoDigitInsert", "%10", {1, 2, 3, 4, 5, 6, 7, 8, 9, "ten"}, "ten"},
        FormatCase{"digitAfterInsert", "%1 0", {"a"}, "a 0"},
        FormatCase{"newlinesKept", "found on port %1\nbut", {"ttyUSB0"}, "found on port ttyUSB0\nbut"},
        FormatCase{"nonAsciiInsert", "%1", {QString::fromUtf8("téléphone ✓")}, "téléphone ✓"},
        // Malformed or foreign forms: copied, never read past the inserts.
        FormatCase{"missingInsert", "a %2 b", {"x"}, "a  b"},
        FormatCase{"noInsertsAtAll", "%1!d! of %2", {}, " of "},
        FormatCase{"printfFormKept", "preview (%dx%d)", {}, "preview (%dx%d)"},
        FormatCase{"loneTrailingPercent", "50%", {}, "50%"},
        FormatCase{"percentZero", "%0 end", {"x"}, "%0 end"},
        FormatCase{"unclosedSpec", "%1!d tail", {5}, "5!d tail"},
        FormatCase{"emptySpec", "%1!! x", {5}, "5!! x"},
        FormatCase{"unknownConversion", "%1!q!", {5}, "5!q!"},
        FormatCase{"emptyTemplate", "", {"x"}, ""}));

TEST(FormatMessage, HugeWidthStaysBounded)
{
    // A width from a damaged translation must not allocate without bound.
    const std::vector<UiArg> one{1};
    const QString s = formatMessage(QStringLiteral("%1!99999999d!"), one);
    EXPECT_LE(s.size(), 1001);
    EXPECT_TRUE(s.endsWith(u'1'));
}

TEST(FillNumbers, FillsThePrintfInsertsInOrderAndLeavesTheRest)
{
    EXPECT_EQ(fillNumbers(QStringLiteral(" %d bps"), {115200}), QStringLiteral(" 115200 bps"));
    EXPECT_EQ(fillNumbers(QStringLiteral("Aperçu (%dx%d)"), {640, 480}), QStringLiteral("Aperçu (640x480)"));
    // A number that itself reads "%d" is not filled again.
    EXPECT_EQ(fillNumbers(QStringLiteral("(%d/%d)"), {2}), QStringLiteral("(2/%d)"));
    EXPECT_EQ(fillNumbers(QStringLiteral("no insert"), {1, 2}), QStringLiteral("no insert"));
    EXPECT_EQ(fillNumbers(QStringLiteral("%d%d"), {-1, 10}), QStringLiteral("-110"));
}

TEST(MessageInserts, ListsEveryForm)
{
    EXPECT_EQ(messageInserts(QStringLiteral("%1!d! of %2!d!, %3 %% and (%dx%d) %s")),
              (QStringList{"%1!d!", "%2!d!", "%3", "%%", "%d", "%d", "%s"}));
    EXPECT_EQ(messageInserts(QStringLiteral("Unlimited")), QStringList{});
    EXPECT_EQ(messageInserts(QStringLiteral("50% off %")), QStringList{});
}

} // namespace
