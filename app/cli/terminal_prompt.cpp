// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "terminal_prompt.h"

#include "message_format.h"
#include "terminal_progress.h"
#include "ui_strings.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cctype>
#include <vector>

namespace quillora::cli {

namespace {

// A question answered with something else is asked again, a few times.
constexpr int kAttempts = 3;

std::string filled(const std::string &templ, const std::string &insert)
{
    const std::array<UiArg, 1> args{UiArg(QString::fromStdString(insert))};
    return formatMessage(QString::fromStdString(templ), args).toStdString();
}

std::string lowered(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string &text)
{
    const size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// The choices of a question as "[Y]es/[N]o" shows them, from the buttons'
// texts; an answer is the accelerator letter or the whole word.
struct Choice {
    std::string label;
    char key;
    char fallback; // the English letter, always understood too
};

int choose(Console &console, AnswerReader &reader, const std::string &question, const std::vector<Choice> &choices)
{
    std::string keys;
    for (const Choice &c : choices) {
        if (!keys.empty())
            keys += '/';
        keys += c.label + " (" + std::string(1, c.key ? c.key : c.fallback) + ")";
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        console.err(question + "\n[" + keys + "]? ");
        const auto line = reader.readLine();
        if (!line)
            return -1;
        const std::string answer = lowered(trimmed(*line));
        for (size_t i = 0; i < choices.size(); ++i) {
            const Choice &c = choices[i];
            if (answer.size() == 1 && (answer[0] == c.key || answer[0] == c.fallback))
                return static_cast<int>(i);
            if (!answer.empty() && answer == lowered(c.label))
                return static_cast<int>(i);
        }
    }
    return -1;
}

Choice button(const NamedText &texts, const char *id, char fallback)
{
    const std::string label = texts(id);
    return {WithoutAccelerator(label.empty() ? std::string(1, fallback) : label), AcceleratorOf(label), fallback};
}

bool askYesNoOn(Console &console, AnswerReader &reader, const NamedText &texts, const std::string &question)
{
    const std::vector<Choice> choices{button(texts, "dlg161.6", 'y'), button(texts, "dlg161.7", 'n')};
    return choose(console, reader, question, choices) == 0;
}

} // namespace

NamedText programTexts()
{
    return [](const char *id) { return LoadUiEntry(QString::fromLatin1(id), CurrentUiLanguage()).toStdString(); };
}

std::optional<std::string> AnswerReader::readLine()
{
    std::string line;
    for (int c; (c = std::fgetc(in_)) != EOF;) {
        if (c == '\n')
            return line;
        line += static_cast<char>(c);
    }
    if (line.empty())
        return std::nullopt;
    return line;
}

char AcceleratorOf(const std::string &label)
{
    for (size_t i = 0; i + 1 < label.size(); ++i) {
        if (label[i] != '&')
            continue;
        if (label[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto c = static_cast<unsigned char>(label[i + 1]);
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : 0;
    }
    return 0;
}

std::string WithoutAccelerator(const std::string &label)
{
    std::string text;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size())
            ++i;
        text += label[i];
    }
    return text;
}

TerminalPrompt::TerminalPrompt(Console &console, AnswerReader &reader, bool interactive, AnswerChoice answer,
                               NamedText texts)
    : console_(console), reader_(reader), interactive_(interactive), answer_(answer), texts_(std::move(texts))
{
}

void TerminalPrompt::showMessage(MessageIcon icon, const std::string &text)
{
    const char *prefix = "";
    switch (icon) {
    case MessageIcon::Error:
        ++errors_;
        prefix = "error: ";
        break;
    case MessageIcon::Warning: prefix = "warning: "; break;
    case MessageIcon::Information:
    case MessageIcon::Question: break;
    }
    console_.err(std::string("quillora-cli: ") + prefix + text);
}

bool TerminalPrompt::askYesNo(const std::string &text)
{
    if (answer_ != AnswerChoice::Ask)
        return answer_ == AnswerChoice::Yes;
    if (!interactive_) {
        console_.err(text + "\n(standard input is no terminal: no)");
        return false;
    }
    return askYesNoOn(console_, reader_, texts_, text);
}

CliQuestions::CliQuestions(Console &console, AnswerReader &reader, bool interactive, OverwriteChoice overwrite,
                           PcmChoice adpcm, PcmChoice amr, NamedText texts)
    : console_(console), reader_(reader), interactive_(interactive), overwrite_(overwrite), adpcm_(adpcm), amr_(amr),
      texts_(std::move(texts))
{
}

bool CliQuestions::yesNo(const std::string &question)
{
    return askYesNoOn(console_, reader_, texts_, question);
}

ReplaceAnswer CliQuestions::confirmReplace(const std::string &path, std::string &newPath)
{
    switch (overwrite_) {
    case OverwriteChoice::All: return ReplaceAnswer::All;
    case OverwriteChoice::Skip: return ReplaceAnswer::Skip;
    case OverwriteChoice::Ask: break;
    }
    const QFileInfo file(QString::fromStdString(path));
    const std::string question = filled(texts_("dlg157.12291"), file.fileName().toStdString());
    if (!interactive_) {
        console_.err(question + "\n(standard input is no terminal: skipped; --overwrite=all replaces)");
        return ReplaceAnswer::Skip;
    }
    const std::vector<Choice> choices{button(texts_, "dlg157.6", 'y'), button(texts_, "dlg157.1", 'a'),
                                      button(texts_, "dlg157.1037", 'r'), button(texts_, "dlg157.7", 's'),
                                      button(texts_, "dlg157.2", 'c')};
    switch (choose(console_, reader_, question, choices)) {
    case 0: return ReplaceAnswer::Yes;
    case 1:
        // Every later collision of the run is replaced without a question.
        overwrite_ = OverwriteChoice::All;
        return ReplaceAnswer::All;
    case 2: {
        console_.err(WithoutAccelerator(texts_("dlg157.1037")) + ": ");
        const auto name = reader_.readLine();
        const std::string chosen = name ? trimmed(*name) : std::string();
        if (chosen.empty())
            return ReplaceAnswer::Skip;
        const QString given = QString::fromStdString(chosen);
        newPath = QFileInfo(given).isAbsolute() ? chosen : file.dir().filePath(given).toStdString();
        return ReplaceAnswer::Rename;
    }
    case 3: return ReplaceAnswer::Skip;
    default: return ReplaceAnswer::Cancel;
    }
}

bool CliQuestions::convertToPcm(const std::string &format)
{
    const PcmChoice choice = format == "AMR" ? amr_ : adpcm_;
    switch (choice) {
    case PcmChoice::Always: return true;
    case PcmChoice::Never: return false;
    case PcmChoice::Ask: break;
    }
    const std::string question = filled(texts_("212"), format);
    if (!interactive_)
        return false;
    return yesNo(question);
}

} // namespace quillora::cli
