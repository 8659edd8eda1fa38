// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The program's start: the welcome dialog and its language choice, Cancel
// ending the program, OK or ShowSplash 0 leading to the main window; and the
// program itself, where a second start hands over and shows nothing.

#include "app_settings.h"
#include "application.h"
#include "detect.h"
#include "dialog_texts.h"
#include "instance_channel.h"
#include "language_combo_box.h"
#include "main_window.h"
#include "modal_dialogs.h"
#include "settings_store.h"
#include "startup.h"
#include "ui_strings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace quillora;
using testing_support::whenModalAppears;

class StartUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        store_ = std::make_unique<SettingsStore>(dir_.filePath(QStringLiteral("quillora.conf")));
        writeSetting(*store_, setting::DisableSounds, 1);
        writeLanguageSetting(*store_, kEnglishUs);
        app_ = std::make_unique<Application>(*store_, dir_.filePath(QStringLiteral("quillora")), QStringList{});
        setTheApplication(app_.get());
        // No port at all: the main window's detection has nothing to probe.
        trelvix::setCandidateSource([](bool) { return std::vector<trelvix::PortCandidate>{}; });
    }
    void TearDown() override
    {
        app_->SetUiLanguage(kEnglishUs);
        QCoreApplication::processEvents();
        setTheApplication(nullptr);
    }
    static void click(QWidget* window, int id)
    {
        auto* button = findControlAs<QAbstractButton>(window, id);
        ASSERT_NE(button, nullptr) << "control " << id;
        button->click();
    }

    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Application> app_;
};

TEST_F(StartUp, WelcomeSwitchesToFrenchAtOnceAndCancelEndsWithoutTheMainWindow)
{
    QString captionBefore, captionAfter, noticeAfter, okAfter;
    auto watch = whenModalAppears([&](QWidget* welcome) {
        captionBefore = welcome->windowTitle();
        auto* languages = findControlAs<LanguageComboBox>(welcome, 1060);
        ASSERT_NE(languages, nullptr);
        ASSERT_TRUE(languages->isVisible());
        languages->selectLanguage(kFrench);
        captionAfter = welcome->windowTitle();
        noticeAfter = findControlAs<QLabel>(welcome, 1022)->text();
        okAfter = findControlAs<QAbstractButton>(welcome, 2)->text();
        click(welcome, 2);
    });
    EXPECT_EQ(RunFirstInstance(*app_, {}, QString()), 0);
    ASSERT_TRUE(watch.acted());
    EXPECT_EQ(captionBefore, QStringLiteral("Use of Quillora"));
    EXPECT_EQ(captionAfter, LoadUiText("dlg112.caption", kFrench));
    EXPECT_NE(captionAfter, captionBefore);
    EXPECT_EQ(okAfter, QStringLiteral("Annuler"));
    EXPECT_EQ(noticeAfter, FormatUiString(401, app_->companyShortName(), app_->companyName()));
    EXPECT_TRUE(noticeAfter.contains(QStringLiteral("téléphone"))) << noticeAfter.toStdString();
    // Stored at once; Cancel does not take it back.
    EXPECT_EQ(readLanguageSetting(*store_, 0), kFrench);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<MainWindow*>(w), nullptr) << "the main window was made visible";
}

TEST_F(StartUp, WelcomeOkLeadsToTheMainWindow)
{
    bool mainShown = false;
    auto exitMain = std::make_unique<testing_support::ModalWatch>([](QWidget*) {}, 1);
    auto watch = whenModalAppears([&](QWidget* welcome) {
        exitMain = std::make_unique<testing_support::ModalWatch>([&](QWidget* main) {
            mainShown = qobject_cast<MainWindow*>(main) != nullptr;
            click(main, 1); // Exit
        });
        click(welcome, 1);
    });
    EXPECT_EQ(RunFirstInstance(*app_, {}, QString()), 0);
    EXPECT_TRUE(watch.acted());
    EXPECT_TRUE(mainShown);
}

