// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "ui_text_source.h"

#include "ui_strings.h"

#include <vector>

namespace quillora {

std::string UiTextSource::text(std::uint32_t id) const
{
    return LoadUiString(id).toStdString();
}

std::string UiTextSource::formatInserts(std::uint32_t id, std::span<const TextArg> inserts) const
{
    std::vector<UiArg> args;
    args.reserve(inserts.size());
    for (const TextArg &insert : inserts) {
        if (const auto *number = std::get_if<std::int64_t>(&insert))
            args.emplace_back(static_cast<long long>(*number));
        else
            args.emplace_back(QString::fromStdString(std::get<std::string>(insert)));
    }
    return formatMessage(LoadUiString(id), args).toStdString();
}

} // namespace quillora
