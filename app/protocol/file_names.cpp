// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "file_names.h"

#include <algorithm>

namespace quillora {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One code point per valid sequence; any byte that does not start one
// (overlong forms and surrogates included) is one U+FFFD.
std::u32string decodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        size_t length = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            out += lead;
            ++pos;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07;
            minimum = 0x10000;
        }
        bool valid = length != 0 && pos + length <= text.size();
        for (size_t i = 1; valid && i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[pos + i]);
            valid = (next & 0xC0) == 0x80;
            value = value << 6 | (next & 0x3F);
        }
        if (valid && value >= minimum && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF)) {
            out += value;
            pos += length;
        } else {
            out += kReplacement;
            ++pos;
        }
    }
    return out;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

size_t utf8Length(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// The space separators; the other white space characters are controls and
// have become "_" before this is asked.
bool isBlank(char32_t c)
{
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

// The bidirectional marks and overrides: "U+202E gpj.exe" shows as
// "exe.jpg" in a file manager.
bool isBidiControl(char32_t c)
{
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// C0, DEL and C1 controls, the bidirectional controls, and what a file name
// on a FAT card or a Windows share cannot hold (the phone's own files end up
// there too).
bool needsReplacing(char32_t c)
{
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || isBidiControl(c))
        return true;
    switch (c) {
    case '"':
    case '*':
    case '/':
    case ':':
    case '<':
    case '>':
    case '?':
    case '\\':
    case '|': return true;
    default: return false;
    }
}

bool onlyDotsAndBlanks(std::u32string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return c == '.' || isBlank(c); });
}

void trimTrailingBlanks(std::u32string &text)
{
    while (!text.empty() && isBlank(text.back()))
        text.pop_back();
}

bool inRange(char32_t c, char32_t first, char32_t last)
{
    return c >= first && c <= last;
}

// Upper case letters whose lower case is the next code point.
bool pairedEven(char32_t c, char32_t first, char32_t last)
{
    return inRange(c, first, last) && (c - first) % 2 == 0;
}

char32_t simpleLower(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
    if (inRange(c, 0xC0, 0xDE) && c != 0xD7)
        return c + 0x20;
    if (c == 0x130)
        return 'i';
    if (c == 0x178)
        return 0xFF;
    if (pairedEven(c, 0x100, 0x12F) || pairedEven(c, 0x132, 0x137) || pairedEven(c, 0x139, 0x148) ||
        pairedEven(c, 0x14A, 0x177) || pairedEven(c, 0x179, 0x17E) || pairedEven(c, 0x1CD, 0x1DC) ||
        pairedEven(c, 0x1DE, 0x1EF) || pairedEven(c, 0x1F8, 0x21F) || pairedEven(c, 0x222, 0x233))
        return c + 1;
    // Greek
    if (c == 0x386)
        return 0x3AC;
    if (inRange(c, 0x388, 0x38A))
        return c + 37;
    if (c == 0x38C)
        return 0x3CC;
    if (inRange(c, 0x38E, 0x38F))
        return c + 63;
    if (inRange(c, 0x391, 0x3AB) && c != 0x3A2)
        return c + 0x20;
    if (pairedEven(c, 0x3D8, 0x3EF))
        return c + 1;
    // Cyrillic
    if (inRange(c, 0x400, 0x40F))
        return c + 0x50;
    if (inRange(c, 0x410, 0x42F))
        return c + 0x20;
    if (c == 0x4C0)
        return 0x4CF;
    if (pairedEven(c, 0x460, 0x481) || pairedEven(c, 0x48A, 0x4BF) || pairedEven(c, 0x4C1, 0x4CE) ||
        pairedEven(c, 0x4D0, 0x52F))
        return c + 1;
    // Armenian
    if (inRange(c, 0x531, 0x556))
        return c + 0x30;
    // Latin Extended Additional (Vietnamese among them)
    if (c == 0x1E9E)
        return 0xDF;
    if (pairedEven(c, 0x1E00, 0x1E95) || pairedEven(c, 0x1EA0, 0x1EFF))
        return c + 1;
    if (inRange(c, 0xFF21, 0xFF3A))
        return c + 0x20;
    return c;
}

// A dot and 1 to 15 letters, digits or "_" (every extension of the type
// table is one); anything else is left out of a file name.
std::string_view usableExtension(std::string_view extension)
{
    if (extension.size() < 2 || extension.size() > 16 || extension[0] != '.')
        return {};
    for (const char c : extension.substr(1)) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!plain)
            return {};
    }
    return extension;
}

} // namespace

std::string SafeStem(std::string_view title, std::size_t maxBytes)
{
    std::u32string chars = decodeUtf8(title);
    for (char32_t &c : chars) {
        if (needsReplacing(c))
            c = '_';
    }
    trimTrailingBlanks(chars);
    // ".", ".." and their relatives name a folder, or nothing visible.
    if (onlyDotsAndBlanks(chars))
        return {};
    if (chars.front() == '.')
        chars.front() = '_';

    size_t bytes = 0;
    size_t kept = 0;
    while (kept < chars.size() && bytes + utf8Length(chars[kept]) <= maxBytes)
        bytes += utf8Length(chars[kept++]);
    chars.resize(kept);
    // The cut may leave blanks at the end, or nothing but blanks and dots.
    trimTrailingBlanks(chars);
    if (onlyDotsAndBlanks(chars))
        return {};

    std::string out;
    out.reserve(bytes);
    for (const char32_t c : chars)
        appendUtf8(out, c);
    return out;
}

std::size_t ListedStemBytes(std::string_view extension)
{
    return kMaxFileNameBytes - kUniqueSuffixBytes - usableExtension(extension).size();
}

std::string DefaultStem(ObjectCategory category, int number)
{
    const char *word = "Object";
    switch (category) {
    case ObjectCategory::Pictures: word = "Picture"; break;
    case ObjectCategory::Animations: word = "Animation"; break;
    case ObjectCategory::Sounds: word = "Sound"; break;
    case ObjectCategory::VCards: word = "vCard"; break;
    case ObjectCategory::VCalendars: word = "vCalendar"; break;
    }
    return std::string(word) + ' ' + std::to_string(number);
}

std::string FileNameFor(std::string_view title, std::string_view extension)
{
    const std::string_view kept = usableExtension(extension);
    std::string name = SafeStem(title, kMaxFileNameBytes - kept.size());
    if (name.empty())
        return {};
    name += kept;
    return name;
}

std::string JoinInFolder(std::string_view folder, std::string_view fileName)
{
    if (folder.empty() || fileName.empty() || fileName == "." || fileName == ".." ||
        fileName.size() > kMaxFileNameBytes || fileName.find_first_of(std::string_view("/\0", 2)) != fileName.npos)
        return {};
    std::string path(folder);
    if (path.back() != '/')
        path += '/';
    path += fileName;
    return path;
}

std::string FoldTitleCase(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (const char32_t c : decodeUtf8(utf8))
        appendUtf8(out, simpleLower(c));
    return out;
}

bool SameTitle(std::string_view a, std::string_view b)
{
    return FoldTitleCase(a) == FoldTitleCase(b);
}

} // namespace quillora
