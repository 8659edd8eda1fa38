// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary capability data (the bytes after CONNECT) through the format
// line parser; the first byte picks the category. Every row must be one
// well-formed table row whatever the phone sent.

#include "fuzz_check.h"
#include "capabilities.h"
#include "text_source.h"

#include <cstdlib>
#include <string>

extern "C" int Comm_Send(const void *, int)
{
    return 1;
}

namespace {

struct Texts : quillora::TextSource {
    std::string text(std::uint32_t id) const override { return "t" + std::to_string(id); }
    std::string formatInserts(std::uint32_t id, std::span<const quillora::TextArg> inserts) const override
    {
        std::string out = text(id);
        for (const auto &insert : inserts)
            out += "|" + (std::holds_alternative<std::string>(insert) ? std::get<std::string>(insert)
                                                                      : std::to_string(std::get<std::int64_t>(insert)));
        return out;
    }
};

size_t count(const std::string &text, std::string_view what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const auto category = static_cast<quillora::CapabilityCategory>(1 + data[0] % 3);
    const std::string_view bytes(reinterpret_cast<const char *>(data + 1), size - 1);
    const Texts texts;
    for (const auto &row : quillora::ParseCapabilityData(category, bytes, texts, nullptr)) {
        check(row.html.starts_with("<tr><td>") && row.html.ends_with("</td></tr>"));
        // The phone's text is escaped: no markup of its own, so the cells
        // stay as the table made them.
        check(count(row.html, "<td>") == (category == quillora::CapabilityCategory::Sounds ? 3u : 4u));
        check(count(row.html, "<") == count(row.html, ">"));
        // Nor can it split the report's parts or a file-dialog filter.
        check(row.html.find('^') == std::string::npos);
        check(row.patterns.find_first_of("|^<>&\" ") == std::string::npos);
    }
    return 0;
}
