// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The three text forms the phone link uses besides our own UTF-8: the 8-bit
// code page of commands and capability lines (Windows-1252, the code page
// phones of this kind were written for), UCS-2 object names sent as
// hexadecimal digits, and UTF-16 for names on their way to file names.
#pragma once

#include <string>
#include <string_view>

namespace quillora {

// UTF-8 to Windows-1252; a character the code page lacks (or a byte that is
// not valid UTF-8) becomes "?".
std::string ToCodePage(std::string_view utf8);
// Windows-1252 to UTF-8; the five bytes the code page leaves undefined
// become "?".
std::string FromCodePage(std::string_view bytes);

// The phone's hexadecimal UCS-2: every group of four hexadecimal digits,
// most significant first, is one 16-bit character. Groups are taken from the
// end, so surplus leading digits are ignored; fewer than four digits give an
// empty text. A group holding anything but hexadecimal digits ends the text
// there (the phone never sends one; a corrupt reply must not become a name).
std::u16string DecodeHexText(std::string_view hex);
// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// UTF-8 to UTF-16 (titles sent to the phone); malformed input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

} // namespace quillora
