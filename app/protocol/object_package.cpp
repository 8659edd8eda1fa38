// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "object_package.h"

namespace quillora {

namespace {

void put16(std::string &out, std::uint32_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}

void put32(std::string &out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::uint32_t get16(const std::uint8_t *p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t get32(const std::uint8_t *p)
{
    return get16(p) | get16(p + 2) << 16;
}

} // namespace

std::uint64_t PackageLength(size_t titleChars, size_t objectLength, std::optional<size_t> secondLength)
{
    std::uint64_t total = kPackageHeadSize + 2 * kSectionHeadSize + 2 * std::uint64_t{titleChars} + objectLength;
    if (secondLength)
        total += kSectionHeadSize + *secondLength;
    return total;
}

std::string PackageHead(std::uint32_t total)
{
    std::string out;
    put32(out, total - 4);
    put32(out, kPackageMarker);
    return out;
}

std::string SectionHead(ObjectType type, PackageSection kind, size_t length)
{
    std::string out;
    put16(out, type & 0xFFFF);
    put16(out, static_cast<std::uint32_t>(kind));
    put32(out, static_cast<std::uint32_t>(length));
    return out;
}

std::string EncodeUtf16Le(std::u16string_view text)
{
    std::string out;
    out.reserve(2 * text.size());
    for (char16_t c : text)
        put16(out, c);
    return out;
}

PackageHeadFields ReadPackageHead(std::span<const std::uint8_t, kPackageHeadSize> bytes)
{
    return {get32(bytes.data()), get32(bytes.data() + 4)};
}

SectionHeadFields ReadSectionHead(std::span<const std::uint8_t, kSectionHeadSize> bytes)
{
    return {static_cast<std::uint16_t>(get16(bytes.data())), static_cast<std::uint16_t>(get16(bytes.data() + 2)),
            get32(bytes.data() + 4)};
}

} // namespace quillora
