// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "ask_setting.h"
#include "dialog_test_env.h"
#include "language_combo_box.h"
#include "modal_dialogs.h"
#include "settings_dialog.h"
#include "ui_strings.h"
#include "welcome_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include <memory>

using namespace quillora;

namespace {

QString textOf(const QWidget* window, int id)
{
    const QWidget* w = findControl(window, id);
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    auto* button = qobject_cast<const QAbstractButton*>(w);
    return button ? button->text() : QString();
}

using WelcomeTest = DialogTest;

class FakeTarget : public SettingsTarget {
public:
    explicit FakeTarget(SettingsStore& store) : amr(store, setting::AMR2PCM), adpcm(store, setting::ADPCM2PCM) {}
    AskSetting& amrSetting() override { return amr; }
    AskSetting& adpcmSetting() override { return adpcm; }
    bool disableSounds() const override { return disable; }
    void setDisableSounds(bool d) override { disable = d; }
    void reinitialise() override { ++reinitialised; }
    AskSetting amr, adpcm;
    bool disable = false;
    int reinitialised = 0;
};

TEST_F(WelcomeTest, NewLanguageAppliesAtOnceAndStaysAfterCancel)
{
    WelcomeDialog dialog(true);
    dialog.show();
    const QString englishNotice = textOf(&dialog, WelcomeDialog::kNoticeId);

    findControlAs<LanguageComboBox>(&dialog, WelcomeDialog::kLanguageBoxId)->selectLanguage(kFrench);
    auto checkFrench = [&] {
        EXPECT_EQ(dialog.windowTitle(), templateText(112, 0, kFrench));
        EXPECT_EQ(textOf(&dialog, WelcomeDialog::kShowAtStartupId), templateText(112, 1033, kFrench));
        EXPECT_EQ(textOf(&dialog, WelcomeDialog::kCancelId), QStringLiteral("Annuler"));
        const QString notice = textOf(&dialog, WelcomeDialog::kNoticeId);
        EXPECT_NE(notice, englishNotice);
        EXPECT_TRUE(notice.contains(app_.companyShortName()));
        EXPECT_EQ(findControlAs<LanguageComboBox>(&dialog, WelcomeDialog::kLanguageBoxId)->selectedLanguage(), kFrench);
    };
    checkFrench();
    EXPECT_FALSE(findControlAs<QLabel>(&dialog, WelcomeDialog::kBannerId)->pixmap().isNull()) << "banner kept";
    EXPECT_EQ(storedLanguage(), 1036);
    // The program-wide language change reaches the dialog later as an event.
    QCoreApplication::processEvents();
    checkFrench();

    click(&dialog, WelcomeDialog::kCancelId);
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(CurrentUiLanguage(), kFrench);
    EXPECT_EQ(storedLanguage(), 1036);
}

TEST_F(WelcomeTest, StartupBoxIsWrittenOnEveryClick)
{
    writeSetting(store_, setting::ShowSplash, 0);
    WelcomeDialog dialog(true);
    dialog.show();
    auto* box = findControlAs<QCheckBox>(&dialog, WelcomeDialog::kShowAtStartupId);
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_EQ(stored(setting::ShowSplash), 1);
    box->click();
    EXPECT_EQ(stored(setting::ShowSplash), 0);
    box->click();
    click(&dialog, WelcomeDialog::kCancelId);
    EXPECT_EQ(stored(setting::ShowSplash), 1) << "Cancel keeps it";
}

TEST_F(WelcomeTest, WithoutLanguageChoiceStillFollowsTheProgramsLanguage)
{
    WelcomeDialog dialog(false);
    dialog.show();
    EXPECT_FALSE(findControl(&dialog, WelcomeDialog::kLanguageBoxId)->isVisible());
    EXPECT_FALSE(findControl(&dialog, WelcomeDialog::kLanguageLabelId)->isVisible());
    app_.SetUiLanguage(kFrench);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.windowTitle() == templateText(112, 0, kFrench); }, 2000));
    EXPECT_FALSE(findControl(&dialog, WelcomeDialog::kLanguageBoxId)->isVisible());
}

