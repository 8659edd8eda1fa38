// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The program's own version block: the file version in two 32-bit words,
// the file flags, and the string values (CompanyShortName, CompanyName,
// PrivateBuild, ...). The build fills it from the project's version.
#pragma once

#include <QMap>
#include <QString>

#include <cstdint>

namespace quillora {

struct VersionInfo {
    static constexpr std::uint32_t kPreRelease = 0x2;
    static constexpr std::uint32_t kPrivateBuild = 0x8;

    std::uint32_t fileVersionMS = 0; // major << 16 | minor
    std::uint32_t fileVersionLS = 0; // patch << 16 | tweak
    std::uint32_t fileFlags = 0;
    std::uint32_t translationValue = 0x040904b0; // US English, UTF-16
    QMap<QString, QString> strings;

    // This build's block.
    static VersionInfo current();

    std::uint32_t translation() const { return translationValue; }
    QString stringValue(const QString& key) const { return strings.value(key); }
    QString privateBuild() const { return stringValue(QStringLiteral("PrivateBuild")); }

    // "7.09"; "7.09.0003" for a pre-release; the private-build text after a
    // blank when the private-build flag is set.
    QString versionText() const;
};

} // namespace quillora
