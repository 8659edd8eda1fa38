// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "languages.h"

#include <algorithm>
#include <array>

namespace quillora {
namespace {

constexpr std::array<UiLanguage, 25> kLanguages{{
    {1026, "bg-BG", "bg"},    {1028, "zh-TW", "zh_TW"}, {1029, "cs-CZ", "cs"},
    {1030, "da-DK", "da"},    {1031, "de-DE", "de"},    {1032, "el-GR", "el"},
    {1033, "en-US", "en"},    {1034, "es-ES", "es"},    {1036, "fr-FR", "fr"},
    {1038, "hu-HU", "hu"},    {1040, "it-IT", "it"},    {1043, "nl-NL", "nl"},
    {1044, "nb-NO", "nb"},    {1045, "pl-PL", "pl"},    {1046, "pt-BR", "pt_BR"},
    {1048, "ro-RO", "ro"},    {1049, "ru-RU", "ru"},    {1050, "hr-HR", "hr"},
    {1051, "sk-SK", "sk"},    {1053, "sv-SE", "sv"},    {1055, "tr-TR", "tr"},
    {1058, "uk-UA", "uk"},    {1060, "sl-SI", "sl"},    {2052, "zh-CN", "zh_CN"},
    {2070, "pt-PT", "pt_PT"},
}};

} // namespace

std::span<const UiLanguage> allUiLanguages() { return kLanguages; }

const UiLanguage* findUiLanguage(LocaleId id)
{
    auto it = std::find_if(kLanguages.begin(), kLanguages.end(),
                           [id](const UiLanguage& l) { return l.id == id; });
    return it == kLanguages.end() ? nullptr : &*it;
}

QLocale qtLocaleFor(LocaleId id)
{
    const UiLanguage* lang = findUiLanguage(id);
    return lang ? QLocale(QString::fromLatin1(lang->bcp47)) : QLocale(QLocale::English, QLocale::UnitedStates);
}

LocaleId localeIdFor(const QLocale& locale)
{
    const UiLanguage* sameLanguage = nullptr;
    for (const UiLanguage& l : kLanguages) {
        const QLocale candidate(QString::fromLatin1(l.bcp47));
        if (candidate.language() != locale.language())
            continue;
        // Chinese is told apart by script as much as by territory.
        if (candidate.territory() == locale.territory())
            return l.id;
        if (!sameLanguage || (locale.language() == QLocale::Chinese && candidate.script() == locale.script()))
            sameLanguage = &l;
    }
    return sameLanguage ? sameLanguage->id : 0;
}

LocaleId defaultUiLanguage(const QLocale& userLocale)
{
    const LocaleId id = localeIdFor(userLocale);
    return id ? id : kEnglishUs;
}

LocaleId normaliseStoredLanguage(int stored)
{
    if (stored == 0)
        return kEnglishUs;
    if (stored == 1)
        return kFrench;
    return static_cast<LocaleId>(stored);
}

} // namespace quillora
