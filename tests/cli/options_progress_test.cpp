// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The command line's own pieces: the phone commands' options, the progress
// line and the plain progress lines, and the questions settled on the
// terminal or by the options.

#include "cli_options.h"
#include "terminal_progress.h"
#include "terminal_prompt.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

using namespace quillora::cli;

// --- options ---

struct ParseCase {
    const char *name;
    QStringList args;
    bool valid;
    std::function<void(const CliOptions &)> check = {};
};

class Parsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parsing, AcceptsOrRefuses)
{
    const ParseCase &c = GetParam();
    const ParseResult result = parseCommandLine(c.args);
    ASSERT_EQ(result.options.has_value(), c.valid) << qPrintable(result.error);
    if (c.valid && c.check)
        c.check(*result.options);
    if (!c.valid) {
        EXPECT_FALSE(result.error.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Parsing,
    ::testing::Values(
        ParseCase{"defaults", {"detect"}, true,
                  [](const CliOptions &o) {
                      EXPECT_EQ(o.command, Command::Detect);
                      EXPECT_EQ(o.timeoutSeconds, 30);
                      EXPECT_TRUE(o.port.isEmpty());
                      EXPECT_FALSE(o.pcm.has_value()) << "the settings decide";
                      EXPECT_EQ(o.overwrite, OverwriteChoice::Ask);
                  }},
        ParseCase{"port_and_timeout_both_forms", {"info", "--port=/dev/pts/3", "--timeout", "5", "--json"}, true,
                  [](const CliOptions &o) {
                      EXPECT_EQ(o.port, "/dev/pts/3");
                      EXPECT_EQ(o.timeoutSeconds, 5);
                      EXPECT_TRUE(o.json);
                  }},
        ParseCase{"options_among_arguments", {"get", "a", "-o", "out", "b", "--overwrite=all", "--pcm=never"}, true,
                  [](const CliOptions &o) {
                      EXPECT_EQ(o.arguments, (QStringList{"a", "b"}));
                      EXPECT_EQ(o.outputDir, "out");
                      EXPECT_EQ(o.overwrite, OverwriteChoice::All);
                      EXPECT_EQ(o.pcm, PcmChoice::Never);
                  }},
        ParseCase{"double_dash_ends_options", {"send", "--", "--odd.jpg", "-o"}, true,
                  [](const CliOptions &o) { EXPECT_EQ(o.arguments, (QStringList{"--odd.jpg", "-o"})); }},
        ParseCase{"help_needs_no_arguments", {"send", "--help"}, true,
                  [](const CliOptions &o) { EXPECT_TRUE(o.help); }},
        ParseCase{"category", {"list", "sounds", "--hidden"}, true,
                  [](const CliOptions &o) {
                      EXPECT_EQ(o.arguments, QStringList{"sounds"});
                      EXPECT_TRUE(o.hidden);
                  }},
        ParseCase{"answer", {"send", "x.jpg", "--answer=yes", "--batch"}, true,
                  [](const CliOptions &o) {
                      EXPECT_EQ(o.answer, AnswerChoice::Yes);
                      EXPECT_TRUE(o.batch);
                  }},
        ParseCase{"unknown_command", {"frobnicate"}, false}, ParseCase{"no_command", {}, false},
        ParseCase{"send_without_files", {"send"}, false}, ParseCase{"ports_takes_no_port", {"ports", "--port", "x"}, false},
        ParseCase{"json_not_for_send", {"send", "a.jpg", "--json"}, false},
        ParseCase{"unknown_category", {"list", "photos"}, false},
        ParseCase{"two_categories", {"list", "sounds", "pictures"}, false},
        ParseCase{"missing_value", {"detect", "--port"}, false},
        ParseCase{"empty_port", {"detect", "--port="}, false},
        ParseCase{"zero_timeout", {"detect", "--timeout=0"}, false},
        ParseCase{"timeout_not_a_number", {"detect", "--timeout=ten"}, false},
        ParseCase{"timeout_overflowing_milliseconds", {"detect", "--timeout=3000000"}, false},
        ParseCase{"bad_overwrite", {"get", "a", "--overwrite=maybe"}, false},
        ParseCase{"flag_with_value", {"list", "--json=1"}, false},
        ParseCase{"short_option_unknown", {"get", "a", "-x"}, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Help, EveryCommandHasItsTextAndTheExitCodes)
{
    for (Command c : {Command::Ports, Command::Detect, Command::Info, Command::List, Command::Get, Command::Send,
                      Command::Delete}) {
        const QString help = commandHelp(c);
        EXPECT_TRUE(help.startsWith("usage: quillora-cli " + commandName(c))) << qPrintable(help);
        EXPECT_TRUE(help.contains("4 cancelled")) << qPrintable(commandName(c));
        EXPECT_TRUE(generalHelp().contains("  " + commandName(c))) << qPrintable(commandName(c));
    }
}

// --- the progress line ---

int columns(const std::string &text)
{
    int count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

TEST(ProgressLineTest, WideTerminalShowsEveryPart)
{
    const ProgressState state{"Sun.jpg", "Sending file data...", "(2/5)", "12 seconds left", 1000, 250};
    const std::string line = ProgressLine(state, 120);
    EXPECT_EQ(line, "Sun.jpg Sending file data... [######..................]  25% (2/5) 12 seconds left");
}

TEST(ProgressLineTest, NeverWiderThanTheTerminalAndCutsWholeCharacters)
{
    const ProgressState state{"Ch\xC3\xA9rie \xE2\x99\xAB m\xC3\xA9lodie tr\xC3\xA8s longue.wav",
                              "Receiving file data...", "(12/40)", "4096 bytes received out of 8192", 8192, 4096};
    for (int width = 1; width <= 130; ++width) {
        const std::string line = ProgressLine(state, width);
        EXPECT_LE(columns(line), std::max(width - 1, 1)) << width;
        // A cut inside a character would leave a lone lead or continuation byte.
        EXPECT_EQ(QString::fromUtf8(line.c_str()).toStdString(), line) << width;
    }
    const std::string narrow = ProgressLine(state, 70);
    EXPECT_EQ(narrow.find("bytes received"), std::string::npos) << "the detail goes first";
    EXPECT_NE(narrow.find("50%"), std::string::npos) << narrow;
    EXPECT_NE(narrow.find("(12/40)"), std::string::npos) << narrow;
}

TEST(ProgressLineTest, PercentIsBoundedAndSafeWithoutRange)
{
    EXPECT_EQ(PercentOf(5, 0), 0);
    EXPECT_EQ(PercentOf(0xFFFFFFFFu, 0xFFFFFFFFu), 100);
    EXPECT_EQ(PercentOf(0xFFFFFFFFu, 10), 100);
    EXPECT_EQ(PercentOf(1, 3), 33);
}

// A console writing into memory files, as a pipe or a terminal would get it.
struct CapturedConsole {
    explicit CapturedConsole(bool terminal, int width = 100)
        : out(std::tmpfile()), err(std::tmpfile()), console(out, err, terminal, width)
    {
    }
    ~CapturedConsole()
    {
        std::fclose(out);
        std::fclose(err);
    }
    static std::string read(std::FILE *file)
    {
        std::fflush(file);
        std::string text;
        std::rewind(file);
        for (int c; (c = std::fgetc(file)) != EOF;)
            text += static_cast<char>(c);
        return text;
    }
    std::string outText() { return read(out); }
    std::string errText() { return read(err); }

    std::FILE *out;
    std::FILE *err;
    Console console;
};

// The calls a batch upload makes for two objects, the first of 2000 bytes
// in steps of 500.
void playBatch(TerminalProgress &p)
{
    for (int item = 1; item <= 2; ++item) {
        p.setPosition(0);
        p.setStep("Reading file...");
        p.setDetail("");
        p.setCounter("(" + std::to_string(item) + "/2)");
        p.setObjectName(item == 1 ? "sun.jpg" : "ring.wav");
        p.setRange(2000);
        p.setStep("Opening session...");
        p.setStep("Sending file data...");
        for (std::uint32_t sent = 0; sent <= 2000; sent += 500)
            p.setPosition(sent);
        p.setStep("Closing session...");
    }
}

TEST(PlainProgress, StepsAndTenthsWithTheObjectTheyBelongTo)
{
    CapturedConsole captured(false);
    {
        TerminalProgress progress(captured.console);
        playBatch(progress);
    }
    const std::string expected = "sun.jpg (1/2): Reading file...\n"
                                 "sun.jpg (1/2): Opening session...\n"
                                 "sun.jpg (1/2): Sending file data...\n"
                                 "sun.jpg (1/2): 20%\n"
                                 "sun.jpg (1/2): 50%\n"
                                 "sun.jpg (1/2): 70%\n"
                                 "sun.jpg (1/2): 100%\n"
                                 "sun.jpg (1/2): Closing session...\n"
                                 "ring.wav (2/2): Reading file...\n"
                                 "ring.wav (2/2): Opening session...\n"
                                 "ring.wav (2/2): Sending file data...\n"
                                 "ring.wav (2/2): 20%\n"
                                 "ring.wav (2/2): 50%\n"
                                 "ring.wav (2/2): 70%\n"
                                 "ring.wav (2/2): 100%\n"
                                 "ring.wav (2/2): Closing session...\n";
    EXPECT_EQ(captured.outText(), expected);
    EXPECT_EQ(captured.outText().find('\r'), std::string::npos);
}

TEST(PlainProgress, ARestartCountsTheTenthsAgain)
{
    CapturedConsole captured(false);
    TerminalProgress progress(captured.console);
    progress.setObjectName("ring.wav");
    progress.setRange(100);
    progress.setPosition(60);
    progress.setPosition(0); // the slow retry sends it again
    progress.setPosition(60);
    progress.finish();
    EXPECT_EQ(captured.outText(), "ring.wav: 60%\nring.wav: 60%\n");
}

TEST(TerminalLine, RedrawsInPlaceOnlyWhenItChangesAndEndsTheLine)
{
    CapturedConsole captured(true, 80);
    TerminalProgress progress(captured.console);
    progress.setObjectName("sun.jpg");
    progress.setStep("Sending file data...");
    progress.setRange(1000);
    const std::string before = captured.outText();
    progress.setPosition(1); // 0% still: nothing to draw
    EXPECT_EQ(captured.outText(), before);
    progress.setPosition(1000);
    captured.console.err("quillora-cli: a message");
    progress.finish();
    const std::string out = captured.outText();
    EXPECT_NE(out.find("\rsun.jpg Sending file data... [########################] 100%"), std::string::npos) << out;
    EXPECT_EQ(out.back(), '\n') << "a message starts on a line of its own";
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << "finish after the message adds no empty line";
    EXPECT_EQ(captured.errText(), "quillora-cli: a message\n");
}

// --- questions ---

std::string fakeText(const char *id)
{
    static const std::map<std::string, std::string> texts{
        {"dlg161.6", "&Oui"},        {"dlg161.7", "&Non"},        {"dlg157.6", "&Yes"}, {"dlg157.1", "&All"},
        {"dlg157.7", "&Skip"},       {"dlg157.1037", "&Rename"},  {"dlg157.2", "Cancel"},
        {"dlg157.12291", "'%1' exists."}, {"212", "Convert %1?"}};
    const auto it = texts.find(id);
    return it == texts.end() ? std::string() : it->second;
}

struct Answers {
    explicit Answers(const std::string &typed) : file(std::tmpfile()), reader(file)
    {
        std::fputs(typed.c_str(), file);
        std::rewind(file);
    }
    ~Answers() { std::fclose(file); }
    std::FILE *file;
    AnswerReader reader;
};

TEST(Accelerators, LetterAfterTheAmpersand)
{
    EXPECT_EQ(AcceleratorOf("&Yes"), 'y');
    EXPECT_EQ(AcceleratorOf("Re&name"), 'n');
    EXPECT_EQ(AcceleratorOf("R&&D &Go"), 'g');
    EXPECT_EQ(AcceleratorOf("Cancel"), 0);
    EXPECT_EQ(AcceleratorOf("&\xC3\x89tat"), 0) << "not a letter one types as a byte";
    EXPECT_EQ(WithoutAccelerator("&Yes"), "Yes");
    EXPECT_EQ(WithoutAccelerator("R&&D"), "R&D");
}

struct YesNoCase {
    const char *typed;
    bool answer;
};

class YesNoQuestion : public ::testing::TestWithParam<YesNoCase> {};

TEST_P(YesNoQuestion, ReadFromTheTerminal)
{
    CapturedConsole captured(false);
    Answers answers(GetParam().typed);
    TerminalPrompt prompt(captured.console, answers.reader, true, AnswerChoice::Ask, fakeText);
    EXPECT_EQ(prompt.askYesNo("Again at 19200 bps?"), GetParam().answer) << GetParam().typed;
    EXPECT_NE(captured.errText().find("Again at 19200 bps?\n[Oui (o)/Non (n)]? "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Terminal, YesNoQuestion,
                         ::testing::Values(YesNoCase{"o\n", true}, YesNoCase{"y\n", true}, YesNoCase{" OUI \n", true},
                                           YesNoCase{"n\n", false}, YesNoCase{"maybe\nyes?\no\n", true},
                                           YesNoCase{"x\nx\nx\no\n", false}, YesNoCase{"", false}));

TEST(YesNoWithoutTerminal, TheOptionAnswersAndAskMeansNo)
{
    CapturedConsole captured(false);
    Answers answers("y\n");
    TerminalPrompt asking(captured.console, answers.reader, false, AnswerChoice::Ask, fakeText);
    EXPECT_FALSE(asking.askYesNo("Again?"));
    TerminalPrompt yes(captured.console, answers.reader, false, AnswerChoice::Yes, fakeText);
    EXPECT_TRUE(yes.askYesNo("Again?"));
    TerminalPrompt no(captured.console, answers.reader, true, AnswerChoice::No, fakeText);
    EXPECT_FALSE(no.askYesNo("Again?"));
    EXPECT_EQ(std::fgetc(answers.file), 'y') << "nothing was read";
}

TEST(Messages, ErrorsAreCountedAndGoToStandardError)
{
    CapturedConsole captured(true);
    Answers answers("");
    TerminalPrompt prompt(captured.console, answers.reader, false, AnswerChoice::Ask, fakeText);
    prompt.showMessage(quillora::MessageIcon::Warning, "found on pts/3\nbut locked");
    prompt.showMessage(quillora::MessageIcon::Error, "Unable to open file");
    EXPECT_EQ(prompt.errorCount(), 1);
    EXPECT_EQ(captured.errText(),
              "quillora-cli: warning: found on pts/3\nbut locked\nquillora-cli: error: Unable to open file\n");
    EXPECT_EQ(captured.outText(), "");
}

struct ReplaceCase {
    const char *name;
    OverwriteChoice choice;
    bool interactive;
    const char *typed;
    quillora::ReplaceAnswer answer;
    const char *newPath;
};

class Replacing : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(Replacing, AnswerFromTheTerminalOrTheOption)
{
    const ReplaceCase &c = GetParam();
    CapturedConsole captured(false);
    Answers answers(c.typed);
    CliQuestions questions(captured.console, answers.reader, c.interactive, c.choice, PcmChoice::Never,
                           PcmChoice::Never, fakeText);
    std::string newPath;
    EXPECT_EQ(questions.confirmReplace("/tmp/out/Ring.mid", newPath), c.answer);
    EXPECT_EQ(newPath, c.newPath);
    if (c.interactive && c.choice == OverwriteChoice::Ask) {
        EXPECT_NE(captured.errText().find("'Ring.mid' exists."), std::string::npos) << captured.errText();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Collisions, Replacing,
    ::testing::Values(
        ReplaceCase{"yes", OverwriteChoice::Ask, true, "y\n", quillora::ReplaceAnswer::Yes, ""},
        ReplaceCase{"skip", OverwriteChoice::Ask, true, "s\n", quillora::ReplaceAnswer::Skip, ""},
        ReplaceCase{"cancel_word", OverwriteChoice::Ask, true, "cancel\n", quillora::ReplaceAnswer::Cancel, ""},
        ReplaceCase{"end_of_input_cancels", OverwriteChoice::Ask, true, "", quillora::ReplaceAnswer::Cancel, ""},
        ReplaceCase{"rename_in_the_same_folder", OverwriteChoice::Ask, true, "r\nRing 2.mid\n",
                    quillora::ReplaceAnswer::Rename, "/tmp/out/Ring 2.mid"},
        ReplaceCase{"rename_absolute", OverwriteChoice::Ask, true, "r\n/var/tmp/x.mid\n",
                    quillora::ReplaceAnswer::Rename, "/var/tmp/x.mid"},
        ReplaceCase{"rename_to_nothing_skips", OverwriteChoice::Ask, true, "r\n\n", quillora::ReplaceAnswer::Skip, ""},
        ReplaceCase{"no_terminal_skips", OverwriteChoice::Ask, false, "y\n", quillora::ReplaceAnswer::Skip, ""},
        ReplaceCase{"option_all", OverwriteChoice::All, true, "s\n", quillora::ReplaceAnswer::All, ""},
        ReplaceCase{"option_skip", OverwriteChoice::Skip, true, "y\n", quillora::ReplaceAnswer::Skip, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Replacing, AllAnsweredOnceReplacesTheRestWithoutAsking)
{
    CapturedConsole captured(false);
    Answers answers("a\ns\n");
    CliQuestions questions(captured.console, answers.reader, true, OverwriteChoice::Ask, PcmChoice::Never,
                           PcmChoice::Never, fakeText);
    std::string newPath;
    EXPECT_EQ(questions.confirmReplace("/tmp/a.mid", newPath), quillora::ReplaceAnswer::All);
    EXPECT_EQ(questions.confirmReplace("/tmp/b.mid", newPath), quillora::ReplaceAnswer::All);
    EXPECT_EQ(std::fgetc(answers.file), 's') << "the second answer was not read";
}

TEST(PcmCopies, EachFormatItsOwnChoice)
{
    CapturedConsole captured(false);
    Answers answers("o\nn\n");
    CliQuestions asking(captured.console, answers.reader, true, OverwriteChoice::Ask, PcmChoice::Ask,
                        PcmChoice::Always, fakeText);
    EXPECT_TRUE(asking.convertToPcm("AMR")) << "Always, without a question";
    EXPECT_TRUE(asking.convertToPcm("ADPCM"));
    EXPECT_FALSE(asking.convertToPcm("ADPCM"));
    EXPECT_NE(captured.errText().find("Convert ADPCM?"), std::string::npos);
    EXPECT_EQ(captured.errText().find("Convert AMR?"), std::string::npos);

    Answers unused("o\n");
    CliQuestions script(captured.console, unused.reader, false, OverwriteChoice::Ask, PcmChoice::Ask, PcmChoice::Never,
                        fakeText);
    EXPECT_FALSE(script.convertToPcm("ADPCM")) << "ask without a terminal is never";
    EXPECT_FALSE(script.convertToPcm("AMR"));
}

} // namespace
