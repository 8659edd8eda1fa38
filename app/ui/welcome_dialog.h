// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The use notice, shown at start-up (with the language choice) and from the
// About entry (without it). A new language takes effect for the whole
// program at once and is stored, whichever button ends the dialog; so is
// the "show at startup" box.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace quillora {

class LanguageComboBox;

class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 112;
    enum ControlId {
        kBannerId = 143,
        kBlankLineId = 1056,
        kNoticeId = 1022,
        kShowAtStartupId = 1033,
        kLanguageLabelId = 1057,
        kLanguageBoxId = 1060,
        kOkId = 1,
        kCancelId = 2,
    };

    explicit WelcomeDialog(bool showLanguageChoice, QWidget* parent = nullptr);

    // Ends with 2, as Cancel does.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    void applyTexts();
    void fillDynamicTexts();
    void chooseLanguage();

    bool showLanguageChoice_;
    QLabel* banner_;
    QLabel* notice_;
    QCheckBox* showAtStartup_;
    QLabel* languageLabel_;
    LanguageComboBox* languageBox_;
};

} // namespace quillora