class SettingsTest : public DialogTest {
protected:
    SettingsTest()
    {
        target_.amr.setValue(AskChoice::Always);
        target_.adpcm.setValue(AskChoice::Never);
        for (const IntSetting* s : {&setting::AMR2PCM, &setting::ADPCM2PCM, &setting::DisableSounds})
            writeSetting(store_, *s, 9);
        dialog_ = std::make_unique<SettingsDialog>(target_, store_);
        dialog_->show();
    }
    template <typename W>
    W* control(int id) { return findControlAs<W>(dialog_.get(), id); }

    FakeTarget target_{store_};
    std::unique_ptr<SettingsDialog> dialog_;
};

TEST_F(SettingsTest, OkStoresTheChoices)
{
    EXPECT_EQ(control<QComboBox>(SettingsDialog::kAmrListId)->currentText(), QStringLiteral("Always"));
    EXPECT_EQ(control<QComboBox>(SettingsDialog::kAdpcmListId)->currentIndex(), 0);
    control<QComboBox>(SettingsDialog::kAmrListId)->setCurrentIndex(0);
    control<QComboBox>(SettingsDialog::kAdpcmListId)->setCurrentIndex(1);
    control<QCheckBox>(SettingsDialog::kDisableSoundsId)->click();
    auto box = testing_support::whenModalAppears([](QWidget* w) { w->close(); });
    click(dialog_.get(), SettingsDialog::kOkId);
    EXPECT_EQ(dialog_->result(), 1);
    EXPECT_EQ(stored(setting::AMR2PCM), 0);
    EXPECT_EQ(stored(setting::ADPCM2PCM), 1);
    EXPECT_EQ(stored(setting::DisableSounds), 1);
    EXPECT_TRUE(target_.disable);
    EXPECT_EQ(target_.reinitialised, 1);
    EXPECT_FALSE(box.acted()) << "no language change, no message";
}

TEST_F(SettingsTest, OkWithoutChangesOnlyReinitialises)
{
    auto box = testing_support::whenModalAppears([](QWidget* w) { w->close(); });
    click(dialog_.get(), SettingsDialog::kOkId);
    EXPECT_EQ(target_.reinitialised, 1);
    EXPECT_FALSE(box.acted());
    EXPECT_EQ(stored(setting::AMR2PCM), 2) << "the choices shown are stored";
}

TEST_F(SettingsTest, NewLanguageIsStoredAndTheUserTold)
{
    control<LanguageComboBox>(SettingsDialog::kLanguageBoxId)->selectLanguage(kFrench);
    EXPECT_EQ(CurrentUiLanguage(), kEnglishUs) << "nothing before OK";
    QString text, title;
    bool dialogHidden = false;
    auto box = testing_support::whenModalAppears([&](QWidget* w) {
        auto* message = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(message, nullptr);
        text = message->text();
        title = message->windowTitle();
        dialogHidden = !dialog_->isVisible();
        message->button(QMessageBox::Ok)->click();
    });
    click(dialog_.get(), SettingsDialog::kOkId);
    ASSERT_TRUE(box.acted());
    EXPECT_EQ(text, LoadUiString(103, kFrench));
    EXPECT_EQ(title, QStringLiteral("Quillora"));
    EXPECT_TRUE(dialogHidden);
    EXPECT_EQ(storedLanguage(), 1036);
    EXPECT_EQ(target_.reinitialised, 1);
    EXPECT_EQ(dialog_->result(), 1);
}

TEST_F(SettingsTest, CancelChangesNothing)
{
    control<QComboBox>(SettingsDialog::kAmrListId)->setCurrentIndex(1);
    control<QCheckBox>(SettingsDialog::kDisableSoundsId)->click();
    control<LanguageComboBox>(SettingsDialog::kLanguageBoxId)->selectLanguage(kFrench);
    click(dialog_.get(), SettingsDialog::kCancelId);
    EXPECT_EQ(dialog_->result(), 2);
    EXPECT_EQ(stored(setting::AMR2PCM), 9);
    EXPECT_EQ(stored(setting::DisableSounds), 9);
    EXPECT_EQ(target_.amr.value(), AskChoice::Always);
    EXPECT_FALSE(target_.disable);
    EXPECT_EQ(target_.reinitialised, 0);
    EXPECT_EQ(CurrentUiLanguage(), kEnglishUs);
}

} // namespace
