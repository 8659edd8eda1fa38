// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The object types the phone knows: which file extension goes with which
// phone type name and type code, the file dialog filters built from them,
// and the few content checks that correct a type the phone declared wrongly.
// Plain functions over constant tables, safe from any thread.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

class TextSource;

// The phone's numeric object type (1 = WAV, 104 = JPEG, ...).
using ObjectType = std::uint32_t;
// "No matching format": what every lookup answers when nothing matches. No
// row of the type table carries it.
inline constexpr ObjectType kNoObjectType = 1004;

// The groups the phone stores objects in.
enum class ObjectCategory { Pictures, Animations, Sounds, VCards, VCalendars };

struct ObjectCategoryInfo {
    ObjectCategory category;
    std::uint32_t captionId; // string-table id of the group's caption
    // The phone's category names for the group, queried in this order.
    std::span<const std::string_view> phoneNames;
};

namespace detail {
inline constexpr std::string_view kPictureNames[] = {"PHOTO", "PICTURES"};
inline constexpr std::string_view kAnimationNames[] = {"ANIMATIONS"};
inline constexpr std::string_view kSoundNames[] = {"SOUNDS"};
inline constexpr std::string_view kVCardNames[] = {"VCARDS"};
inline constexpr std::string_view kVCalendarNames[] = {"VEVENT", "VTODO"};
} // namespace detail

// In enum order, so kObjectCategories[static_cast<size_t>(c)] is c's row.
inline constexpr ObjectCategoryInfo kObjectCategories[] = {
    {ObjectCategory::Pictures, 609, detail::kPictureNames},
    {ObjectCategory::Animations, 611, detail::kAnimationNames},
    {ObjectCategory::Sounds, 610, detail::kSoundNames},
    {ObjectCategory::VCards, 125, detail::kVCardNames},
    {ObjectCategory::VCalendars, 126, detail::kVCalendarNames},
};

const ObjectCategoryInfo &CategoryInfo(ObjectCategory category);

// One row of the type table. Extensions are lower case with their dot.
struct ObjectTypeRow {
    std::string_view extension;
    std::string_view typeName;
    ObjectType type;
};

// The 53 rows in their fixed order. Several rows share an extension (".gif",
// ".mp4", ".mpg"), a type name or a code; every lookup below takes the first
// matching row, so the order decides the answer.
std::span<const ObjectTypeRow> ObjectTypeTable();

// Extensions and type names compare without regard to ASCII case.
// The code of the first row with this extension (".gif" -> 105); ext keeps
// its dot. kNoObjectType when ext is empty, has no leading dot or matches
// no row.
ObjectType TypeFromExtension(std::string_view ext);

struct TypeNameMatch {
    std::string_view extension; // empty when nothing matched
    ObjectType type = kNoObjectType;
};
// The first row with this phone type name ("AGIF" -> ".gif", 201).
TypeNameMatch TypeFromTypeName(std::string_view name);

// The first row with this code; empty when no row has it.
std::string_view TypeNameOf(ObjectType code);
std::string_view ExtensionOf(ObjectType code);

// "*.jpg;*.jpeg;*.jpe;*.jif": every extension of the code in row order. A
// code no row has (kNoObjectType among them) gives "*." + fallbackName in
// lower case, so a file dialog always gets a pattern.
std::string PatternsForType(ObjectType code, std::string_view fallbackName);
// The same over the rows with this type name; "*." + name in lower case when
// none has it.
std::string PatternsForTypeName(std::string_view name);

// The fixed parts of the open filter, each following its description text.
inline constexpr std::string_view kAllSupportedPatterns =
    "|*.wav;*.mid;*.imy;*.amr;*.qvx1;*.qvx2;*.mp3;*.mld;*.aac;*.awb;*.bmp;*.jpg;*.gif;*.png;*.wbmp;"
    "*.ems_gr;*.jpeg;*.jpe;*.gif;*.ems_an;*.zq1;*.mng;*.3gp;*.svg;*.svgz;*.mp4;*.vcf;*.vcs|";
