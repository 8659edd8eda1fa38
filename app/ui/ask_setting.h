// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// A Never / Ask / Always choice kept in the settings store, and the question
// that goes with it: asked only while the choice is Ask, and an answer given
// with "Do not ask this question anymore" ticked becomes the new choice.
#pragma once

#include "app_settings.h"
#include "ui_strings.h"

#include <QString>

#include <functional>

class QWidget;

namespace quillora {

class AskSetting {
public:
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;

    // Shows the question and returns the QuestionDialog's end code.
    using QuestionRunner = std::function<int(const QString& message, QWidget* parent)>;

    AskSetting(SettingsStore& store, const IntSetting& setting);

    void load(); // a stored value outside 0..2 reads as Ask
    void save();
    AskChoice value() const { return value_; }
    void setValue(AskChoice value) { value_ = value; }

    // kYes or kNo.
    int ask(const QString& message, QWidget* parent);
    int askFormatted(StringId id, const QString& insert, QWidget* parent);

    // Replaces the question dialog for every AskSetting (tests); an empty
    // runner restores the dialog.
    static void setQuestionRunner(QuestionRunner runner);

private:
    SettingsStore* store_;
    IntSetting setting_;
    AskChoice value_ = AskChoice::Ask;
};

} // namespace quillora
