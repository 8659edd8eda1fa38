// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The message boxes and questions of the command line: messages go to
// standard error; a question is read from the terminal when standard input
// is one, and otherwise settled by its option (ask then means the negative
// answer: no, skip, never), so a script never hangs on a question.
#pragma once

#include "cli_options.h"
#include "phone_operations.h"
#include "prompt.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace quillora::cli {

class Console;

// A named string-table text ("dlg157.12291"), UTF-8.
using NamedText = std::function<std::string(const char *namedId)>;
NamedText programTexts();

// Reads one answer line from the terminal, without its newline; none at
// the end of the input.
class AnswerReader {
public:
    explicit AnswerReader(std::FILE *in) : in_(in) {}
    std::optional<std::string> readLine();

private:
    std::FILE *in_;
};

// A button text as "&Yes" is written: the letter after the '&', lower case
// ('y'); 0 when there is none.
char AcceleratorOf(const std::string &label);
// "&Yes" -> "Yes".
std::string WithoutAccelerator(const std::string &label);

class TerminalPrompt final : public Prompt {
public:
    // interactive: standard input is a terminal the user answers on.
    TerminalPrompt(Console &console, AnswerReader &reader, bool interactive, AnswerChoice answer,
                   NamedText texts = programTexts());

    void showMessage(MessageIcon icon, const std::string &text) override;
    bool askYesNo(const std::string &text) override;

    // Messages shown so far with the error icon.
    int errorCount() const { return errors_; }

private:
    Console &console_;
    AnswerReader &reader_;
    bool interactive_;
    AnswerChoice answer_;
    NamedText texts_;
    int errors_ = 0;
};

class CliQuestions final : public TransferQuestions {
public:
    CliQuestions(Console &console, AnswerReader &reader, bool interactive, OverwriteChoice overwrite,
                 PcmChoice adpcm, PcmChoice amr, NamedText texts = programTexts());

    ReplaceAnswer confirmReplace(const std::string &path, std::string &newPath) override;
    bool convertToPcm(const std::string &format) override;

private:
    bool yesNo(const std::string &question);

    Console &console_;
    AnswerReader &reader_;
    bool interactive_;
    OverwriteChoice overwrite_;
    PcmChoice adpcm_;
    PcmChoice amr_;
    NamedText texts_;
};

} // namespace quillora::cli
