// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "language_combo_box.h"

#include "ui_strings.h"

#include <tuple>

namespace quillora {
namespace {

constexpr quint32 kIdMask = 0xffff;
constexpr quint32 kPrimaryMask = 0x3ff;

quint32 primaryOf(quint32 value) { return value & kPrimaryMask; }

// Sort key: primary language, then the sub-language bits; never the mark.
std::tuple<quint32, quint32> sortKey(quint32 value)
{
    return {primaryOf(value), (value & ~LanguageComboBox::kVariantMark) >> 10};
}

QString upperFirst(const QString& name, const QLocale& locale)
{
    if (name.isEmpty())
        return name;
    const qsizetype first = name.front().isHighSurrogate() && name.size() > 1 ? 2 : 1;
    return locale.toUpper(name.left(first)) + name.mid(first);
}

} // namespace

LanguageComboBox::LanguageComboBox(QWidget* parent) : QComboBox(parent)
{
    for (LocaleId id : availableUiLanguages())
        addLanguage(id);
    selectLanguage(localeIdFor(QLocale()));
}

QString LanguageComboBox::displayName(quint32 value)
{
    const LocaleId id = value & kIdMask;
    // An id the program has no locale for has no name to show.
    if (!findUiLanguage(id))
        return QString();
    const QLocale locale = qtLocaleFor(id);
    QString name = locale.nativeLanguageName();
    if ((value & kVariantMark) && !name.endsWith(u')'))
        name += QStringLiteral(" (") + locale.nativeTerritoryName() + u')';
    return upperFirst(name, locale);
}

void LanguageComboBox::addLanguage(LocaleId id)
{
    id &= kIdMask;
    if (indexOf(id) >= 0)
        return;
    // Every variant of a language is marked, whichever of them came first.
    quint32 value = id;
    for (int i = 0; i < count(); ++i) {
        const quint32 other = itemData(i).toUInt();
        if (primaryOf(other) == primaryOf(id)) {
            setItemValue(i, other | kVariantMark);
            value |= kVariantMark;
        }
    }
    int at = 0;
    while (at < count() && sortKey(itemData(at).toUInt()) < sortKey(value))
        ++at;
    insertItem(at, QString());
    setItemValue(at, value);
}

void LanguageComboBox::selectLanguage(LocaleId id)
{
    if (const int index = indexOf(id & kIdMask); index >= 0)
        setCurrentIndex(index);
}

LocaleId LanguageComboBox::selectedLanguage() const
{
    return currentIndex() < 0 ? 0 : itemData(currentIndex()).toUInt() & kIdMask;
}

int LanguageComboBox::indexOf(LocaleId id) const
{
    for (int i = 0; i < count(); ++i)
        if ((itemData(i).toUInt() & kIdMask) == id)
            return i;
    return -1;
}

void LanguageComboBox::setItemValue(int index, quint32 value)
{
    setItemData(index, value);
    setItemText(index, displayName(value));
}

} // namespace quillora
