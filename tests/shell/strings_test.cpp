// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "languages.h"
#include "ui_strings.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QMultiMap>
#include <QSet>
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

// The numbered inserts in any order (a language may need them so), the
// printf-style ones ("%d") in the order they are filled.
struct Inserts {
    QStringList numbered;
    QStringList ordered;
    bool operator==(const Inserts&) const = default;
};

Inserts insertsOf(const QString& text)
{
    Inserts inserts;
    for (const QString& insert : messageInserts(text))
        (insert.size() > 1 && insert[1].isDigit() ? inserts.numbered : inserts.ordered) << insert;
    std::sort(inserts.numbered.begin(), inserts.numbered.end());
    return inserts;
}

void PrintTo(const Inserts& inserts, std::ostream* os)
{
    *os << (inserts.numbered + inserts.ordered).join(u' ').toStdString();
}

QString leadingBlanks(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n].isSpace())
        ++n;
    return text.left(n);
}

QString trailingBlanks(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text[text.size() - 1 - n].isSpace())
        ++n;
    return text.right(n);
}

// The keys a text's "&" markers give; "&&" is a plain ampersand.
QString acceleratorKeys(const QString& text)
{
    QString keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&')
            ++i;
        else if (!text[i + 1].isSpace())
            keys += text[i + 1].toLower();
    }
    return keys;
}

// The ids of one dialog template share a prefix: "dlg157.6" is dialog 157.
QString dialogOf(const QString& id)
{
    return id.startsWith(QLatin1String("dlg")) ? id.section(u'.', 0, 0) : QString();
}

// Texts rightly the same as English: "<id> <languages|*> <reason>".
QMultiMap<QString, QString> readSameAsEnglish(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    QMultiMap<QString, QString> allowed;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        EXPECT_GE(fields.size(), 3) << "no reason given: " << line.toStdString();
        if (fields.size() >= 2)
            for (const QString& language : fields[1].split(u','))
                allowed.insert(fields[0], language);
    }
    return allowed;
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
            EXPECT_EQ(insertsOf(it.value().translation), insertsOf(english));
            EXPECT_EQ(it.value().translation.count(u'\n'), english.count(u'\n'));
            // " %d bps" follows a number, "Language: " precedes a box.
            EXPECT_EQ(leadingBlanks(it.value().translation), leadingBlanks(english));
            EXPECT_EQ(trailingBlanks(it.value().translation), trailingBlanks(english));
            EXPECT_EQ(LoadUiEntry(it.key(), l.id), it.value().translation);
        }
    }
    EXPECT_EQ(languages, 24) << "every language but English has its table";
    const std::vector<LocaleId> offered = availableUiLanguages();
    EXPECT_EQ(offered.size(), static_cast<size_t>(languages + 1));
    EXPECT_NE(std::find(offered.begin(), offered.end(), kFrench), offered.end());
}

// A text left in English is a forgotten translation unless the list says the
// word is the same in that language; a listed text that is translated after
// all is a stale line.
TEST_F(ShippedTablesTest, NoTextStaysEnglishUnlessListedWithAReason)
{
    const TsFile en = readTs(tsPath(*findUiLanguage(kEnglishUs)));
    const auto allowed = readSameAsEnglish(QStringLiteral(QUILLORA_I18N_DIR "/same_as_english.txt"));
    QSet<QString> used;
    for (const UiLanguage& l : allUiLanguages()) {
        if (l.id == kEnglishUs || !QFile::exists(tsPath(l)))
            continue;
        const QString suffix = QString::fromLatin1(l.fileSuffix);
        const TsFile ts = readTs(tsPath(l));
        for (auto it = ts.messages.cbegin(); it != ts.messages.cend(); ++it) {
            if (it.value().translation != en.messages.value(it.key()).translation)
                continue;
            const QStringList languages = allowed.values(it.key());
            const bool listed = languages.contains(suffix) || languages.contains(QStringLiteral("*"));
            EXPECT_TRUE(listed) << l.bcp47 << " " << it.key().toStdString() << " is still English: "
                                << it.value().translation.toStdString();
            used << it.key() + u' ' + (languages.contains(suffix) ? suffix : QStringLiteral("*"));
        }
    }
    for (auto it = allowed.cbegin(); it != allowed.cend(); ++it)
        EXPECT_TRUE(used.contains(it.key() + u' ' + it.value()))
            << "listed but translated: " << it.key().toStdString() << " " << it.value().toStdString();
}

// Alt+letter reaches one control of a dialog: each language keeps the
// markers English has and gives no two controls of a dialog the same key.
TEST_F(ShippedTablesTest, AcceleratorsAreKeptAndUniqueWithinEachDialog)
{
    const TsFile en = readTs(tsPath(*findUiLanguage(kEnglishUs)));
    for (const UiLanguage& l : allUiLanguages()) {
        if (!QFile::exists(tsPath(l)))
            continue;
        SCOPED_TRACE(l.bcp47);
        const TsFile ts = readTs(tsPath(l));
        QMap<QString, QString> keyOwner; // "dlg157 r" -> id
        for (auto it = ts.messages.cbegin(); it != ts.messages.cend(); ++it) {
            const QString keys = acceleratorKeys(it.value().translation);
            EXPECT_EQ(keys.size(), acceleratorKeys(en.messages.value(it.key()).translation).size())
                << it.key().toStdString() << ": " << it.value().translation.toStdString();
            if (dialogOf(it.key()).isEmpty())
                continue;
            for (QChar key : keys) {
                const QString slot = dialogOf(it.key()) + u' ' + key;
                EXPECT_FALSE(keyOwner.contains(slot)) << it.key().toStdString() << " takes Alt+"
                                                      << QString(key).toStdString() << " of "
                                                      << keyOwner.value(slot).toStdString();
                keyOwner.insert(slot, it.key());
            }
        }
    }
}

TEST(TableChecks, InsertsBlanksAndAcceleratorsAreReadAsTheCheckNeeds)
{
    EXPECT_EQ(insertsOf(QStringLiteral("%2 à %1!d!")), insertsOf(QStringLiteral("%1!d! at %2")));
    EXPECT_NE(insertsOf(QStringLiteral("%1!d! at %2")), insertsOf(QStringLiteral("%1 at %2")));
    EXPECT_NE(insertsOf(QStringLiteral("(%dx%s)")), insertsOf(QStringLiteral("(%sx%d)")));
    EXPECT_EQ(leadingBlanks(QStringLiteral(" %d bps")), QStringLiteral(" "));
    EXPECT_EQ(trailingBlanks(QStringLiteral("Langue : ")), QStringLiteral(" "));
    EXPECT_EQ(acceleratorKeys(QStringLiteral("Se&ttings")), QStringLiteral("t"));
    EXPECT_EQ(acceleratorKeys(QStringLiteral("接收(&R)...")), QStringLiteral("r"));
    EXPECT_EQ(acceleratorKeys(QStringLiteral("&Отправить")), QStringLiteral("о"));
    EXPECT_EQ(acceleratorKeys(QStringLiteral("Black && White & more")), QString());
    EXPECT_EQ(dialogOf(QStringLiteral("dlg157.1037")), QStringLiteral("dlg157"));
    EXPECT_EQ(dialogOf(QStringLiteral("4148")), QString());
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
