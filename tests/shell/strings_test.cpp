// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "languages.h"
#include "ui_strings.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>

using namespace quillora;

namespace {

// The small tables built from tests/shell/data: English has ids 1, 2 and a
// named id, French has 1 and 3.
class FallbackTest : public testing::Test {
protected:
    void SetUp() override { setStringTableDirectory(QStringLiteral(TEST_TABLE_DIR)); }
    void TearDown() override { setStringTableDirectory(QStringLiteral(":/i18n")); }
};

TEST_F(FallbackTest, TheLanguageFirstThenEnglishThenNothing)
{
    EXPECT_EQ(LoadUiString(1, kFrench), QStringLiteral("Un"));
    EXPECT_EQ(LoadUiString(1, kEnglishUs), QStringLiteral("One"));
    EXPECT_EQ(LoadUiString(2, kFrench), QStringLiteral("Only in English %1")) << "missing in French";
    EXPECT_EQ(LoadUiString(3, kFrench), QStringLiteral("Seulement en français"));
    EXPECT_EQ(LoadUiString(3, kEnglishUs), QString()) << "French-only text is not English";
    EXPECT_EQ(LoadUiString(4, kFrench), QString()) << "an id in no language is empty, not its number";
    EXPECT_EQ(LoadUiString(1, 1031), QStringLiteral("One")) << "a language without tables falls back";
    EXPECT_EQ(LoadUiString(1, 4242), QStringLiteral("One")) << "neither does an unknown locale id";
    EXPECT_EQ(LoadUiText("dlg9.caption", kFrench), QStringLiteral("Caption"));
    EXPECT_EQ(LoadUiText("dlg9.nothing", kFrench), QString());
}

TEST_F(FallbackTest, LookupsFollowTheChosenLanguage)
{
    setUiLanguageForLookups(kFrench);
    EXPECT_EQ(CurrentUiLanguage(), kFrench);
    EXPECT_EQ(LoadUiString(1), QStringLiteral("Un"));
    EXPECT_EQ(FormatUiString(2, QStringLiteral("x")), QStringLiteral("Only in English x"));
    setUiLanguageForLookups(kEnglishUs);
    EXPECT_EQ(LoadUiString(1), QStringLiteral("One"));
}

TEST_F(FallbackTest, OfferedLanguagesAreThoseWithTables)
{
    EXPECT_EQ(availableUiLanguages(), (std::vector<LocaleId>{kEnglishUs, kFrench}));
}

// One message of a Linguist file.
struct Message {
    QString source;
    QString translation;
};

struct TsFile {
    QString language; // "fr_FR"
    QMap<QString, Message> messages;
};

TsFile readTs(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&f);
    TsFile ts;
    QString id;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"TS")
            ts.language = xml.attributes().value(QStringLiteral("language")).toString();
        else if (xml.name() == u"message")
            id = xml.attributes().value(QStringLiteral("id")).toString();
        else if (xml.name() == u"source")
            ts.messages[id].source = xml.readElementText();
        else if (xml.name() == u"translation")
            ts.messages[id].translation = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return ts;
}

QStringList sortedInserts(const QString& text)
{
    QStringList inserts = messageInserts(text);
    std::sort(inserts.begin(), inserts.end());
    return inserts;
}

// Walks every id of every language the program carries: each table is
// complete, keeps its English text's inserts, and is what the program loads.
class ShippedTablesTest : public testing::Test {
protected:
    static QString tsPath(const UiLanguage& l)
    {
        return QStringLiteral(QUILLORA_I18N_DIR "/quillora_") + QString::fromLatin1(l.fileSuffix) +
               QStringLiteral(".ts");
    }
};

TEST_F(ShippedTablesTest, EnglishHasEveryTextOnce)
{
    const TsFile en = readTs(tsPath(*findUiLanguage(kEnglishUs)));
    EXPECT_EQ(en.language, QStringLiteral("en_US"));
    EXPECT_GT(en.messages.size(), 150);
    for (auto it = en.messages.cbegin(); it != en.messages.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_FALSE(it.value().translation.isEmpty());
        EXPECT_EQ(it.value().translation, it.value().source);
        EXPECT_EQ(LoadUiEntry(it.key(), kEnglishUs), it.value().translation);
    }
}

TEST_F(ShippedTablesTest, EveryLanguageIsCompleteWithTheSameInserts)
{
    const TsFile en = readTs(tsPath(*findUiLanguage(kEnglishUs)));
    int languages = 0;
    for (const UiLanguage& l : allUiLanguages()) {
        if (l.id == kEnglishUs || !QFile::exists(tsPath(l)))
            continue;
        ++languages;
        SCOPED_TRACE(l.bcp47);
        const TsFile ts = readTs(tsPath(l));
        EXPECT_EQ(QLocale(ts.language).language(), qtLocaleFor(l.id).language());
        EXPECT_EQ(ts.messages.keys(), en.messages.keys()) << "the same ids as English";
        for (auto it = ts.messages.cbegin(); it != ts.messages.cend(); ++it) {
            SCOPED_TRACE(it.key().toStdString());
            const QString english = en.messages.value(it.key()).translation;
            EXPECT_EQ(it.value().source, english);
            EXPECT_FALSE(it.value().translation.isEmpty());
            EXPECT_EQ(sortedInserts(it.value().translation), sortedInserts(english));
            EXPECT_EQ(it.value().translation.count(u'\n'), english.count(u'\n'));
            EXPECT_EQ(LoadUiEntry(it.key(), l.id), it.value().translation);
        }
    }
    EXPECT_GE(languages, 1) << "French at least";
    const std::vector<LocaleId> offered = availableUiLanguages();
    EXPECT_EQ(offered.size(), static_cast<size_t>(languages + 1));
    EXPECT_NE(std::find(offered.begin(), offered.end(), kFrench), offered.end());
}

TEST(LanguagesTest, LocalesMapToTheTwentyFive)
{
    const std::pair<const char*, LocaleId> table[] = {
        {"en_US", 1033}, {"en_GB", 1033}, {"fr_FR", 1036}, {"fr_CA", 1036}, {"de_AT", 1031},
        {"pt_BR", 1046}, {"pt_PT", 2070}, {"zh_CN", 2052}, {"zh_TW", 1028}, {"zh_HK", 1028},
        {"zh_SG", 2052}, {"nb_NO", 1044}, {"sl_SI", 1060}, {"ja_JP", 0},    {"C", 0},
    };
    for (auto [name, id] : table)
        EXPECT_EQ(localeIdFor(QLocale(QString::fromLatin1(name))), id) << name;
    EXPECT_EQ(defaultUiLanguage(QLocale(QStringLiteral("ja_JP"))), kEnglishUs);
    EXPECT_EQ(defaultUiLanguage(QLocale::c()), kEnglishUs);
    EXPECT_EQ(defaultUiLanguage(QLocale(QStringLiteral("ru_RU"))), 1049u);
    EXPECT_EQ(allUiLanguages().size(), 25u);
    for (const UiLanguage& l : allUiLanguages())
        EXPECT_EQ(localeIdFor(qtLocaleFor(l.id)), l.id) << l.bcp47;
    EXPECT_TRUE(isFrenchLocale(1036));
    EXPECT_TRUE(isFrenchLocale(3084)); // fr-CA
    EXPECT_FALSE(isFrenchLocale(1033));
}

} // namespace
