// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "object_types.h"

#include "text_source.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

namespace quillora {
namespace {

// The order is part of the table: the first rows give each extension, name
// and code its preferred partner, the later ones only add spellings. ".gif"
// is a still picture (FGIF) before it is an animation (AGIF), ".mp4" is
// MPG4 before MP4, and ".mpg" MPG4 before MPG.
constexpr ObjectTypeRow kRows[] = {
    {".wav", "WAV", 1},      {".mid", "MIDI", 2},      {".imy", "IMEL", 4},      {".amr", "AMR", 14},
    {".qvx1", "QVX1", 5},    {".qvx2", "QVX2", 6},     {".mp3", "MP3", 3},       {".mld", "MFI", 15},
    {".aac", "AAC", 17},     {".awb", "AWB", 18},      {".mfm", "MFMP", 8},      {".bmp", "BMP", 102},
    {".jpg", "JPEG", 104},   {".gif", "FGIF", 105},    {".png", "PNG", 103},     {".wbmp", "WBMP", 101},
    {".ems_gr", "EMSG", 109}, {".tif", "TIFF", 106},   {".pct", "PICT", 107},    {".eps", "EPS", 108},
    {".ems_an", "EMSA", 205}, {".zq1", "ZQ1", 203},    {".mng", "MNG", 202},     {".ssa", "SSA", 206},
    {".zq2", "ZQ2", 204},    {".mjpg", "MJPEG", 207},  {".avi", "AVI", 231},     {".mp4", "MPG4", 232},
    {".3gp", "3GPP", 233},   {".svg", "SVG", 301},     {".svgz", "SVG", 301},    {".vcf", "VCRD", 220},
    {".vcs", "VCAL", 221},   {".cg", "CGPS", 222},     {".vcat", "VCAT", 223},   {".jar", "JAR", 1001},
    {".jad", "JAD", 1002},   {".jam", "JAM", 1003},    {".mms", "MMS", 224},     {".jpeg", "JPEG", 104},
    {".jpe", "JPEG", 104},   {".jif", "JPEG", 104},    {".tiff", "TIFF", 106},   {".pict", "PICT", 107},
    {".ai", "EPS", 108},     {".ps", "EPS", 108},      {".gif", "AGIF", 201},    {".mpg", "MPG4", 232},
    {".mpeg", "MPG4", 232},  {".3gpp", "3GPP", 233},   {".agif", "AGIF", 201},   {".mp4", "MP4", 7},
    {".mpg", "MPG", 234},
};
static_assert(std::size(kRows) == 53);
static_assert(std::none_of(std::begin(kRows), std::end(kRows),
                           [](const ObjectTypeRow &r) { return r.type == kNoObjectType; }));

// CategoryInfo indexes the categories by their enum value.
static_assert(std::size(kObjectCategories) == 5);
static_assert([] {
    for (std::size_t i = 0; i < std::size(kObjectCategories); ++i) {
        if (static_cast<std::size_t>(kObjectCategories[i].category) != i)
            return false;
    }
    return true;
}());

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Only ASCII folds: the table is ASCII, and folding the bytes of a UTF-8
// sequence one by one would corrupt it.
bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string lowered(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), lowerAscii);
    return out;
}

std::string uppered(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), upperAscii);
    return out;
}

template <typename Matches>
std::string patternsOfRows(Matches matches)
{
    std::string out;
    for (const ObjectTypeRow &row : kRows) {
        if (!matches(row))
            continue;
        if (!out.empty())
            out += ';';
        out += '*';
        out += row.extension;
    }
    return out;
}

// The pattern of a type the table does not know, made from a name the phone
// sent: only letters, digits, "_" and "-" are kept, so that the name cannot
// add patterns or whole entries to a file-dialog filter ("X|*.*").
std::string fallbackPattern(std::string_view name)
{
    std::string safe;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-')
            safe += c;
    return "*." + lowered(safe);
}

bool startsWith(std::span<const unsigned char> head, std::span<const unsigned char> magic)
{
    return head.size() >= magic.size() && std::equal(magic.begin(), magic.end(), head.begin());
}

// A UTF-8 continuation byte, 10xxxxxx: never the start of a character.
bool continuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first maxChars characters. A stray continuation byte counts with the
// character before it, so the cut never splits a sequence even in bad input.
std::string cutToCharacters(std::string s, std::size_t maxChars)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (continuesCharacter(s[i]) && i > 0)
            continue;
        if (chars == maxChars) {
            s.resize(i);
            break;
        }
        ++chars;
    }
    return s;
}

// The words of a pattern list, whichever of ';' and ' ' separates them.
std::vector<std::string_view> patternWords(std::string_view patterns)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find_first_of("; ", start);
        if (end == std::string_view::npos)
            end = patterns.size();
        if (end > start)
            words.push_back(patterns.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

} // namespace

const ObjectCategoryInfo &CategoryInfo(ObjectCategory category)
{
    return kObjectCategories[static_cast<std::size_t>(category)];
}

std::span<const ObjectTypeRow> ObjectTypeTable() { return kRows; }

ObjectType TypeFromExtension(std::string_view ext)
{
    if (ext.empty() || ext.front() != '.')
        return kNoObjectType;
    for (const ObjectTypeRow &row : kRows) {
        if (equalsIgnoringCase(row.extension, ext))
            return row.type;
    }
    return kNoObjectType;
}

