// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Which object formats the phone accepts: AT+KPSCAP per category, each format
// line turned into a row of the report's HTML tables, and the file patterns
// the send dialog offers as the phone's own filter.
//
// The phone answers one query with "+KPSCAP: <n>", "CONNECT", n bytes of
// CR-terminated format lines and "NO CARRIER". A format line is
//   type{;option}:maxKB:width:height:colours     (pictures, animations)
//   type{;option}:maxKB:tracks:format{;format}   (sounds)
#pragma once

#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

class ConnectionState;
class FileTypeNames;
class PhoneSession;
class TextSource;

enum class CapabilityCategory { Pictures = 1, Animations = 2, Sounds = 3 };

// The report: the three categories' rows, each category's rows followed by
// "^", and every accepted format's patterns, each followed by ";".
struct CapabilityReport {
    std::string argument;
    std::string supportedPatterns;
};

// Splits off the text before the first `separator` (the text keeps what
// follows it); with no separator, the whole text, which becomes empty.
std::string TakeToken(std::string &text, char separator);

struct CapabilityRow {
    std::string html;     // "<tr><td>...</td></tr>"
    std::string patterns; // "*.jpg;*.jpeg;*.jpe;*.jif"
};

// One format line (already converted from the code page) as a table row.
// Every text taken from the phone is HTML-escaped.
CapabilityRow FormatCapabilityLine(CapabilityCategory category, std::string_view line, const TextSource &texts,
                                   const FileTypeNames *typeNames);

// The rows of a category's data (the n bytes): one per CR-terminated line,
// text after the last CR ignored. Empty when no line was found.
std::vector<CapabilityRow> ParseCapabilityData(CapabilityCategory category, std::string_view data,
                                               const TextSource &texts, const FileTypeNames *typeNames);

// The phone-side limits of one query.
inline constexpr int kCapabilityReplyMs = 3000;
inline constexpr long kMaxCapabilityBytes = 1L << 20;

struct CapabilityQuery {
    PhoneSession &session;
    ConnectionState &connection;
    const TextSource &texts;
    const FileTypeNames *typeNames = nullptr;
};

// Asks one category, with the phone lock held for the exchange; appends the
// rows and "^" to report.argument and the patterns to report.supportedPatterns.
// True when at least one format line became a row.
bool QueryCategory(const CapabilityQuery &query, CapabilityCategory category, CapabilityReport &report,
                   std::stop_token stop);

// The three categories in order; nothing when one fails or `stop` is
// requested (the window that wanted the report has gone).
std::optional<CapabilityReport> QueryCapabilities(const CapabilityQuery &query, std::stop_token stop);

// The page of the report: `pageTemplate` with "${part0}", "${part1}" and
// "${part2}" replaced by the argument's "^"-separated parts and "${<id>}" by
// the HTML-escaped text `namedText` gives for that id.
std::string FillCapabilitiesPage(std::string_view pageTemplate, std::string_view argument,
                                 const std::function<std::string(std::string_view id)> &namedText);

std::string EscapeHtml(std::string_view text);

} // namespace quillora
