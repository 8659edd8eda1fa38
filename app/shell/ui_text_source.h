// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The protocol layer's texts from the program's string tables, in the
// language lookups currently use (safe from any thread).
#pragma once

#include "text_source.h"

namespace quillora {

class UiTextSource final : public TextSource {
public:
    std::string text(std::uint32_t id) const override;
    std::string formatInserts(std::uint32_t id, std::span<const TextArg> inserts) const override;
};

} // namespace quillora
