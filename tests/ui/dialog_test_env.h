// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// An application object over a settings file of the test's own, in English.
#pragma once

#include "app_settings.h"
#include "application.h"
#include "dialog_texts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class DialogTest : public testing::Test {
protected:
    DialogTest()
        : store_(dir_.filePath(QStringLiteral("quillora.conf"))),
          app_(store_, dir_.filePath(QStringLiteral("quillora")), {})
    {
        quillora::setTheApplication(&app_);
        app_.SetUiLanguage(quillora::kEnglishUs);
    }
    ~DialogTest() override
    {
        // Language changes are posted to the windows: none may reach the next test.
        QCoreApplication::processEvents();
        quillora::setTheApplication(nullptr);
    }

    int stored(const quillora::IntSetting& s) const { return quillora::readSetting(store_, s); }
    quillora::LocaleId storedLanguage() const { return quillora::readLanguageSetting(store_, 0); }
    static void click(const QWidget* window, int id)
    {
        auto* button = quillora::findControlAs<QAbstractButton>(window, id);
        ASSERT_NE(button, nullptr) << "control " << id;
        button->click();
    }

    QTemporaryDir dir_;
    quillora::SettingsStore store_;
    quillora::Application app_;
};
