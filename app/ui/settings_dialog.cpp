// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "settings_dialog.h"

#include "app_settings.h"
#include "application.h"
#include "ask_setting.h"
#include "dialog_texts.h"
#include "language_combo_box.h"
#include "ui_strings.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace quillora {
namespace {

// The lists' index is the AskSetting value.
constexpr StringId kChoiceTexts[] = {900, 901, 902};

AskChoice choiceAt(const QComboBox* list)
{
    const int index = list->currentIndex();
    return index >= 0 && index <= 2 ? static_cast<AskChoice>(index) : AskChoice::Ask;
}

} // namespace

SettingsDialog::SettingsDialog(SettingsTarget& target, SettingsStore& store, QWidget* parent)
    : QDialog(parent), target_(target), store_(store),
      openingLanguage_(readLanguageSetting(store, CurrentUiLanguage())), amrList_(choiceList(kAmrListId)),
      adpcmList_(choiceList(kAdpcmListId)),
      languageBox_(withControlId(new LanguageComboBox(this), kLanguageBoxId)),
      disableSounds_(withControlId(new QCheckBox(this), kDisableSoundsId))
{
    setTemplateId(this, kTemplateId);
    buildLayout();
    applyTexts();
    amrList_->setCurrentIndex(static_cast<int>(target_.amrSetting().value()));
    adpcmList_->setCurrentIndex(static_cast<int>(target_.adpcmSetting().value()));
    languageBox_->selectLanguage(openingLanguage_);
    disableSounds_->setChecked(target_.disableSounds());
}

QComboBox* SettingsDialog::choiceList(int id)
{
    auto* list = withControlId(new QComboBox(this), id);
    for (std::size_t i = 0; i < std::size(kChoiceTexts); ++i)
        list->addItem(QString());
    return list;
}

void SettingsDialog::buildLayout()
{
    amrLabel_ = new QLabel(this);
    amrLabel_->setBuddy(amrList_);
    adpcmLabel_ = new QLabel(this);
    adpcmLabel_->setBuddy(adpcmList_);
    auto* languageLabel = withControlId(new QLabel(this), kLanguageLabelId);
    languageLabel->setBuddy(languageBox_);
    auto* help = withControlId(new QPushButton(this), kHelpId);
    auto* ok = withControlId(new QPushButton(this), kOkId);
    auto* cancel = withControlId(new QPushButton(this), kCancelId);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SettingsDialog::reject);
    connect(help, &QPushButton::clicked, this, [] {
        if (Application* app = theApplication())
            openHelpFile(app->helpFilePath());
    });

    auto* grid = new QGridLayout;
    grid->addWidget(amrLabel_, 0, 0);
    grid->addWidget(amrList_, 0, 1);
    grid->addWidget(adpcmLabel_, 1, 0);
    grid->addWidget(adpcmList_, 1, 1);
    grid->addWidget(languageLabel, 2, 0);
    grid->addWidget(languageBox_, 2, 1);
    grid->addWidget(disableSounds_, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void SettingsDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QDialog::changeEvent(event);
}

void SettingsDialog::applyTexts()
{
    const LocaleId language = CurrentUiLanguage();
    ReapplyDialogTemplate(this, false, language);
    // The template keys the list labels by the lists' ids: the labels name
    // the lists they stand before.
    amrLabel_->setText(templateText(kTemplateId, kAmrListId, language));
    adpcmLabel_->setText(templateText(kTemplateId, kAdpcmListId, language));
    for (QComboBox* list : {amrList_, adpcmList_})
        for (int i = 0; i < list->count(); ++i)
            list->setItemText(i, LoadUiString(kChoiceTexts[i], language));
}

void SettingsDialog::accept()
{
    const bool disable = disableSounds_->isChecked();
    target_.amrSetting().setValue(choiceAt(amrList_));
    target_.adpcmSetting().setValue(choiceAt(adpcmList_));
    target_.setDisableSounds(disable);
    target_.amrSetting().save();
    target_.adpcmSetting().save();
    writeSetting(store_, setting::DisableSounds, disable ? 1 : 0);

    const LocaleId language = languageBox_->selectedLanguage();
    Application* app = theApplication();
    if (app && language != 0 && language != openingLanguage_) {
        app->SetUiLanguage(language);
        target_.reinitialise();
        hide();
        showRestartNotice();
    } else {
        target_.reinitialise();
    }
    QDialog::accept();
}

void SettingsDialog::reject() { done(kCancelId); }

void SettingsDialog::showRestartNotice()
{
    // Owned by the main window: this dialog is hidden by now.
    QMessageBox box(QMessageBox::Information, Application::name(), LoadUiString(kRestartNoticeId), QMessageBox::Ok,
                    parentWidget());
    box.exec();
}

} // namespace quillora
