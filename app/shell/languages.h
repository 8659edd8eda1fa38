// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The program's 25 user-interface languages, by Windows-style locale id
// (the ids the settings store keeps), and their Qt locales.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <span>

namespace quillora {

using LocaleId = std::uint32_t;

inline constexpr LocaleId kEnglishUs = 1033;
inline constexpr LocaleId kFrench = 1036;

struct UiLanguage {
    LocaleId id;
    const char* bcp47;      // "fr-FR"
    const char* fileSuffix; // translation file: quillora_<suffix>.qm
};

// Every language the program can carry, in locale-id order.
std::span<const UiLanguage> allUiLanguages();

// The entry for an id, or null when the id is none of the 25.
const UiLanguage* findUiLanguage(LocaleId id);

QLocale qtLocaleFor(LocaleId id);

// The id for a Qt locale: its language and territory, else the first of the
// 25 with its language (so de-AT gives German), else 0.
LocaleId localeIdFor(const QLocale& locale);

// The language a first start uses: the user's locale when it is one of the
// 25, else US English.
LocaleId defaultUiLanguage(const QLocale& userLocale = QLocale::system());

// Older versions stored 0 and 1 for English and French.
LocaleId normaliseStoredLanguage(int stored);

// Primary language of a locale id (its low 10 bits); French is 12.
inline bool isFrenchLocale(LocaleId id) { return (id & 0x3ff) == 12; }

} // namespace quillora
