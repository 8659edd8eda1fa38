// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "ui_strings.h"

#include <QFile>
#include <QTranslator>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>

namespace quillora {
namespace {

// Lookups run on worker threads too (status callbacks, the progress worker),
// so the tables are loaded under a lock and then only read. A loaded table
// is never unloaded while the process runs, except by a test's directory
// change, which the tests make before any worker starts.
struct Catalog {
    std::mutex lock;
    QString directory = QStringLiteral(":/i18n");
    std::map<LocaleId, std::unique_ptr<QTranslator>> tables; // null: none

    const QTranslator* table(LocaleId id)
    {
        std::lock_guard guard(lock);
        auto [it, inserted] = tables.try_emplace(id);
        if (inserted)
            it->second = load(id);
        return it->second.get();
    }

    std::unique_ptr<QTranslator> load(LocaleId id) const
    {
        const UiLanguage* lang = findUiLanguage(id);
        if (!lang)
            return nullptr;
        auto t = std::make_unique<QTranslator>();
        if (!t->load(fileFor(*lang)))
            return nullptr;
        return t;
    }

    QString fileFor(const UiLanguage& lang) const
    {
        return directory + QStringLiteral("/quillora_") + QString::fromLatin1(lang.fileSuffix) + QStringLiteral(".qm");
    }
};

Catalog& catalog()
{
    static Catalog c;
    return c;
}

std::atomic<LocaleId> g_uiLanguage{0};

QString lookup(const char* key, LocaleId language)
{
    for (LocaleId id : {language, kEnglishUs}) {
        if (const QTranslator* t = catalog().table(id)) {
            // Id-based tables answer an empty context with the message id.
            QString s = t->translate(nullptr, key);
            if (!s.isNull())
                return s;
        }
    }
    return QString();
}

} // namespace

LocaleId CurrentUiLanguage()
{
    const LocaleId id = g_uiLanguage.load(std::memory_order_acquire);
    return id ? id : defaultUiLanguage();
}

void setUiLanguageForLookups(LocaleId id) { g_uiLanguage.store(id, std::memory_order_release); }

QString LoadUiString(StringId id, LocaleId language)
{
    return lookup(QByteArray::number(id).constData(), language);
}

QString LoadUiString(StringId id) { return LoadUiString(id, CurrentUiLanguage()); }

QString LoadUiText(const char* namedId, LocaleId language) { return lookup(namedId, language); }

QString LoadUiText(const char* namedId) { return LoadUiText(namedId, CurrentUiLanguage()); }

QString LoadUiEntry(const QString& id, LocaleId language)
{
    bool numeric = false;
    const StringId n = id.toUInt(&numeric);
    return numeric ? LoadUiString(n, language) : LoadUiText(id.toUtf8().constData(), language);
}

std::vector<LocaleId> availableUiLanguages()
{
    std::vector<LocaleId> found;
    Catalog& c = catalog();
    for (const UiLanguage& l : allUiLanguages()) {
        std::lock_guard guard(c.lock);
        if (QFile::exists(c.fileFor(l)))
            found.push_back(l.id);
    }
    return found;
}

void setStringTableDirectory(const QString& dir)
{
    Catalog& c = catalog();
    std::lock_guard guard(c.lock);
    c.directory = dir;
    c.tables.clear();
}

} // namespace quillora