TypeNameMatch TypeFromTypeName(std::string_view name)
{
    for (const ObjectTypeRow &row : kRows) {
        if (equalsIgnoringCase(row.typeName, name))
            return {row.extension, row.type};
    }
    return {};
}

std::string_view TypeNameOf(ObjectType code)
{
    for (const ObjectTypeRow &row : kRows) {
        if (row.type == code)
            return row.typeName;
    }
    return {};
}

std::string_view ExtensionOf(ObjectType code)
{
    for (const ObjectTypeRow &row : kRows) {
        if (row.type == code)
            return row.extension;
    }
    return {};
}

std::string PatternsForType(ObjectType code, std::string_view fallbackName)
{
    // No row carries kNoObjectType, so it falls through to the fallback with
    // the codes the table does not know: an empty pattern would let a file
    // dialog show nothing at all.
    std::string out = patternsOfRows([code](const ObjectTypeRow &row) { return row.type == code; });
    return out.empty() ? fallbackPattern(fallbackName) : out;
}

std::string PatternsForTypeName(std::string_view name)
{
    std::string out =
        patternsOfRows([name](const ObjectTypeRow &row) { return equalsIgnoringCase(row.typeName, name); });
    return out.empty() ? fallbackPattern(name) : out;
}

std::string BuildOpenFilter(const TextSource &texts, bool known, std::string_view model,
                            std::string_view supportedPatterns)
{
    std::string out;
    if (known && !supportedPatterns.empty()) {
        // The model text comes from the phone; a bar in it would split the filter.
        std::string safeModel(model);
        std::erase(safeModel, '|');
        out += texts.format(120, {std::move(safeModel)});
        out += '|';
        out += supportedPatterns;
        out += '|';
    }
    // Each pattern constant carries the separators around it, and the
    // category ones the parenthesised copy that follows the description.
    const struct {
        std::uint32_t id;
        std::string_view patterns;
    } parts[] = {
        {121, kAllSupportedPatterns}, {122, kPicturePatterns},  {123, kAnimationPatterns},
        {124, kSoundPatterns},        {125, kVCardPatterns},    {126, kVCalendarPatterns},
        {127, kAllFilesPatterns},
    };
    for (const auto &part : parts) {
        out += texts.text(part.id);
        out += part.patterns;
    }
    return out;
}

std::string BuildSaveFilter(const TextSource &texts, std::string_view description, std::string_view patterns)
{
    return texts.format(602, {std::string(description), std::string(patterns)});
}

std::vector<FileFilter> ParseFilter(std::string_view filter)
{
    std::vector<FileFilter> out;
    std::size_t pos = 0;
    // Reads the field at pos and steps past its '|'; a missing final '|'
    // still ends the field, so a truncated translation loses nothing.
    auto field = [&]() {
        const std::size_t bar = std::min(filter.find('|', pos), filter.size());
        const std::string_view f = filter.substr(pos, bar - pos);
        pos = bar + 1;
        return f;
    };
    while (pos < filter.size()) {
        const std::string_view description = field();
        if (description.empty() || pos > filter.size())
            break;
        const std::string_view patterns = field();
        if (patterns.empty())
            break;
        out.push_back({std::string(description), std::string(patterns)});
    }
    return out;
}

std::string NameFilter(const FileFilter &filter)
{
    const std::vector<std::string_view> words = patternWords(filter.patterns);
    std::string spaced;
    for (std::string_view w : words) {
        if (!spaced.empty())
            spaced += ' ';
        spaced += w;
    }

    // The category descriptions already end in "(*.bmp;*.jpg...)"; Qt reads
    // the last parentheses as the patterns and would not split on ';', so
    // that copy is replaced rather than followed by a second one.
    std::string_view description = filter.description;
    if (!description.empty() && description.back() == ')') {
        const std::size_t open = description.rfind('(');
        if (open != std::string_view::npos &&
            patternWords(description.substr(open + 1, description.size() - open - 2)) == words) {
            description = description.substr(0, open);
            while (!description.empty() && description.back() == ' ')
                description.remove_suffix(1);
        }
    }
    std::string out(description);
    out += " (";
    out += spaced;
    out += ')';
    return out;
}

std::vector<std::string> NameFilters(std::string_view filter)
{
    std::vector<std::string> out;
    for (const FileFilter &f : ParseFilter(filter))
        out.push_back(NameFilter(f));
    return out;
}

ObjectType RecognizeContent(ObjectType declared, std::span<const unsigned char> head)
{
    if (head.size() < kJfifMagic.size())
        return declared;
    switch (declared) {
    case 1: // WAV
    case 4: // IMEL
        return startsWith(head, kAmrMagic) ? 14 : declared;
    case 101: // WBMP
        if (startsWith(head, kJfifMagic))
            return 104;
        if (startsWith(head, kBmpMagic))
            return 102;
        return declared;
    default:
        return declared;
    }
}

std::string FileTypeDescription(const FileTypeNames *names, const TextSource &texts, std::string_view extension,
                                ObjectType code)
{
    std::string description;
    if (names && !extension.empty())
        description = names->describe(extension);
    if (description.empty()) {
        std::string_view bare = extension;
        if (!bare.empty() && bare.front() == '.')
            bare.remove_prefix(1);
        description = texts.format(805, {bare.empty() ? std::to_string(code) : uppered(bare)});
    }
    // The desktop's names can be long sentences in some languages; lists and
    // tool tips show a bounded name whichever source it came from.
    return cutToCharacters(std::move(description), kMaxTypeDescription);
}

} // namespace quillora
