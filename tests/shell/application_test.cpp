// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "app_settings.h"
#include "application.h"
#include "ui_strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace quillora;

namespace {

VersionInfo versionOf(unsigned major, unsigned minor, unsigned patch, std::uint32_t flags, const char* privateBuild = "")
{
    VersionInfo v;
    v.fileVersionMS = (major << 16) | minor;
    v.fileVersionLS = patch << 16;
    v.fileFlags = flags;
    if (*privateBuild)
        v.strings.insert(QStringLiteral("PrivateBuild"), QString::fromLatin1(privateBuild));
    return v;
}

TEST(VersionText, ReleasePreReleaseAndPrivateBuild)
{
    EXPECT_EQ(versionOf(7, 9, 0, 0).versionText(), QStringLiteral("7.09"));
    EXPECT_EQ(versionOf(7, 9, 3, 0).versionText(), QStringLiteral("7.09")) << "the third number only for a pre-release";
    EXPECT_EQ(versionOf(7, 9, 3, VersionInfo::kPreRelease).versionText(), QStringLiteral("7.09.0003"));
    EXPECT_EQ(versionOf(12, 123, 0, 0).versionText(), QStringLiteral("12.123"));
    EXPECT_EQ(versionOf(1, 2, 0, VersionInfo::kPrivateBuild, "test rig").versionText(), QStringLiteral("1.02 test rig"));
    EXPECT_EQ(versionOf(1, 2, 5, VersionInfo::kPrivateBuild | VersionInfo::kPreRelease, "x").versionText(),
              QStringLiteral("1.02.0005 x"));
}

TEST(VersionText, ThisBuildNamesItsCompany)
{
    const VersionInfo v = VersionInfo::current();
    EXPECT_FALSE(v.stringValue(QStringLiteral("CompanyShortName")).isEmpty());
    EXPECT_FALSE(v.stringValue(QStringLiteral("CompanyName")).isEmpty());
    EXPECT_EQ(v.stringValue(QStringLiteral("NoSuchValue")), QString());
    EXPECT_TRUE(v.versionText().startsWith(QStringLiteral("0.")));
}

class HelpFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir_.path()).mkpath(QStringLiteral("bin"));
        QDir(dir_.path()).mkpath(QStringLiteral("share"));
    }
    QString program() const { return dir_.filePath(QStringLiteral("bin/quillora")); }
    QString share() const { return dir_.filePath(QStringLiteral("share")); }
    void touch(const QString& path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir_;
};

TEST_F(HelpFileTest, FrenchManualWhenThereIsOne)
{
    const QString bin = dir_.filePath(QStringLiteral("bin"));
    // Nothing installed: the English name beside the program.
    EXPECT_EQ(helpFileFor(program(), {share()}, kFrench), bin + QStringLiteral("/Quillora.html"));
    touch(share() + QStringLiteral("/Quillora.html"));
    EXPECT_EQ(helpFileFor(program(), {share()}, kFrench), share() + QStringLiteral("/Quillora.html"));
    touch(share() + QStringLiteral("/Quillora FR.html"));
    EXPECT_EQ(helpFileFor(program(), {share()}, kFrench), share() + QStringLiteral("/Quillora FR.html"));
    EXPECT_EQ(helpFileFor(program(), {share()}, 3084), share() + QStringLiteral("/Quillora FR.html")) << "fr-CA";
    EXPECT_EQ(helpFileFor(program(), {share()}, kEnglishUs), share() + QStringLiteral("/Quillora.html"));
    touch(bin + QStringLiteral("/Quillora.html"));
    EXPECT_EQ(helpFileFor(program(), {share()}, 1031), bin + QStringLiteral("/Quillora.html"))
        << "beside the program comes first";
}

class ApplicationTest : public HelpFileTest {
protected:
    ~ApplicationTest() override { setUiLanguageForLookups(kEnglishUs); }
    QString settingsPath() const { return dir_.filePath(QStringLiteral("Quillora.conf")); }
};

// Counts the language changes a window is told of.
class LanguageWatcher : public QWidget {
public:
    int changes = 0;

protected:
    void changeEvent(QEvent* e) override
    {
        if (e->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(e);
    }
};

TEST_F(ApplicationTest, SetUiLanguageStoresItAndChoosesTheManualAgain)
{
    touch(share() + QStringLiteral("/Quillora FR.html"));
    SettingsStore store(settingsPath());
    Application app(store, program(), {share()});
    LanguageWatcher window;
    window.show();

    app.SetUiLanguage(kFrench);
    QCoreApplication::sendPostedEvents(); // windows are told through posted events
    EXPECT_EQ(CurrentUiLanguage(), kFrench);
    EXPECT_EQ(readLanguageSetting(store, 0), kFrench);
    EXPECT_EQ(app.helpFilePath(), share() + QStringLiteral("/Quillora FR.html"));
    EXPECT_EQ(QLocale().language(), QLocale::French);
    EXPECT_EQ(window.changes, 1);

    app.SetUiLanguage(1049);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(readLanguageSetting(store, 0), 1049u);
    EXPECT_TRUE(app.helpFilePath().endsWith(QStringLiteral("/Quillora.html")));
    EXPECT_EQ(window.changes, 2);
    QLocale::setDefault(QLocale::c());
}

TEST_F(ApplicationTest, StartupReadsTheStoredLanguageOrWritesTheDefaultBack)
{
    struct Row {
        const char* file;
        LocaleId expected;
    };
    const Row rows[] = {
        {"[Settings]\nLanguage=0\n", kEnglishUs},
        {"[Settings]\nLanguage=1\n", kFrench},
        {"[settings]\nlanguage=1045\n", 1045},
        {"[Settings]\nShowSplash=0\n", defaultUiLanguage()},
    };
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        // A file of its own per row: QSettings caches a file by size and time.
        const QString path = dir_.filePath(QStringLiteral("start%1.conf").arg(++n));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(row.file);
        f.close();
        SettingsStore store(path);
        Application app(store, program(), {});
        app.loadStartupSettings();
        EXPECT_EQ(CurrentUiLanguage(), row.expected);
        SettingsStore reread(path);
        EXPECT_EQ(reread.readInt(QStringLiteral("Settings"), QStringLiteral("Language"), -1), int(row.expected));
    }
    QLocale::setDefault(QLocale::c());
}

TEST_F(ApplicationTest, StartupReadsDelayFactorAndShowHidden)
{
    QFile f(settingsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Settings]\nShowHidden=1\n[timing]\ndelayfactor=300\n");
    f.close();
    SettingsStore store(settingsPath());
    Application app(store, program(), {});
    EXPECT_EQ(app.delayFactor(), 100);
    app.loadStartupSettings();
    EXPECT_EQ(app.delayFactor(), 300);
    EXPECT_TRUE(app.showHidden());
    QLocale::setDefault(QLocale::c());
}

} // namespace
