// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Every key the program keeps in its settings store, with its default, and
// the readers that apply each key's own rules.
#pragma once

#include "languages.h"
#include "settings_store.h"

#include <cstdint>

namespace quillora {

struct IntSetting {
    const char* section;
    const char* key;
    int defaultValue;
};

namespace setting {
inline constexpr const char* kSection = "Settings";
inline constexpr IntSetting ShowSplash{kSection, "ShowSplash", 1};
inline constexpr IntSetting ShowHidden{kSection, "ShowHidden", 0};
inline constexpr IntSetting DisableSounds{kSection, "DisableSounds", 0};
inline constexpr IntSetting AllowVCardsVCals{kSection, "AllowVCardsVCals", 0};
inline constexpr IntSetting AllowMultipleSend{kSection, "AllowMultipleSend", 0};
inline constexpr IntSetting AMR2PCM{kSection, "AMR2PCM", 1};
inline constexpr IntSetting ADPCM2PCM{kSection, "ADPCM2PCM", 1};
inline constexpr IntSetting Category{kSection, "Category", 1};
// Percent applied to every reply time-out of the phone protocol.
inline constexpr IntSetting DelayFactor{"Timing", "DelayFactor", 100};
inline constexpr const char* kLanguageKey = "Language";
inline constexpr const char* kPathKey = "Path";
inline constexpr const char* kPhoneSection = "IMEI";
} // namespace setting

int readSetting(const SettingsStore& store, const IntSetting& s);
bool writeSetting(SettingsStore& store, const IntSetting& s, int value);

// A Never (0) / Ask (1) / Always (2) choice; anything else reads as Ask.
enum class AskChoice { Never = 0, Ask = 1, Always = 2 };
AskChoice readAskSetting(const SettingsStore& store, const IntSetting& s);

// A factor below 1 % would make every reply time out at once: the default
// stands in for it.
int readDelayFactor(const SettingsStore& store);

// The stored language (0 and 1 meaning English and French), or the given
// default when none is stored.
LocaleId readLanguageSetting(const SettingsStore& store, LocaleId defaultLanguage);
bool writeLanguageSetting(SettingsStore& store, LocaleId id);

QString readPathSetting(const SettingsStore& store);
bool writePathSetting(SettingsStore& store, const QString& folder);

// The per-phone flag word, kept as lower-case hexadecimal under the IMEI.
// An IMEI with anything but ASCII letters and digits reads 0 and is not
// written.
std::uint32_t readPhoneQuirks(const SettingsStore& store, const QString& imei);
bool writePhoneQuirks(SettingsStore& store, const QString& imei, std::uint32_t quirks);

} // namespace quillora
