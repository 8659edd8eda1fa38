// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The package a data phase of +KPSW and +KPSR carries from protocol 2.01 on:
// a head (remaining length, marker 01 00 01 00), then sections of a type, a
// kind and a length, all little-endian, with no padding. An upload sends the
// title (UTF-16LE), the object and an optional second part.
#pragma once

#include "object_types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillora {

enum class PackageSection : std::uint16_t { Title = 0, Object = 1, SecondPart = 2 };

inline constexpr std::uint32_t kPackageMarker = 0x00010001u;
inline constexpr size_t kPackageHeadSize = 8;
inline constexpr size_t kSectionHeadSize = 8;

// 24 + 2 x title characters + object (+ 8 + second part).
std::uint64_t PackageLength(size_t titleChars, size_t objectLength, std::optional<size_t> secondLength);

std::string PackageHead(std::uint32_t total);
std::string SectionHead(ObjectType type, PackageSection kind, size_t length);
std::string EncodeUtf16Le(std::u16string_view text);

struct PackageHeadFields {
    std::uint32_t remaining = 0;
    std::uint32_t marker = 0;
};
struct SectionHeadFields {
    std::uint16_t type = 0;
    std::uint16_t kind = 0;
    std::uint32_t length = 0;
};
// Both read exactly eight bytes.
PackageHeadFields ReadPackageHead(std::span<const std::uint8_t, kPackageHeadSize> bytes);
SectionHeadFields ReadSectionHead(std::span<const std::uint8_t, kSectionHeadSize> bytes);

} // namespace quillora
