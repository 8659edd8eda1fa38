// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The user-interface languages, each shown by its own name ("Deutsch",
// "français"). A language the program carries in more than one variant
// (Portuguese, Chinese) also shows its country. Each item's data
// (Qt::UserRole) is its value: the locale id in bits 0-15 and kVariantMark
// when the language has several variants.
#pragma once

#include "languages.h"

#include <QComboBox>

namespace quillora {

class LanguageComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr quint32 kVariantMark = 0x80000000u;

    // Filled with every language whose string table the program carries,
    // the default locale's selected.
    explicit LanguageComboBox(QWidget* parent = nullptr);

    // Keeps the list sorted by primary language, then by the rest of the
    // id. A language already listed is not added again.
    void addLanguage(LocaleId id);
    // Nothing changes when the language is not listed.
    void selectLanguage(LocaleId id);
    // The selection's locale id (never with the mark), 0 when none.
    LocaleId selectedLanguage() const;

    // The name an item shows: the native name, first letter upper-cased by
    // that language's rules, and with the country when marked.
    static QString displayName(quint32 value);

private:
    int indexOf(LocaleId id) const;
    void setItemValue(int index, quint32 value);
};

} // namespace quillora
