// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "capabilities.h"

#include "connection_state.h"
#include "object_types.h"
#include "phone_session.h"
#include "text_codec.h"
#include "text_source.h"

#include <cctype>
#include <climits>

namespace quillora {

namespace {

namespace text_id {
inline constexpr std::uint32_t kKilobytes = 803;
inline constexpr std::uint32_t kUnlimited = 6000;
inline constexpr std::uint32_t kUpTo = 6001;
inline constexpr std::uint32_t kBlackAndWhite = 6002;
inline constexpr std::uint32_t kListSeparator = 6003;
inline constexpr std::uint32_t kColourBits = 6004;
inline constexpr std::uint32_t kProgressive = 6005;
inline constexpr std::uint32_t kLossless = 6006;
inline constexpr std::uint32_t kVector = 6007;
inline constexpr std::uint32_t kSupported = 6008;
inline constexpr std::uint32_t kUnsupported = 6009;
inline constexpr std::uint32_t kSingleTrack = 6010;
inline constexpr std::uint32_t kTracks = 6011;
inline constexpr std::uint32_t kFrequencyRange = 6012;
inline constexpr std::uint32_t kSoundFormat = 6013;
inline constexpr std::uint32_t kMono = 6014;
inline constexpr std::uint32_t kStereo = 6015;
} // namespace text_id

constexpr int kMaxDimension = 65536;
constexpr size_t kMaxColourField = 25;
constexpr std::string_view kFrequencyPrefix = "FREQUENCY=";

// A field read as C's atoi reads it (blanks, a sign, the leading digits, 0
// when there are none), but saturating instead of overflowing.
std::int64_t fieldNumber(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    std::int64_t value = 0;
    for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos)
        value = std::min<std::int64_t>(value * 10 + (text[pos] - '0'), INT_MAX);
    return negative ? -value : value;
}

std::string lowerAscii(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

size_t characterCount(std::string_view utf8)
{
    size_t count = 0;
    for (char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

bool endsWith(const std::string &text, std::string_view tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A formatted table text, escaped as a whole: the phone's inserts and the
// translation's own characters ("Black & White only") alike.
std::string formatted(const TextSource &texts, std::uint32_t id, std::initializer_list<TextArg> inserts)
{
    return EscapeHtml(texts.format(id, inserts));
}

std::string featureText(const TextSource &texts, std::string_view option,
                        std::uint32_t (*knownName)(std::string_view))
{
    const bool unsupported = option.starts_with('-');
    if (unsupported)
        option.remove_prefix(1);
    const std::uint32_t id = knownName ? knownName(option) : 0;
    std::string name = id ? texts.text(id) : lowerAscii(std::string(option));
    return formatted(texts, unsupported ? text_id::kUnsupported : text_id::kSupported, {std::move(name)});
}

std::uint32_t pictureFeature(std::string_view option)
{
    if (option == "PROGRESSIVE")
        return text_id::kProgressive;
    if (option == "COMPRESSION=0")
        return text_id::kLossless;
    if (option == "VECTOR")
        return text_id::kVector;
    return 0;
}

std::string dimensionsCell(const TextSource &texts, std::string &line)
{
    const std::int64_t width = fieldNumber(TakeToken(line, ':'));
    const std::int64_t height = fieldNumber(TakeToken(line, ':'));
    if (width > kMaxDimension || height > kMaxDimension)
        return formatted(texts, text_id::kUnlimited, {});
    return formatted(texts, text_id::kUpTo, {width, height});
}

std::string coloursText(const TextSource &texts, const std::string &colours)
{
    if (colours.empty())
        return {};
    if (colours == "1")
        return formatted(texts, text_id::kBlackAndWhite, {});
    if (characterCount(colours) > kMaxColourField)
        return {};
    const std::string separator = texts.text(text_id::kListSeparator);
    std::string depths = colours;
    std::string joined;
    while (!depths.empty()) {
        if (!joined.empty())
            joined += separator;
        joined += TakeToken(depths, ';');
    }
    return formatted(texts, text_id::kColourBits, {joined});
}

void appendPictureCells(std::string &html, const TextSource &texts, std::string &line, std::string options)
{
    html += dimensionsCell(texts, line) + "</td><td>";
    html += coloursText(texts, TakeToken(line, ':'));
    while (!options.empty())
        html += "<br>" + featureText(texts, TakeToken(options, ';'), pictureFeature);
}

// "16M8000": bits, then the channels (non-digits), then the rate.
std::string soundFormatText(const TextSource &texts, std::string_view item)
{
    size_t split = 0;
    while (split < item.size() && std::isdigit(static_cast<unsigned char>(item[split])))
        ++split;
    size_t rateStart = split;
    while (rateStart < item.size() && !std::isdigit(static_cast<unsigned char>(item[rateStart])))
        ++rateStart;
    const std::string channels(item.substr(split, rateStart - split));
    std::string channelText = channels == "M"   ? texts.text(text_id::kMono)
                              : channels == "S" ? texts.text(text_id::kStereo)
                                                : lowerAscii(channels);
    return formatted(texts, text_id::kSoundFormat,
                     {std::string(item.substr(0, split)), std::move(channelText), std::string(item.substr(rateStart))});
}

std::string soundOptionText(const TextSource &texts, std::string option)
{
    if (!option.starts_with(kFrequencyPrefix))
        return featureText(texts, option, nullptr);
    option.erase(0, kFrequencyPrefix.size());
    std::string low = TakeToken(option, '-');
    return formatted(texts, text_id::kFrequencyRange, {std::move(low), std::move(option)});
}

void appendSoundCells(std::string &html, const TextSource &texts, std::string &line, std::string options)
{
    const std::string tracks = TakeToken(line, ':');
    if (!tracks.empty())
        html += (tracks == "1" ? formatted(texts, text_id::kSingleTrack, {})
                               : formatted(texts, text_id::kTracks, {tracks})) +
                "<br>";
    std::string formats = TakeToken(line, ':');
    while (!formats.empty())
        html += soundFormatText(texts, TakeToken(formats, ';')) + "<br>";
    if (options.empty())
        return; // without options the last "<br>" stays, as the phone's tables always showed
    while (!options.empty())
        html += soundOptionText(texts, TakeToken(options, ';')) + "<br>";
    html.resize(html.size() - 4);
}

std::string typeCell(const TextSource &texts, const FileTypeNames *typeNames, const std::string &typeCode,
                     const std::string &patterns)
{
    // The first pattern names the format's file type: "*.jpg" -> ".jpg".
    const std::string first = patterns.substr(0, patterns.find(';'));
    const std::string extension = first.starts_with("*") ? first.substr(1) : first;
    const ObjectType code = TypeFromTypeName(typeCode).type;
    const std::string name = FileTypeDescription(typeNames, texts, extension, code);
    return EscapeHtml(name) + "<br>(" + EscapeHtml(patterns) + ")";
}

// The exchange itself; the rows, or nothing when the reply was not whole.
std::optional<std::string> exchange(PhoneSession &session, std::string_view keyword)
{
    // Anything still buffered belongs to an earlier exchange.
    session.ClearReplies();
    if (!session.SendCommand("AT+KPSCAP=\"" + std::string(keyword) + "\""))
        return std::nullopt;
    static constexpr std::string_view kPrefix = "+KPSCAP: ";
    const auto header = session.WaitLine(kCapabilityReplyMs);
    if (!header || !header->starts_with(kPrefix))
        return std::nullopt;
    const std::int64_t count = fieldNumber(std::string_view(*header).substr(kPrefix.size()));
    if (count < 0 || count > kMaxCapabilityBytes)
        return std::nullopt;
    if (session.WaitLine(kCapabilityReplyMs) != std::optional<std::string>("CONNECT"))
        return std::nullopt;
    // ReadBytes already goes on while bytes keep coming within the time-out.
    std::string data(static_cast<size_t>(count), '\0');
    if (session.ReadBytes(data.data(), data.size(), kCapabilityReplyMs) != data.size())
        return std::nullopt;
    if (session.WaitLine(kCapabilityReplyMs) != std::optional<std::string>("NO CARRIER"))
        return std::nullopt;
    return data;
}

constexpr std::string_view keywordOf(CapabilityCategory category)
{
    switch (category) {
    case CapabilityCategory::Pictures: return "PICTURES";
    case CapabilityCategory::Animations: return "ANIMATIONS";
    case CapabilityCategory::Sounds: return "SOUNDS";
    }
    return {};
}

} // namespace

std::string TakeToken(std::string &text, char separator)
{
    const size_t at = text.find(separator);
    std::string token;
    if (at == std::string::npos) {
        token.swap(text);
        return token;
    }
    token = text.substr(0, at);
    text.erase(0, at + 1);
    return token;
}

std::string EscapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '^': out += "&#94;"; break; // the report's part separator
        default: out += c;
        }
    }
    return out;
}

CapabilityRow FormatCapabilityLine(CapabilityCategory category, std::string_view text, const TextSource &texts,
                                   const FileTypeNames *typeNames)
{
    std::string line(text);
    std::string options = TakeToken(line, ':');
    const std::string typeCode = TakeToken(options, ';');
    CapabilityRow row;
    row.patterns = PatternsForTypeName(typeCode);
    std::string &html = row.html;
    html = "<tr><td>" + typeCell(texts, typeNames, typeCode, row.patterns) + "</td><td>";
    html += formatted(texts, text_id::kKilobytes, {fieldNumber(TakeToken(line, ':'))}) + "</td><td>";
    if (category == CapabilityCategory::Sounds)
        appendSoundCells(html, texts, line, std::move(options));
    else
        appendPictureCells(html, texts, line, std::move(options));
    if (endsWith(html, "<td>"))
        html += "&nbsp;";
    html += "</td></tr>";
    return row;
}

std::vector<CapabilityRow> ParseCapabilityData(CapabilityCategory category, std::string_view data,
                                               const TextSource &texts, const FileTypeNames *typeNames)
{
    // NUL bytes have no place in a format line; they are dropped like line
    // noise. The code page keeps CR and LF, so the lines can be cut after
    // the conversion.
    std::string bytes(data);
    std::erase(bytes, '\0');
    const std::string text = FromCodePage(bytes);
    std::vector<CapabilityRow> rows;
    size_t start = 0;
    for (size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
        rows.push_back(FormatCapabilityLine(category, std::string_view(text).substr(start, cr - start), texts, typeNames));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    return rows;
}

bool QueryCategory(const CapabilityQuery &query, CapabilityCategory category, CapabilityReport &report,
                   std::stop_token stop)
{
    if (!query.connection.takePhoneLock([&] { return stop.stop_requested(); }))
        return false;
    std::optional<std::string> data;
    {
        PhoneLockHold hold(query.connection);
        data = exchange(query.session, keywordOf(category));
    }
    bool result = false;
    if (data) {
        for (const CapabilityRow &row : ParseCapabilityData(category, *data, query.texts, query.typeNames)) {
            if (stop.stop_requested())
                return false;
            report.argument += row.html;
            report.supportedPatterns += row.patterns + ";";
            result = true;
        }
    }
    report.argument += "^";
    return result;
}

std::optional<CapabilityReport> QueryCapabilities(const CapabilityQuery &query, std::stop_token stop)
{
    CapabilityReport report;
    for (auto category : {CapabilityCategory::Pictures, CapabilityCategory::Animations, CapabilityCategory::Sounds})
        if (!QueryCategory(query, category, report, stop))
            return std::nullopt;
    if (stop.stop_requested())
        return std::nullopt;
    return report;
}

std::string FillCapabilitiesPage(std::string_view pageTemplate, std::string_view argument,
                                 const std::function<std::string(std::string_view id)> &namedText)
{
    std::string parts[3];
    std::string rest(argument);
    for (std::string &part : parts)
        part = TakeToken(rest, '^');
    std::string page;
    size_t pos = 0;
    for (size_t open = pageTemplate.find("${"); open != std::string_view::npos;
         open = pageTemplate.find("${", pos)) {
        const size_t close = pageTemplate.find('}', open);
        if (close == std::string_view::npos)
            break;
        page.append(pageTemplate.substr(pos, open - pos));
        const std::string_view id = pageTemplate.substr(open + 2, close - open - 2);
        if (id == "part0" || id == "part1" || id == "part2")
            page += parts[id.back() - '0'];
        else
            page += EscapeHtml(namedText(id));
        pos = close + 1;
    }
    page.append(pageTemplate.substr(pos));
    return page;
}

} // namespace quillora
