// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "app_settings.h"
#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quillora;

namespace {

class SettingsTest : public testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("folk/Quillora.conf")); }
    void writeFile(const QByteArray& bytes)
    {
        QDir().mkpath(dir_.filePath(QStringLiteral("folk")));
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const QString& p) const
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
};

struct KeyDefault {
    IntSetting key;
    int expected;
};

TEST_F(SettingsTest, EveryKeyHasItsDefaultInAnEmptyStore)
{
    SettingsStore store(path());
    const KeyDefault table[] = {
        {setting::ShowSplash, 1},       {setting::ShowHidden, 0},        {setting::DisableSounds, 0},
        {setting::AllowVCardsVCals, 0}, {setting::AllowMultipleSend, 0}, {setting::AMR2PCM, 1},
        {setting::ADPCM2PCM, 1},        {setting::Category, 1},          {setting::DelayFactor, 100},
    };
    for (const KeyDefault& row : table)
        EXPECT_EQ(readSetting(store, row.key), row.expected) << row.key.key;
    EXPECT_EQ(readPathSetting(store), QString());
    EXPECT_EQ(readLanguageSetting(store, 1031), 1031u);
    EXPECT_EQ(readPhoneQuirks(store, QStringLiteral("350123451234560")), 0u);
    EXPECT_STRNE(setting::DelayFactor.section, setting::kSection);
    EXPECT_FALSE(QFile::exists(path())) << "reading must not create the file";
}

TEST_F(SettingsTest, ValuesSurviveANewStore)
{
    {
        SettingsStore store(path());
        ASSERT_TRUE(writeSetting(store, setting::DisableSounds, 1));
        ASSERT_TRUE(writePathSetting(store, QStringLiteral("/home/me/Pictures [phone]")));
        ASSERT_TRUE(writeLanguageSetting(store, 1049));
        ASSERT_TRUE(writePhoneQuirks(store, QStringLiteral("350123451234560"), 0x1a));
    }
    SettingsStore again(path());
    EXPECT_EQ(readSetting(again, setting::DisableSounds), 1);
    EXPECT_EQ(readPathSetting(again), QStringLiteral("/home/me/Pictures [phone]"));
    EXPECT_EQ(readLanguageSetting(again, 1033), 1049u);
    EXPECT_EQ(readPhoneQuirks(again, QStringLiteral("350123451234560")), 0x1au);
    EXPECT_TRUE(readFile(path()).contains("350123451234560=1a")) << "the flag word is kept as %x";
}

TEST_F(SettingsTest, KeysAndSectionsIgnoreCase)
{
    writeFile("[settings]\ncategory=3\nSHOWSPLASH=0\n");
    SettingsStore store(path());
    EXPECT_EQ(readSetting(store, setting::Category), 3);
    EXPECT_EQ(store.readInt(QStringLiteral("Settings"), QStringLiteral("category"), -1), 3);
    EXPECT_EQ(readSetting(store, setting::ShowSplash), 0);

    ASSERT_TRUE(store.writeInt(QStringLiteral("Settings"), QStringLiteral("Category"), 4));
    EXPECT_EQ(store.readInt(QStringLiteral("SETTINGS"), QStringLiteral("CATEGORY"), -1), 4);
    const QByteArray file = readFile(path()).toLower();
    EXPECT_EQ(file.count("category="), 1) << "one value, whatever the spelling: " << file.constData();
    EXPECT_EQ(file.count("[settings]"), 1);
}

TEST_F(SettingsTest, LanguageZeroAndOneAreEnglishAndFrench)
{
    SettingsStore store(path());
    const std::pair<int, LocaleId> table[] = {{0, 1033}, {1, 1036}, {1031, 1031}, {4242, 4242}};
    for (auto [stored, expected] : table) {
        store.writeInt(QStringLiteral("Settings"), QStringLiteral("Language"), stored);
        EXPECT_EQ(readLanguageSetting(store, 1040), expected) << stored;
    }
}

