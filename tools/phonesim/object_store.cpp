// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "object_store.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace phonesim {

namespace fs = std::filesystem;

namespace {

struct CategoryName {
    Category category;
    std::string_view keyword;
    std::string_view namePrefix; // of the names the phone gives its objects
};
constexpr CategoryName kCategoryNames[] = {
    {Category::Photo, "PHOTO", "Photo"},   {Category::Pictures, "PICTURES", "Pic"},
    {Category::Animations, "ANIMATIONS", "Anim"}, {Category::Sounds, "SOUNDS", "Snd"},
    {Category::VCards, "VCARDS", "Card"},  {Category::VEvent, "VEVENT", "Event"},
    {Category::VTodo, "VTODO", "Todo"},
};

// The phone's side of the PC's type table: the same names and numbers, the
// first extension of each, and the category it files them in. Types the
// phone does not store (applications, MMS, vCalendar lists) are missing, so
// +KPSW refuses them.
constexpr ObjectKind kKinds[] = {
    {"WAV", 1, ".wav", Category::Sounds},          {"MIDI", 2, ".mid", Category::Sounds},
    {"IMEL", 4, ".imy", Category::Sounds},         {"AMR", 14, ".amr", Category::Sounds},
    {"QVX1", 5, ".qvx1", Category::Sounds},        {"QVX2", 6, ".qvx2", Category::Sounds},
    {"MP3", 3, ".mp3", Category::Sounds},          {"MFI", 15, ".mld", Category::Sounds},
    {"AAC", 17, ".aac", Category::Sounds},         {"AWB", 18, ".awb", Category::Sounds},
    {"MFMP", 8, ".mfm", Category::Sounds},         {"MP4", 7, ".mp4", Category::Sounds},
    {"BMP", 102, ".bmp", Category::Pictures},      {"JPEG", 104, ".jpg", Category::Pictures},
    {"FGIF", 105, ".gif", Category::Pictures},     {"PNG", 103, ".png", Category::Pictures},
    {"WBMP", 101, ".wbmp", Category::Pictures},    {"EMSG", 109, ".ems_gr", Category::Pictures},
    {"TIFF", 106, ".tif", Category::Pictures},     {"PICT", 107, ".pct", Category::Pictures},
    {"EPS", 108, ".eps", Category::Pictures},      {"AGIF", 201, ".gif", Category::Animations},
    {"EMSA", 205, ".ems_an", Category::Animations}, {"ZQ1", 203, ".zq1", Category::Animations},
    {"MNG", 202, ".mng", Category::Animations},    {"SSA", 206, ".ssa", Category::Animations},
    {"ZQ2", 204, ".zq2", Category::Animations},    {"MJPEG", 207, ".mjpg", Category::Animations},
    {"AVI", 231, ".avi", Category::Animations},    {"MPG4", 232, ".mp4", Category::Animations},
    {"3GPP", 233, ".3gp", Category::Animations},   {"MPG", 234, ".mpg", Category::Animations},
    {"SVG", 301, ".svg", Category::Animations},    {"VCRD", 220, ".vcf", Category::VCards},
    {"VCAL", 221, ".vcs", Category::VEvent},
};

const std::string kIndexName = "index.txt";

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

const CategoryName &nameOf(Category category)
{
    return kCategoryNames[static_cast<size_t>(category)];
}

std::string folderOf(Category category)
{
    return lowered(keywordOf(category));
}

// The fields of one index line, split at tabs.
std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        out.push_back(field);
    return out;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Through a temporary and a rename, so a phone stopped half-way never leaves
// a cut file or index behind.
void writeFile(const fs::path &path, std::string_view bytes)
{
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + temporary.string());
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error)
        throw std::runtime_error("cannot write " + path.string() + ": " + error.message());
}

bool plainName(std::u16string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char16_t c) {
        return c < 0x80 && (std::isalnum(static_cast<int>(c)) || c == '_' || c == '-');
    });
}

