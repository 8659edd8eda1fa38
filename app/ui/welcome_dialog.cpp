// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "welcome_dialog.h"

#include "app_settings.h"
#include "application.h"
#include "dialog_texts.h"
#include "language_combo_box.h"
#include "program_art.h"
#include "ui_strings.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

namespace quillora {

WelcomeDialog::WelcomeDialog(bool showLanguageChoice, QWidget* parent)
    : QDialog(parent), showLanguageChoice_(showLanguageChoice),
      banner_(withControlId(new QLabel(this), kBannerId)), notice_(withControlId(new QLabel(this), kNoticeId)),
      showAtStartup_(withControlId(new QCheckBox(this), kShowAtStartupId)),
      languageLabel_(withControlId(new QLabel(this), kLanguageLabelId)),
      languageBox_(withControlId(new LanguageComboBox(this), kLanguageBoxId))
{
    setTemplateId(this, kTemplateId);
    buildLayout();

    connect(showAtStartup_, &QCheckBox::clicked, this, [](bool checked) {
        if (Application* app = theApplication())
            writeSetting(app->settings(), setting::ShowSplash, checked ? 1 : 0);
    });
    connect(languageBox_, &QComboBox::currentIndexChanged, this, [this] { chooseLanguage(); });
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [] {
        if (Application* app = theApplication())
            openHelpFile(app->helpFilePath());
    });

    applyTexts();
}

void WelcomeDialog::buildLayout()
{
    banner_->setAlignment(Qt::AlignCenter);
    auto* blankLine = withControlId(new QLabel(this), kBlankLineId);
    blankLine->setAlignment(Qt::AlignCenter);
    notice_->setTextFormat(Qt::PlainText);
    notice_->setWordWrap(true);
    languageLabel_->setBuddy(languageBox_);
    languageLabel_->setVisible(showLanguageChoice_);
    languageBox_->setVisible(showLanguageChoice_);

    auto* ok = withControlId(new QPushButton(this), kOkId);
    auto* cancel = withControlId(new QPushButton(this), kCancelId);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &WelcomeDialog::reject);

    auto* language = new QHBoxLayout;
    language->addWidget(languageLabel_);
    language->addWidget(languageBox_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showAtStartup_);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner_);
    layout->addWidget(blankLine);
    layout->addWidget(notice_, 1);
    layout->addLayout(language);
    layout->addLayout(buttons);
    // Wide enough that the notice wraps into a readable column rather than
    // one word per line.
    notice_->setMinimumWidth(notice_->fontMetrics().averageCharWidth() * 60);
}

void WelcomeDialog::reject() { done(kCancelId); }

void WelcomeDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QDialog::changeEvent(event);
}

void WelcomeDialog::applyTexts()
{
    // Empty template texts clear their controls, so nothing of the previous
    // language stays; the dynamic texts and pictures are filled in again.
    ReapplyDialogTemplate(this, true, CurrentUiLanguage());
    fillDynamicTexts();
}

void WelcomeDialog::fillDynamicTexts()
{
    // Re-applying the template cleared the banner along with the empty texts.
    banner_->setPixmap(welcomeBanner());
    setWindowIcon(applicationIcon());
    if (showLanguageChoice_) {
        const QSignalBlocker quiet(languageBox_);
        languageBox_->selectLanguage(CurrentUiLanguage());
    }
    Application* app = theApplication();
    const QString shortName = app ? app->companyShortName() : QString();
    const QString name = app ? app->companyName() : QString();
    notice_->setText(FormatUiString(401, shortName, name));
    if (app)
        showAtStartup_->setChecked(readSetting(app->settings(), setting::ShowSplash) != 0);
}

void WelcomeDialog::chooseLanguage()
{
    const LocaleId id = languageBox_->selectedLanguage();
    Application* app = theApplication();
    if (!app || id == 0)
        return;
    app->SetUiLanguage(id);
    applyTexts();
}

} // namespace quillora