TEST_F(SettingsTest, OddValuesReadAsTheKeysOwnRules)
{
    writeFile("[Settings]\nAMR2PCM=3\nADPCM2PCM=-1\nShowSplash=yes\n[Timing]\nDelayFactor=0\n");
    SettingsStore store(path());
    EXPECT_EQ(readAskSetting(store, setting::AMR2PCM), AskChoice::Ask);
    EXPECT_EQ(readAskSetting(store, setting::ADPCM2PCM), AskChoice::Ask);
    EXPECT_EQ(readSetting(store, setting::ShowSplash), 1) << "a value that is no number reads as the default";
    EXPECT_EQ(readDelayFactor(store), 100);
    store.writeInt(QStringLiteral("Timing"), QStringLiteral("DelayFactor"), 250);
    EXPECT_EQ(readDelayFactor(store), 250);
    store.writeInt(QStringLiteral("Settings"), QStringLiteral("AMR2PCM"), 2);
    EXPECT_EQ(readAskSetting(store, setting::AMR2PCM), AskChoice::Always);
}

TEST_F(SettingsTest, AHostileImeiReachesNoOtherKey)
{
    SettingsStore store(path());
    for (const char* imei : {"../Settings/ShowSplash", "Settings/ShowSplash", "a=b", "", "35 01"}) {
        EXPECT_FALSE(writePhoneQuirks(store, QString::fromLatin1(imei), 0)) << imei;
        EXPECT_EQ(readPhoneQuirks(store, QString::fromLatin1(imei)), 0u);
    }
    EXPECT_EQ(readSetting(store, setting::ShowSplash), 1);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(SettingsTest, ADamagedFileGivesDefaultsAndIsKeptAside)
{
    QByteArray damaged("[Settings]\nShowSplash=0\n");
    damaged.append('\0').append("\xff\xfe garbage [[[ \n=x\nCategory=4\n");
    writeFile(damaged);
    SettingsStore store(path());
    EXPECT_TRUE(store.damaged());
    EXPECT_EQ(readSetting(store, setting::ShowSplash), 1);
    EXPECT_EQ(readSetting(store, setting::Category), 1);
    EXPECT_EQ(readFile(path()), damaged) << "reading leaves the file alone";

    ASSERT_TRUE(writeLanguageSetting(store, 1036));
    EXPECT_EQ(readFile(path() + QStringLiteral(".damaged")), damaged) << "what the file held is not lost";
    EXPECT_FALSE(store.damaged());
    SettingsStore fresh(path());
    EXPECT_EQ(readLanguageSetting(fresh, 1033), 1036u);
    EXPECT_EQ(readSetting(fresh, setting::ShowSplash), 1);

    // A second damaged file does not replace the first one kept.
    writeFile(damaged + "again");
    SettingsStore third(path());
    ASSERT_TRUE(writeSetting(third, setting::Category, 2));
    EXPECT_EQ(readFile(path() + QStringLiteral(".damaged")), damaged);
    EXPECT_EQ(readFile(path() + QStringLiteral(".damaged.1")), damaged + "again");
}

TEST_F(SettingsTest, AKeyWithAnEmptyNameIsNotWrittenBackUnreadable)
{
    const QByteArray odd("[Settings]\nShowSplash=0\n[Settings/Extra]\n=x\n");
    writeFile(odd);
    {
        SettingsStore store(path());
        EXPECT_TRUE(store.damaged());
        ASSERT_TRUE(writeSetting(store, setting::Category, 3));
    }
    EXPECT_EQ(readFile(path() + QStringLiteral(".damaged")), odd);
    // As the next start reads it: QSettings keeps what it parsed of a path
    // for the rest of the process, so the file goes under another name.
    const QString later = dir_.filePath(QStringLiteral("later.conf"));
    ASSERT_TRUE(QFile::copy(path(), later));
    SettingsStore next(later);
    EXPECT_FALSE(next.damaged());
    EXPECT_EQ(readSetting(next, setting::Category), 3);
}

TEST_F(SettingsTest, AWriteThatCannotReachTheDiskReportsFailure)
{
    // The store's folder is a file: nothing can be written below it.
    QFile blocker(dir_.filePath(QStringLiteral("folk")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(path());
    EXPECT_FALSE(writeSetting(store, setting::Category, 2));
}

} // namespace
