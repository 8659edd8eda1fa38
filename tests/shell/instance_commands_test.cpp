// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "command_recorder.h"
#include "instance_commands.h"

#include <gtest/gtest.h>

using namespace quillora;

namespace {

struct ScanCase {
    const char* name;
    const char* text;
    QStringList expected;
};
std::ostream& operator<<(std::ostream& os, const ScanCase& c) { return os << c.name; }

class CommandScanTest : public testing::TestWithParam<ScanCase> {};

TEST_P(CommandScanTest, RunsTheCommandsInOrder)
{
    CommandRecorder r;
    runCommands(QString::fromUtf8(GetParam().text), r);
    EXPECT_EQ(r.log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommandScanTest,
    testing::Values(
        ScanCase{"setForeground", "[SetForeground]", {"foreground"}},
        ScanCase{"setForegroundAnyCase", "[setFOREGROUND]", {"foreground"}},
        ScanCase{"quitForms", "[Quit][quit()][QUIT()][qUiT]", {"quit", "quit", "quit", "quit"}},
        ScanCase{"blanksAndControlsBetween", " \t\r\n[Quit] \x01 [SetForeground]\n", {"quit", "foreground"}},
        ScanCase{"foregroundThenOpen", "[SetForeground][Open(\"/tmp/a.jpg\")]", {"foreground", "open:/tmp/a.jpg"}},
        ScanCase{"openAnyCase", "[open(\"/tmp/b.mid\")]", {"open:/tmp/b.mid"}},
        ScanCase{"bracketInsideQuotes", "[Open(\"/tmp/x]y[z.jpg\")][Quit]", {"open:/tmp/x]y[z.jpg", "quit"}},
        ScanCase{"doubledQuoteIsOneQuote", "[Open(\"/tmp/say \"\"hi\"\".wav\")]", {"open:/tmp/say \"hi\".wav"}},
        ScanCase{"unclosedQuoteStopsTheScan", "[Quit][Open(\"/tmp/a.jpg)][SetForeground]", {"quit"}},
        ScanCase{"unclosedBracketStopsTheScan", "[SetForeground][Quit", {"foreground"}},
        ScanCase{"freeCommandTakesTheRest", "Quit [Quit]", {}},
        ScanCase{"unknownIgnored", "[Print(\"x\")][SetForeground]", {"foreground"}},
        ScanCase{"openWithoutPathDoesNothing", "[Open(\"\")]", {}},
        ScanCase{"emptyText", "", {}},
        ScanCase{"nonAsciiPath", "[Open(\"/home/zoë/Картинки/日本.jpg\")]", {"open:/home/zoë/Картинки/日本.jpg"}}));

TEST(CommandScan, ShortensParenthesesBeforeTheBracket)
{
    EXPECT_EQ(scanCommands(QStringLiteral("[quit()] [Open(\"a()\")]")),
              (QStringList{"[quit]", "[Open(\"a()\")]"}));
}

TEST(CommandScan, AnyPathSurvivesTheRoundTrip)
{
    const QString paths[] = {
        QStringLiteral("/tmp/plain.jpg"),
        QStringLiteral("/tmp/\"quoted\" [and] (bracketed)\".jpg"),
        QStringLiteral("/tmp/ends with quote\""),
        QStringLiteral("/tmp/") + QString(4096, u'x') + QStringLiteral(".jpg"),
    };
    for (const QString& p : paths) {
        CommandRecorder r;
        runCommands(makeOpenCommand(p) + setForegroundCommand(), r);
        EXPECT_EQ(r.log, (QStringList{QStringLiteral("open:") + p, QStringLiteral("foreground")})) << p.left(40).toStdString();
    }
}

} // namespace
