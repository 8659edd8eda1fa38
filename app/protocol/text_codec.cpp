// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "text_codec.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>

namespace quillora {

namespace {

// Bytes a UTF-8 sequence with this lead byte claims; 1 for a stray byte, so
// that a bad sequence is replaced one byte at a time.
size_t utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

// Converts with glibc's iconv; where the input holds something the target
// cannot express (or malformed input), writes `replacement` and steps over
// one input character of `unit` bytes (or one UTF-8 sequence).
std::string convert(const char *to, const char *from, std::string_view input, std::string_view replacement,
                    size_t unit, bool utf8Input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(input.size() / unit, '?');
    std::string out;
    char buffer[512];
    char *in = const_cast<char *>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char *next = buffer;
        size_t room = sizeof buffer;
        const size_t done = iconv(cd, &in, &inLeft, &next, &room);
        out.append(buffer, static_cast<size_t>(next - buffer));
        if (done != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ: a character without a mapping; EINVAL: cut off at the end.
        size_t step = std::min(unit, inLeft);
        if (utf8Input) {
            // The lead byte and the continuation bytes that follow it, no more:
            // a cut sequence must not swallow the next character.
            const size_t claimed = utf8SequenceLength(static_cast<unsigned char>(*in));
            while (step < claimed && step < inLeft && (static_cast<unsigned char>(in[step]) & 0xC0) == 0x80)
                ++step;
        }
        out += replacement;
        in += step;
        inLeft -= step;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string ToCodePage(std::string_view utf8)
{
    return convert("WINDOWS-1252", "UTF-8", utf8, "?", 1, true);
}

std::string FromCodePage(std::string_view bytes)
{
    return convert("UTF-8", "WINDOWS-1252", bytes, "?", 1, false);
}

std::u16string DecodeHexText(std::string_view hex)
{
    std::u16string out;
    for (size_t pos = hex.size() % 4; pos + 4 <= hex.size(); pos += 4) {
        unsigned value = 0;
        for (size_t i = 0; i < 4; ++i) {
            const int digit = hexValue(hex[pos + i]);
            if (digit < 0)
                return out;
            value = value << 4 | static_cast<unsigned>(digit);
        }
        out += static_cast<char16_t>(value);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    static_assert(std::endian::native == std::endian::little, "the UTF-16 text is handed to iconv as UTF-16LE");
    const std::string_view bytes(reinterpret_cast<const char *>(text.data()), text.size() * sizeof(char16_t));
    return convert("UTF-8", "UTF-16LE", bytes, "\xEF\xBF\xBD", 2, false);
}

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    const std::string bytes = convert("UTF-16LE", "UTF-8", utf8, "\xFD\xFF", 1, true);
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return out;
}

} // namespace quillora
