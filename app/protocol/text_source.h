// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Where the protocol layer gets its user-visible texts: string-table entries
// by numeric id, in the current user-interface language, as UTF-8. The
// program fills it from its string tables; the protocol code knows nothing
// of how they are stored.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <variant>

namespace quillora {

// One message-format insert: "%1!d!" takes a number, "%1" a text.
using TextArg = std::variant<std::int64_t, std::string>;

class TextSource {
public:
    virtual ~TextSource() = default;

    // The entry's text; empty when the table has none.
    virtual std::string text(std::uint32_t id) const = 0;
    // The entry formatted with its inserts ("%1", "%2!d!", ...).
    virtual std::string formatInserts(std::uint32_t id, std::span<const TextArg> inserts) const = 0;

    std::string format(std::uint32_t id, std::initializer_list<TextArg> inserts) const
    {
        return formatInserts(id, std::span<const TextArg>(inserts.begin(), inserts.size()));
    }
};

} // namespace quillora
