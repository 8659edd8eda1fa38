// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_listing.h"

#include "file_names.h"
#include "phone_operations.h"
#include "phone_session.h"
#include "protocol_error.h"
#include "text_codec.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace quillora {

namespace {

[[noreturn]] void invalidData()
{
    throw ProtocolError{error_code::kUnexpectedData};
}

// After a field: the end of the line, or a comma with something after it.
size_t afterField(std::string_view line, size_t pos)
{
    if (pos == line.size())
        return pos;
    if (line[pos] != ',' || pos + 1 == line.size())
        invalidData();
    return pos + 1;
}

// "..." with no escapes: the phone never puts a quote inside a field.
size_t quotedField(std::string_view line, size_t pos, std::string_view *value)
{
    if (pos >= line.size() || line[pos] != '"')
        invalidData();
    const size_t close = line.find('"', pos + 1);
    if (close == line.npos)
        invalidData();
    if (value)
        *value = line.substr(pos + 1, close - pos - 1);
    return afterField(line, close + 1);
}

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A decimal number as the C library reads one: leading white space, a sign,
// at least one digit. Saturates instead of overflowing.
size_t integerField(std::string_view line, size_t pos, std::int64_t &value)
{
    while (pos < line.size() && isCSpace(line[pos]))
        ++pos;
    bool negative = false;
    if (pos < line.size() && (line[pos] == '+' || line[pos] == '-'))
        negative = line[pos++] == '-';
    const size_t digits = pos;
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 10;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') {
        if (magnitude < kLimit)
            magnitude = magnitude * 10 + (line[pos] - '0');
        ++pos;
    }
    if (pos == digits)
        invalidData();
    value = negative ? -magnitude : magnitude;
    return afterField(line, pos);
}

// The listing's white space at the end of a title: the space separators
// (the other white space characters are controls, already "_").
bool isTitleBlank(char16_t c)
{
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

bool unfitForFileName(char16_t c)
{
    if (c < 0x20)
        return true;
    switch (c) {
    case u'"':
    case u'*':
    case u'/':
    case u':':
    case u'<':
    case u'>':
    case u'?':
    case u'\\':
    case u'|': return true;
    default: return false;
    }
}

// The row's title: the cleaned phone title made safe as a file stem, or a
// default name when nothing of it is usable; then made unique in the list
// with "[k]" (or the default's own number).
std::string uniqueTitle(PhoneObjectSink &sink, ObjectCategory category, std::string_view hexTitle,
                        std::string_view extension)
{
    const std::string stem = SafeStem(CleanTitle(DecodeHexText(hexTitle)), ListedStemBytes(extension));
    std::string candidate;
    if (stem.empty()) {
        int number = 1;
        do
            candidate = DefaultStem(category, number++);
        while (sink.containsTitle(candidate));
        return candidate;
    }
    candidate = stem;
    for (int k = 1; sink.containsTitle(candidate); ++k)
        candidate = stem + '[' + std::to_string(k) + ']';
    return candidate;
}

} // namespace

bool ParseObjectLine(std::string_view fields, bool showHidden, ListedLine &out)
{
    std::string_view phoneName;
    size_t pos = quotedField(fields, 0, &phoneName);
    std::int64_t hidden = 0;
    pos = integerField(fields, pos, hidden);
    if (hidden != 0 && !showHidden)
        return false;

    std::int64_t size = 0;
    pos = integerField(fields, pos, size);
    pos = quotedField(fields, pos, nullptr);
    std::string_view typeName;
    pos = quotedField(fields, pos, &typeName);
    pos = quotedField(fields, pos, nullptr);
    pos = quotedField(fields, pos, nullptr);
    std::string_view hexTitle;
    pos = quotedField(fields, pos, &hexTitle);
    if (pos != fields.size())
        invalidData();

    out.object.phoneName = std::string(phoneName);
    out.object.typeName = std::string(typeName);
    // A size the field cannot hold is garbage; keep the listing and clamp it.
    out.object.size = static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(size, 0, std::numeric_limits<std::uint32_t>::max()));
    out.object.objectType = TypeFromTypeName(typeName).type;
    out.hexTitle = std::string(hexTitle);
    return true;
}

std::string CleanTitle(std::u16string_view title)
{
    std::u16string cleaned(title);
    for (char16_t &c : cleaned) {
        if (unfitForFileName(c))
            c = u'_';
    }
    while (!cleaned.empty() && isTitleBlank(cleaned.back()))
        cleaned.pop_back();
    return Utf16ToUtf8(cleaned);
}

void ListGroup(PhoneSession &session, int group, bool showHidden, PhoneObjectSink &sink)
{
    if (group < 0 || group >= kListingGroups)
        throw std::out_of_range("listing group");
    const auto category = static_cast<ObjectCategory>(group);
    static constexpr std::string_view kObjectPrefix = "+KPSL: ";

    // Pictures and vCalendars live under two names each; the rows of both
    // go into one list.
    for (const std::string_view name : CategoryInfo(category).phoneNames) {
        session.ClearReplies();
        session.Command("AT+CSCS=\"UCS2\";+KPSL=\"" + std::string(name) + "\",1");
        for (;;) {
            const auto line = session.WaitLine(kListingLineMs, kListingLineCapacity);
            if (!line)
                throw ProtocolError{error_code::kNoReply};
            // A piece of a line longer than we read must not pass for a whole
            // object line.
            if (line->size() >= kListingLineCapacity - 1)
                invalidData();
            if (line->starts_with(kObjectPrefix) && line->size() > kObjectPrefix.size() &&
                (*line)[kObjectPrefix.size()] == '"') {
                ListedLine listed;
                if (!ParseObjectLine(std::string_view(*line).substr(kObjectPrefix.size()), showHidden, listed))
                    continue;
                const std::string extension(TypeFromTypeName(listed.object.typeName).extension);
                const std::string title = uniqueTitle(sink, category, listed.hexTitle, extension);
                sink.addObject(listed.object, title, extension);
                continue;
            }
            // "Nothing stored" is an empty category, not an error; a phone
            // without PHOTO keeps its pictures under PICTURES only.
            if (*line == "OK" || *line == "+CME ERROR: 100,65502" || (*line == "+CME ERROR: 4" && name == "PHOTO"))
                break;
            CheckErrorReply(*line); // echoes and unsolicited lines pass
        }
    }
}

bool ListPhoneObjects(OperationContext &context, int group, bool showHidden, PhoneObjectSink &sink)
{
    try {
        ListGroup(context.session, group, showHidden, sink);
        return true;
    } catch (const ProtocolError &error) {
        ShowProtocolError(context.prompt, context.texts, error.code, context.session.listStale);
        return false;
    }
}

} // namespace quillora
