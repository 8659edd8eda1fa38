// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The string tables: every user-visible text by numeric id (or, for dialog
// and report texts, by a named id such as "dlg112.caption"), in the chosen
// user-interface language. A text missing in that language comes from US
// English; a text in no language is empty. Safe to call from any thread.
#pragma once

#include "languages.h"
#include "message_format.h"

#include <QString>

#include <array>
#include <vector>

namespace quillora {

using StringId = unsigned;

// The language that lookups without an explicit language use: the one last
// given to setUiLanguageForLookups, else the user's default language.
LocaleId CurrentUiLanguage();
void setUiLanguageForLookups(LocaleId id);

QString LoadUiString(StringId id);
QString LoadUiString(StringId id, LocaleId language);
QString LoadUiText(const char* namedId);
QString LoadUiText(const char* namedId, LocaleId language);
// A numeric id ("4148") or a named one ("dlg112.caption") given as text.
QString LoadUiEntry(const QString& id, LocaleId language);

template <typename... Args>
QString FormatUiString(StringId id, const Args&... inserts)
{
    const std::array<UiArg, sizeof...(Args)> args{UiArg(inserts)...};
    return formatMessage(LoadUiString(id), args);
}

// The languages whose string tables the program carries, in locale-id order.
std::vector<LocaleId> availableUiLanguages();

// Where the compiled tables are read from; the built-in resources unless a
// test points elsewhere. Forgets the tables loaded so far.
void setStringTableDirectory(const QString& dir);

} // namespace quillora