inline constexpr std::string_view kPicturePatterns =
    " (*.bmp;*.jpg;*.gif;*.png;*.wbmp;*.ems_gr;*.jpeg;*.jpe)|*.bmp;*.jpg;*.gif;*.png;*.wbmp;*.ems_gr;*.jpeg;*.jpe|";
inline constexpr std::string_view kAnimationPatterns =
    " (*.gif;*.ems_an;*.zq1;*.mng;*.3gp;*.svg;*.svgz;*.mp4)|*.gif;*.ems_an;*.zq1;*.mng;*.3gp;*.svg;*.svgz;*.mp4|";
inline constexpr std::string_view kSoundPatterns =
    " (*.wav;*.mid;*.imy;*.amr;*.qvx1;*.qvx2;*.mp3;*.mld;*.aac;*.awb)"
    "|*.wav;*.mid;*.imy;*.amr;*.qvx1;*.qvx2;*.mp3;*.mld;*.aac;*.awb|";
inline constexpr std::string_view kVCardPatterns = " (*.vcf)|*.vcf|";
inline constexpr std::string_view kVCalendarPatterns = " (*.vcs)|*.vcs|";
inline constexpr std::string_view kAllFilesPatterns = "|*.*||";

// The open dialog's filter, "description|patterns|...||". It starts with
// "Formats supported by this <model>" and supportedPatterns only when the
// model is known and gave a non-empty list.
std::string BuildOpenFilter(const TextSource &texts, bool known, std::string_view model,
                            std::string_view supportedPatterns);
// The save dialog's filter for one type, then all files.
std::string BuildSaveFilter(const TextSource &texts, std::string_view description, std::string_view patterns);

struct FileFilter {
    std::string description;
    std::string patterns; // "*.a;*.b"
    bool operator==(const FileFilter &) const = default;
};
// The pairs of a "description|patterns|...||" text. It ends, as the desktop
// it was written for reads it, at the first empty description or patterns;
// a description without patterns is dropped.
std::vector<FileFilter> ParseFilter(std::string_view filter);
// "Graphic Files (*.bmp *.jpg)", the form Qt's file dialog reads. A
// description that already ends in its patterns in parentheses keeps one
// copy, written with spaces.
std::string NameFilter(const FileFilter &filter);
std::vector<std::string> NameFilters(std::string_view filter);

// Signatures at the start of an object.
inline constexpr std::array<unsigned char, 6> kAmrMagic = {'#', '!', 'A', 'M', 'R', '\n'};
inline constexpr std::array<unsigned char, 10> kJfifMagic = {0xFF, 0xD8, 0xFF, 0xE0, 0x00,
                                                             0x10, 'J',  'F',  'I',  'F'};
inline constexpr std::array<unsigned char, 2> kBmpMagic = {'B', 'M'};

// The type an object really has, from its first bytes: some phones declare an
// AMR recording as WAV or IMEL, and a JPEG or BMP picture as WBMP. Fewer than
// ten bytes decide nothing; any other declared type is kept. A JPEG is known
// by its JFIF header only, so an Exif JPEG declared WBMP stays WBMP.
ObjectType RecognizeContent(ObjectType declared, std::span<const unsigned char> head);

// What the desktop calls a file type: implemented by the program over the
// desktop's MIME database, and by fakes in tests.
class FileTypeNames {
public:
    virtual ~FileTypeNames() = default;
    // The display name for the extension (with its dot); "" when the desktop
    // knows none.
    virtual std::string describe(std::string_view extension) const = 0;
    // A freedesktop icon name; "" when none.
    virtual std::string iconName(std::string_view extension) const = 0;
};

// Longest type description shown, in characters.
inline constexpr std::size_t kMaxTypeDescription = 80;

// The desktop's name for the extension; without one (or without names at all)
// text 805 with the extension in upper case, "WAV File", or with the decimal
// code when there is no extension. Cut to kMaxTypeDescription characters.
std::string FileTypeDescription(const FileTypeNames *names, const TextSource &texts, std::string_view extension,
                                ObjectType code);

} // namespace quillora
