// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Each phone's quirk flags in the settings store, section IMEI, one key per
// phone.
#pragma once

#include "connection_state.h"

namespace quillora {

class SettingsStore;

class SettingsQuirksStore final : public QuirksStore {
public:
    explicit SettingsQuirksStore(SettingsStore &store) : store_(store) {}
    std::uint32_t loadQuirks(const std::string &imei) override;
    void saveQuirks(const std::string &imei, std::uint32_t quirks) override;

private:
    SettingsStore &store_;
};

} // namespace quillora
