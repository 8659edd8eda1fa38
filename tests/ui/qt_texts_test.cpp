// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Message boxes and Qt's own dialogs speak the chosen language: the standard
// buttons take the program's words (also where Qt has no table of its own)
// and a change of language replaces them rather than stacking them.

#include "qt_texts.h"
#include "ui_strings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using namespace quillora;

struct Buttons {
    QString ok, cancel, yes, no;
};

Buttons messageBoxButtons()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    return {box.button(QMessageBox::Ok)->text(), box.button(QMessageBox::Cancel)->text(),
            box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
}

class QtTexts : public testing::Test {
protected:
    void TearDown() override { installQtTexts(kEnglishUs); }
};

TEST_F(QtTexts, MessageBoxButtonsUseTheProgramsWordsAndFollowTheLanguage)
{
    installQtTexts(kFrench);
    const Buttons fr = messageBoxButtons();
    EXPECT_EQ(fr.ok, LoadUiText("dlg112.1", kFrench));
    EXPECT_EQ(fr.cancel, LoadUiText("dlg112.2", kFrench));
    EXPECT_EQ(fr.yes, LoadUiText("dlg158.6", kFrench));
    EXPECT_EQ(fr.no, LoadUiText("dlg158.7", kFrench));
    EXPECT_EQ(fr.yes, QStringLiteral("&Oui"));
    EXPECT_EQ(fr.cancel, QStringLiteral("Annuler"));

    // Qt has no Italian table of its own; the buttons still speak Italian.
    constexpr LocaleId kItalian = 1040;
    installQtTexts(kItalian);
    const Buttons it = messageBoxButtons();
    EXPECT_EQ(it.yes, LoadUiText("dlg158.6", kItalian));
    EXPECT_EQ(it.cancel, LoadUiText("dlg112.2", kItalian));
    EXPECT_NE(it.yes, QStringLiteral("&Yes"));
    EXPECT_NE(it.cancel, QStringLiteral("Cancel"));

    installQtTexts(kEnglishUs);
    const Buttons en = messageBoxButtons();
    EXPECT_EQ(en.yes, QStringLiteral("&Yes"));
    EXPECT_EQ(en.cancel, QStringLiteral("Cancel"));
}

TEST_F(QtTexts, QtsOwnTableIsLoadedWhereTheSystemHasOne)
{
    const QString path = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
    if (!QFile::exists(path))
        GTEST_SKIP() << path.toStdString() << " is not installed (qt6-translations-l10n)";
    const QString english = QStringLiteral("Look in:");
    installQtTexts(kFrench);
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), english);
    installQtTexts(kEnglishUs);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), english);
}

} // namespace
