// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "ask_setting.h"

#include "question_dialog.h"

namespace quillora {
namespace {

int runQuestionDialog(const QString& message, QWidget* parent)
{
    QuestionDialog dialog(message, parent);
    return dialog.exec();
}

AskSetting::QuestionRunner& questionRunner()
{
    static AskSetting::QuestionRunner runner = runQuestionDialog;
    return runner;
}

} // namespace

AskSetting::AskSetting(SettingsStore& store, const IntSetting& setting) : store_(&store), setting_(setting) {}

void AskSetting::load() { value_ = readAskSetting(*store_, setting_); }

void AskSetting::save() { writeSetting(*store_, setting_, static_cast<int>(value_)); }

int AskSetting::ask(const QString& message, QWidget* parent)
{
    if (value_ == AskChoice::Never)
        return kNo;
    if (value_ == AskChoice::Always)
        return kYes;
    switch (questionRunner()(message, parent)) {
    case QuestionDialog::kYesAndRemember:
        value_ = AskChoice::Always;
        save();
        return kYes;
    case QuestionDialog::kNoAndRemember:
        value_ = AskChoice::Never;
        save();
        return kNo;
    case QuestionDialog::kYes:
        return kYes;
    default: // No, or closed without an answer
        return kNo;
    }
}

int AskSetting::askFormatted(StringId id, const QString& insert, QWidget* parent)
{
    return ask(FormatUiString(id, insert), parent);
}

void AskSetting::setQuestionRunner(QuestionRunner runner)
{
    questionRunner() = runner ? std::move(runner) : QuestionRunner(runQuestionDialog);
}

} // namespace quillora
