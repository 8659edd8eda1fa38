// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "app_settings.h"

namespace quillora {
namespace {
QString latin(const char* s) { return QString::fromLatin1(s); }

// The IMEI comes from the phone: only letters and digits may name a key, so
// that a hostile reply cannot reach another section or key.
bool usableImei(const QString& imei)
{
    if (imei.isEmpty() || imei.size() > 64)
        return false;
    for (QChar c : imei)
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    return true;
}
} // namespace

int readSetting(const SettingsStore& store, const IntSetting& s)
{
    return store.readInt(latin(s.section), latin(s.key), s.defaultValue);
}

bool writeSetting(SettingsStore& store, const IntSetting& s, int value)
{
    return store.writeInt(latin(s.section), latin(s.key), value);
}

AskChoice readAskSetting(const SettingsStore& store, const IntSetting& s)
{
    const int v = readSetting(store, s);
    return v >= 0 && v <= 2 ? static_cast<AskChoice>(v) : AskChoice::Ask;
}

int readDelayFactor(const SettingsStore& store)
{
    const int v = readSetting(store, setting::DelayFactor);
    return v >= 1 ? v : setting::DelayFactor.defaultValue;
}

LocaleId readLanguageSetting(const SettingsStore& store, LocaleId defaultLanguage)
{
    const int v = store.readInt(latin(setting::kSection), latin(setting::kLanguageKey), static_cast<int>(defaultLanguage));
    return normaliseStoredLanguage(v);
}

bool writeLanguageSetting(SettingsStore& store, LocaleId id)
{
    return store.writeInt(latin(setting::kSection), latin(setting::kLanguageKey), static_cast<int>(id));
}

QString readPathSetting(const SettingsStore& store)
{
    return store.readString(latin(setting::kSection), latin(setting::kPathKey), QString());
}

bool writePathSetting(SettingsStore& store, const QString& folder)
{
    return store.writeString(latin(setting::kSection), latin(setting::kPathKey), folder);
}

std::uint32_t readPhoneQuirks(const SettingsStore& store, const QString& imei)
{
    if (!usableImei(imei))
        return 0;
    bool ok = false;
    const QString text = store.readString(latin(setting::kPhoneSection), imei, QStringLiteral("0"));
    const std::uint32_t v = text.trimmed().toUInt(&ok, 16);
    return ok ? v : 0;
}

bool writePhoneQuirks(SettingsStore& store, const QString& imei, std::uint32_t quirks)
{
    if (!usableImei(imei))
        return false;
    return store.writeString(latin(setting::kPhoneSection), imei, QString::number(quirks, 16));
}

} // namespace quillora