uint32_t getLe(std::string_view bytes, size_t at, size_t width)
{
    uint32_t value = 0;
    for (size_t i = width; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string &out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

} // namespace

std::string_view keywordOf(Category category)
{
    return nameOf(category).keyword;
}

std::optional<Category> categoryFromKeyword(std::string_view keyword)
{
    for (const CategoryName &c : kCategoryNames)
        if (c.keyword == keyword)
            return c.category;
    return std::nullopt;
}

const ObjectKind *kindByName(std::string_view typeName)
{
    for (const ObjectKind &kind : kKinds)
        if (kind.typeName == typeName)
            return &kind;
    return nullptr;
}

const ObjectKind *kindByCode(uint32_t code)
{
    for (const ObjectKind &kind : kKinds)
        if (kind.code == code)
            return &kind;
    return nullptr;
}

const ObjectKind *kindByExtension(Category category, std::string_view extension)
{
    const std::string ext = lowered(extension);
    for (const ObjectKind &kind : kKinds)
        if (kind.extension == ext && fitsCategory(kind, category))
            return &kind;
    return nullptr;
}

bool fitsCategory(const ObjectKind &kind, Category category)
{
    if (kind.category == category)
        return true;
    if (kind.category == Category::Pictures)
        return category == Category::Photo;
    return kind.category == Category::VEvent && category == Category::VTodo;
}

Category categoryFor(const ObjectKind &kind, std::string_view data)
{
    if (kind.category == Category::VEvent && data.find("BEGIN:VTODO") != std::string_view::npos &&
        data.find("BEGIN:VEVENT") == std::string_view::npos)
        return Category::VTodo;
    return kind.category;
}

// --- ObjectStore ---

ObjectStore::ObjectStore(uint64_t limit) : limit_(limit) {}

ObjectStore::ObjectStore(std::string directory, uint64_t limit) : limit_(limit), directory_(std::move(directory))
{
    std::error_code error;
    for (Category category : kAllCategories) {
        fs::create_directories(fs::path(directory_) / folderOf(category), error);
        if (error)
            throw std::runtime_error("cannot make the store folder " + directory_ + ": " + error.message());
    }
    load();
    adoptLooseFiles();
}

void ObjectStore::load()
{
    const fs::path index = fs::path(directory_) / kIndexName;
    if (!fs::exists(index))
        return;
    std::istringstream lines(readFile(index));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto f = fields(line);
        const auto category = f.size() == 6 ? categoryFromKeyword(f[0]) : std::nullopt;
        const auto name = category ? fromHexUcs2(f[1]) : std::nullopt;
        const auto title = name ? fromHexUcs2(f[4]) : std::nullopt;
        if (!title || name->empty() || (f[3] != "0" && f[3] != "1") || f[5].empty() ||
            f[5].find('/') != std::string::npos)
            throw std::runtime_error("bad line in " + index.string() + ": " + line);
        StoredObject object{*category, *name, *title, f[2], f[3] == "1",
                            std::make_shared<const std::string>(
                                readFile(fs::path(directory_) / folderOf(*category) / f[5]))};
        try {
            insert(std::move(object), f[5], false);
        } catch (const std::invalid_argument &e) {
            throw std::runtime_error(index.string() + ": " + e.what());
        }
    }
}

// Files put in a category folder by hand become objects; they keep their
// file, the index gains a line for each.
void ObjectStore::adoptLooseFiles()
{
    bool adopted = false;
    for (Category category : kAllCategories) {
        std::vector<fs::path> loose;
        for (const auto &entry : fs::directory_iterator(fs::path(directory_) / folderOf(category))) {
            const std::string file = entry.path().filename().string();
            if (entry.is_regular_file() && !fileTaken(category, file) &&
                kindByExtension(category, entry.path().extension().string()))
                loose.push_back(entry.path());
        }
        std::sort(loose.begin(), loose.end()); // the directory's order is no order
        for (const fs::path &path : loose) {
            const ObjectKind *kind = kindByExtension(category, path.extension().string());
            insert({category, {}, fromUtf8(path.stem().string()), std::string(kind->typeName), false,
                    std::make_shared<const std::string>(readFile(path))},
                   path.filename().string(), false);
            adopted = true;
        }
    }
    if (adopted)
        writeIndex();
}

std::u16string ObjectStore::newName(Category category)
{
    for (;;) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%04u", ++counter_);
        const std::u16string name = fromUtf8(std::string(nameOf(category).namePrefix) + digits);
        if (!find(name))
            return name;
    }
}

bool ObjectStore::fileTaken(Category category, std::string_view file) const
{
    for (size_t i = 0; i < objects_.size(); ++i)
        if (objects_[i].category == category && files_[i] == file)
            return true;
    return false;
}

// Plain names make plain file names; anything else goes by its hex form.
std::string ObjectStore::newFileName(const StoredObject &object) const
{
    const std::string stem = plainName(object.name) ? toUtf8(object.name) : hexUcs2(object.name);
    const std::string extension(kindByName(object.typeName)->extension);
    std::string file = stem + extension;
    for (int n = 2; fileTaken(object.category, file); ++n)
        file = stem + "~" + std::to_string(n) + extension;
    return file;
}

std::u16string ObjectStore::add(StoredObject object)
{
    return insert(std::move(object), {}, true);
}

