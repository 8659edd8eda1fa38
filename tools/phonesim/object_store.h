// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// The objects the simulated phone keeps: pictures, sounds, vCards... with
// the phone's own name for each, a title, a type name and a hidden flag,
// within a total size limit. In memory, or backed by a folder so that a
// phone keeps its objects across restarts.
//
// Folder layout: one sub-folder per listing category, named by the category
// in lower case (photo, pictures, animations, sounds, vcards, vevent,
// vtodo), one file per object, and DIR/index.txt with one line per object:
//     CATEGORY <tab> NAME <tab> TYPE <tab> HIDDEN <tab> TITLE <tab> FILE
// NAME and TITLE as hexadecimal UCS-2 (as on the wire), so any text
// survives; FILE is the object's file name inside its category folder. A
// file dropped into a category folder without an index line is taken in
// at start-up as a visible object titled by its file name, typed by its
// extension.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace phonesim {

// The categories AT+KPSL lists, by their keyword on the wire.
enum class Category { Photo, Pictures, Animations, Sounds, VCards, VEvent, VTodo };
inline constexpr Category kAllCategories[] = {Category::Photo,  Category::Pictures, Category::Animations,
                                              Category::Sounds, Category::VCards,   Category::VEvent,
                                              Category::VTodo};

std::string_view keywordOf(Category category); // "PHOTO"
// Exact, upper case, as the PC sends it.
std::optional<Category> categoryFromKeyword(std::string_view keyword);

// A type the phone stores: its name in +KPSW and +KPSL, its number in the
// package sections and +KDOBJ, the extension its file gets in a folder
// store, and where it goes.
struct ObjectKind {
    std::string_view typeName;
    uint16_t code = 0;
    std::string_view extension;
    Category category = Category::Pictures;
};

// nullptr for a type the phone does not take (JAR, MMS...) or does not know.
const ObjectKind *kindByName(std::string_view typeName);
const ObjectKind *kindByCode(uint32_t code);
// The kind a file of this extension (with its dot, any case) is in this
// category's folder: ".gif" is FGIF among pictures, AGIF among animations.
const ObjectKind *kindByExtension(Category category, std::string_view extension);
// Whether objects of the kind can live in the category: pictures also in
// PHOTO, calendars in VEVENT and VTODO.
bool fitsCategory(const ObjectKind &kind, Category category);
// Where an uploaded object goes: a calendar that holds a to-do is VTODO.
Category categoryFor(const ObjectKind &kind, std::string_view data);

struct StoredObject {
    Category category = Category::Pictures;
    std::u16string name; // the phone's own name; empty: the store picks one
    std::u16string title;
    std::string typeName;
    bool hidden = false;
    std::shared_ptr<const std::string> data = std::make_shared<const std::string>();

    size_t size() const { return data ? data->size() : 0; }
};

class ObjectStore {
public:
    // In memory only.
    explicit ObjectStore(uint64_t limit);
    // Backed by a folder, created when missing; loads what it holds. Throws
    // std::runtime_error when the folder cannot be made or read.
    ObjectStore(std::string directory, uint64_t limit);

    uint64_t limit() const { return limit_; }
    uint64_t used() const { return used_; }
    // Never negative: objects loaded from a folder may exceed the limit.
    uint64_t freeBytes() const { return used_ < limit_ ? limit_ - used_ : 0; }
    const std::string &directory() const { return directory_; }

    // Adds the object as it is, naming it when it has no name, and answers
    // its name. The limit is the caller's business (a phone checks before it
    // accepts, a preload may overfill). Throws std::invalid_argument for a
    // taken name, a type the phone does not store or one out of its
    // category, and std::runtime_error when the folder cannot be written.
    std::u16string add(StoredObject object);
    const StoredObject *find(std::u16string_view name) const;
    // False when there is no such object.
    bool remove(std::u16string_view name);
    // In the order they were added.
    std::vector<const StoredObject *> list(Category category) const;
    const std::vector<StoredObject> &objects() const { return objects_; }

private:
    void load();
    void adoptLooseFiles();
    std::u16string insert(StoredObject object, std::string file, bool write);
    std::u16string newName(Category category);
    bool fileTaken(Category category, std::string_view file) const;
    std::string newFileName(const StoredObject &object) const;
    void writeIndex() const;

    uint64_t limit_;
    uint64_t used_ = 0;
    unsigned counter_ = 0;
    std::string directory_;
    std::vector<StoredObject> objects_;
    std::vector<std::string> files_; // per object, its file in a folder store
};

// Text forms the phone's strings take.
std::string hexUcs2(std::u16string_view text);                    // "Ab" -> "00410062"
std::optional<std::u16string> fromHexUcs2(std::string_view hex); // whole groups of 4 digits, any case
std::u16string fromUtf8(std::string_view text);                   // bad sequences become U+FFFD
std::string toUtf8(std::u16string_view text);
std::string toUtf16Le(std::u16string_view text);
std::u16string fromUtf16Le(std::string_view bytes); // an odd last byte is dropped
std::u16string fromWindows1252(std::string_view bytes);

// The format tag of a RIFF WAVE image's fmt chunk; nullopt when there is none.
std::optional<uint16_t> wavFormatTag(std::string_view image);
// The tag of the phone's own 4-bit ADPCM.
inline constexpr uint16_t kPhoneAdpcmTag = 0x0101;

} // namespace phonesim