TEST_F(StartUp, WithoutSplashTheMainWindowComesFirstAndFilesWaitThere)
{
    writeSetting(*store_, setting::ShowSplash, 0);
    QString first;
    QStringList pending;
    auto watch = whenModalAppears([&](QWidget* modal) {
        first = QString::fromLatin1(modal->metaObject()->className());
        if (auto* main = qobject_cast<MainWindow*>(modal))
            pending = main->pendingFiles();
        click(modal, 1);
    });
    const QString picture = dir_.filePath(QStringLiteral("a.jpg"));
    EXPECT_EQ(RunFirstInstance(*app_, {{picture}, QString()}, QString()), 0);
    EXPECT_EQ(first, QStringLiteral("quillora::MainWindow"));
    EXPECT_EQ(pending, QStringList{picture});
}

// The program as users start it: --version, then a first instance and a
// second start that only hands over, then [Quit] through a third.
class ProgramProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        QDir(home_.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(home_.filePath(QStringLiteral("run")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.filePath(QStringLiteral("run")));
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
        // Detection probes only a port that does not exist.
        env_.insert(QStringLiteral("TRELVIX_PORTS"), home_.filePath(QStringLiteral("no-such-port")));
        env_.insert(QStringLiteral("TRELVIX_EXTRA_PORTS"), QString());
    }
    std::unique_ptr<QProcess> start(const QStringList& args)
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env_);
        p->start(QStringLiteral(QUILLORA_PROGRAM), args);
        return p;
    }
    QString configFile() const
    {
        QDir config(home_.filePath(QStringLiteral("config")));
        const auto found = config.entryInfoList({QStringLiteral("*.conf")}, QDir::Files) +
                           QDir(config.filePath(config.entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0)))
                               .entryInfoList({QStringLiteral("*.conf")}, QDir::Files);
        return found.isEmpty() ? QString() : found.first().absoluteFilePath();
    }

    QTemporaryDir home_;
    QProcessEnvironment env_;
};

// Also in a terminal with no display at all, where no window could open.
TEST_F(ProgramProcess, VersionAndHelpArePrintedWithoutADisplay)
{
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env_.remove(QString::fromLatin1(name));
    auto version = start({QStringLiteral("--version")});
    ASSERT_TRUE(version->waitForFinished(10000));
    EXPECT_EQ(version->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(version->exitCode(), 0);
    EXPECT_TRUE(version->readAllStandardOutput().startsWith("Quillora "));
    auto help = start({QStringLiteral("--help")});
    ASSERT_TRUE(help->waitForFinished(10000));
    EXPECT_EQ(help->exitCode(), 0);
    EXPECT_TRUE(help->readAllStandardOutput().contains("--command"));
}

// [Quit] with nothing running has nothing to end: no window, no settings.
TEST_F(ProgramProcess, QuitWithNothingRunningEndsAtOnce)
{
    auto p = start({QStringLiteral("--command"), QStringLiteral("[Quit]")});
    ASSERT_TRUE(p->waitForFinished(10000));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 0);
    EXPECT_TRUE(p->readAllStandardError().contains("not running"));
    EXPECT_TRUE(configFile().isEmpty()) << configFile().toStdString();
}

TEST_F(ProgramProcess, ASecondStartHandsOverAndChangesNothing)
{
    // The first start shows the main window at once and stores its language.
    QDir(home_.path()).mkpath(QStringLiteral("config/QuilloraFolk"));
    QFile seed(home_.filePath(QStringLiteral("config/QuilloraFolk/Quillora.conf")));
    ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
    seed.write("[Settings]\nShowSplash=0\n");
    seed.close();
    auto first = start({});
    const QString socket = home_.filePath(QStringLiteral("run/")) + QString::fromLatin1(kInstanceBaseName) +
                           QStringLiteral(".socket");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 15000))
        << first->readAllStandardError().constData();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seed.size() > 24; }, 5000));
    QFile before(configFile());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray settingsBefore = before.readAll();

    auto second = start({home_.filePath(QStringLiteral("picture.jpg"))});
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitCode(), 0) << second->readAllStandardError().constData();
    QFile after(configFile());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), settingsBefore);

    auto quit = start({QStringLiteral("--command"), QStringLiteral("[Quit]")});
    ASSERT_TRUE(quit->waitForFinished(10000));
    EXPECT_EQ(quit->exitCode(), 0);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitCode(), 0);
}

} // namespace