std::u16string ObjectStore::insert(StoredObject object, std::string file, bool write)
{
    const ObjectKind *kind = kindByName(object.typeName);
    if (!kind)
        throw std::invalid_argument("the phone stores no objects of type '" + object.typeName + "'");
    if (!fitsCategory(*kind, object.category))
        throw std::invalid_argument(object.typeName + " objects do not go in " +
                                    std::string(keywordOf(object.category)));
    if (object.name.empty())
        object.name = newName(object.category);
    else if (find(object.name))
        throw std::invalid_argument("an object named '" + toUtf8(object.name) + "' is already there");
    if (!object.data)
        object.data = std::make_shared<const std::string>();
    if (file.empty())
        file = newFileName(object);
    if (!directory_.empty() && write)
        writeFile(fs::path(directory_) / folderOf(object.category) / file, *object.data);
    objects_.push_back(object);
    files_.push_back(file);
    used_ += object.size();
    if (!directory_.empty() && write) {
        try {
            writeIndex();
        } catch (...) {
            used_ -= object.size();
            objects_.pop_back();
            files_.pop_back();
            throw;
        }
    }
    return object.name;
}

const StoredObject *ObjectStore::find(std::u16string_view name) const
{
    for (const StoredObject &object : objects_)
        if (object.name == name)
            return &object;
    return nullptr;
}

bool ObjectStore::remove(std::u16string_view name)
{
    const auto it =
        std::find_if(objects_.begin(), objects_.end(), [&](const StoredObject &o) { return o.name == name; });
    if (it == objects_.end())
        return false;
    const size_t at = static_cast<size_t>(it - objects_.begin());
    const fs::path path = directory_.empty() ? fs::path() : fs::path(directory_) / folderOf(it->category) / files_[at];
    used_ -= it->size();
    objects_.erase(it);
    files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(at));
    if (!directory_.empty()) {
        writeIndex();
        std::error_code ignored; // a file already gone is what was wanted
        fs::remove(path, ignored);
    }
    return true;
}

std::vector<const StoredObject *> ObjectStore::list(Category category) const
{
    std::vector<const StoredObject *> out;
    for (const StoredObject &object : objects_)
        if (object.category == category)
            out.push_back(&object);
    return out;
}

void ObjectStore::writeIndex() const
{
    std::string text = "# quillora-phonesim objects: category, name, type, hidden, title, file\n";
    for (size_t i = 0; i < objects_.size(); ++i) {
        const StoredObject &o = objects_[i];
        text += std::string(keywordOf(o.category)) + '\t' + hexUcs2(o.name) + '\t' + o.typeName + '\t' +
                (o.hidden ? "1" : "0") + '\t' + hexUcs2(o.title) + '\t' + files_[i] + '\n';
    }
    writeFile(fs::path(directory_) / kIndexName, text);
}

// --- text forms ---

std::string hexUcs2(std::u16string_view text)
{
    std::string out;
    char digits[8];
    for (char16_t c : text) {
        std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(c));
        out += digits;
    }
    return out;
}

std::optional<std::u16string> fromHexUcs2(std::string_view hex)
{
    if (hex.size() % 4 != 0)
        return std::nullopt;
    std::u16string out;
    for (size_t i = 0; i < hex.size(); i += 4) {
        unsigned value = 0;
        for (size_t j = i; j < i + 4; ++j) {
            const auto c = static_cast<unsigned char>(hex[j]);
            if (!std::isxdigit(c))
                return std::nullopt;
            value = value * 16 + (std::isdigit(c) ? c - '0' : std::toupper(c) - 'A' + 10);
        }
        out += static_cast<char16_t>(value);
    }
    return out;
}

std::u16string fromUtf8(std::string_view text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length =
            lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool good = length > 0 && i + length <= text.size();
        for (size_t k = 1; good && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            good = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are errors too.
        static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        good = good && c >= kLeast[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        appendUtf16(out, good ? c : U'\uFFFD');
        i += good ? length : 1;
    }
    return out;
}

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = U'\uFFFD';
        appendUtf8(out, c);
    }
    return out;
}

std::string toUtf16Le(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

std::u16string fromUtf16Le(std::string_view bytes)
{
    std::u16string out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        out += static_cast<char16_t>(getLe(bytes, i, 2));
    return out;
}

std::u16string fromWindows1252(std::string_view bytes)
{
    // 0x80..0x9F; the five holes of the code page keep their C1 value, as
    // Windows' own conversion does.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::u16string out;
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out += u >= 0x80 && u < 0xA0 ? kHigh[u - 0x80] : static_cast<char16_t>(u);
    }
    return out;
}

std::optional<uint16_t> wavFormatTag(std::string_view image)
{
    if (image.size() < 12 || image.substr(0, 4) != "RIFF" || image.substr(8, 4) != "WAVE")
        return std::nullopt;
    for (size_t at = 12; at + 8 <= image.size();) {
        const uint32_t size = getLe(image, at + 4, 4);
        if (image.substr(at, 4) == "fmt ")
            return size >= 2 && at + 10 <= image.size() ? std::optional<uint16_t>(getLe(image, at + 8, 2))
                                                        : std::nullopt;
        // Chunks are padded to an even size.
        const uint64_t next = at + 8 + static_cast<uint64_t>(size) + (size & 1);
        if (next > image.size())
            break;
        at = static_cast<size_t>(next);
    }
    return std::nullopt;
}

} // namespace phonesim
