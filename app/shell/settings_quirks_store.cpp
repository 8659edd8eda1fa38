// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "settings_quirks_store.h"

#include "app_settings.h"

namespace quillora {

std::uint32_t SettingsQuirksStore::loadQuirks(const std::string &imei)
{
    return readPhoneQuirks(store_, QString::fromStdString(imei));
}

void SettingsQuirksStore::saveQuirks(const std::string &imei, std::uint32_t quirks)
{
    // A failed write has already been reported by the store; the flags
    // still hold for this connection.
    writePhoneQuirks(store_, QString::fromStdString(imei), quirks);
}

} // namespace quillora
