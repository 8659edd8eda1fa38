// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Phone titles turned into file names. The phone lets a title hold anything,
// and a retrieval writes the object under its title: the stem must not climb
// out of the chosen folder, hide the file behind a leading dot, or pass the
// 255-byte limit of a Linux file name once its extension and a "[k]" suffix
// are added. All texts are UTF-8; plain functions, safe from any thread.
#pragma once

#include "object_types.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillora {

// NAME_MAX of the file systems we write to, in bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;
// Room kept for the listing's "[k]" suffix: "[2147483647]".
inline constexpr std::size_t kUniqueSuffixBytes = 12;

// The stem of a file name for `title`, at most `maxBytes` bytes of UTF-8:
// control characters, / \ : * ? " < > | become "_", trailing blanks go, a
// leading dot becomes "_", and a long title is cut at a character boundary.
// Empty when nothing usable is left (an empty title, ".", "..", only dots
// and blanks): the caller then names the object with DefaultStem. Broken
// UTF-8 reads as U+FFFD.
std::string SafeStem(std::string_view title, std::size_t maxBytes);

// The room a listed title may take so that title, "[k]" and the extension
// fit in one file name.
std::size_t ListedStemBytes(std::string_view extension);

// The name of an object whose title gave no stem: "Picture 3", "Sound 1",
// "vCalendar 2" (untranslated, like a file name the phone would make).
std::string DefaultStem(ObjectCategory category, int number);

// `title` (a listed one, or one the user typed) with the extension, made
// safe with SafeStem and cut so the whole name fits kMaxFileNameBytes; the
// extension is kept. An extension that is not a dot and 1 to 15 letters,
// digits or "_" is left out. Empty when the title gives no stem.
std::string FileNameFor(std::string_view title, std::string_view extension);

// folder + "/" + fileName, or empty when the name would not be a plain entry
// of the folder (empty, ".", "..", a "/" or NUL in it, longer than
// kMaxFileNameBytes) or the folder is empty. The last check before a file
// named after the phone's text is written.
std::string JoinInFolder(std::string_view folder, std::string_view fileName);

// Titles compare without regard to case: a simple one-to-one lower-casing of
// the Latin, Greek, Cyrillic and Armenian letters and the full-width Latin
// ones, the same in every locale (towlower would follow the process locale,
// which is "C" for the command line). Broken UTF-8 reads as U+FFFD.
std::string FoldTitleCase(std::string_view utf8);
bool SameTitle(std::string_view a, std::string_view b);

} // namespace quillora
