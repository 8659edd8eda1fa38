// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The sound conversion choices, the language and the button sounds. Nothing
// changes before OK; a new language then applies to the whole program, and
// the user is told that texts already shown keep their language until the
// next start.
#pragma once

#include "languages.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

namespace quillora {

class AskSetting;
class LanguageComboBox;
class SettingsStore;

// What the dialog changes: the main window's own choices.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;
    virtual AskSetting& amrSetting() = 0;
    virtual AskSetting& adpcmSetting() = 0;
    virtual bool disableSounds() const = 0;
    virtual void setDisableSounds(bool disable) = 0;
    // Applies the choices (and, after a language change, the texts) again.
    virtual void reinitialise() = 0;
};

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 154;
    enum ControlId {
        kAmrListId = 1058,
        kAdpcmListId = 1062,
        kLanguageLabelId = 1057,
        kLanguageBoxId = 1060,
        kDisableSoundsId = 1070,
        kHelpId = 9,
        kOkId = 1,
        kCancelId = 2,
    };
    static constexpr unsigned kRestartNoticeId = 103;

    SettingsDialog(SettingsTarget& target, SettingsStore& store, QWidget* parent = nullptr);

    void accept() override;
    // Ends with 2, as Cancel does.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    QComboBox* choiceList(int id);
    void buildLayout();
    void applyTexts();
    void showRestartNotice();

    SettingsTarget& target_;
    SettingsStore& store_;
    LocaleId openingLanguage_;
    QLabel* amrLabel_ = nullptr;
    QLabel* adpcmLabel_ = nullptr;
    QComboBox* amrList_;
    QComboBox* adpcmList_;
    LanguageComboBox* languageBox_;
    QCheckBox* disableSounds_;
};

} // namespace quillora
