// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "version_info.h"

#include "build_version.h"

namespace quillora {

VersionInfo VersionInfo::current()
{
    VersionInfo v;
    v.fileVersionMS = (QUILLORA_VERSION_MAJOR << 16) | QUILLORA_VERSION_MINOR;
    v.fileVersionLS = (QUILLORA_VERSION_PATCH << 16) | QUILLORA_VERSION_TWEAK;
    v.fileFlags = QUILLORA_FILE_FLAGS;
    v.strings.insert(QStringLiteral("CompanyShortName"), QStringLiteral(QUILLORA_COMPANY_SHORT_NAME));
    v.strings.insert(QStringLiteral("CompanyName"), QStringLiteral(QUILLORA_COMPANY_NAME));
    v.strings.insert(QStringLiteral("ProductName"), QStringLiteral("Quillora"));
    v.strings.insert(QStringLiteral("FileVersion"), QStringLiteral(QUILLORA_VERSION_STRING));
    if (QUILLORA_FILE_FLAGS & kPrivateBuild)
        v.strings.insert(QStringLiteral("PrivateBuild"), QStringLiteral(QUILLORA_PRIVATE_BUILD));
    return v;
}

QString VersionInfo::versionText() const
{
    const unsigned major = fileVersionMS >> 16;
    const unsigned minor = fileVersionMS & 0xffff;
    QString text = QStringLiteral("%1.%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
    if (fileFlags & kPreRelease)
        text += QStringLiteral(".%1").arg(fileVersionLS >> 16, 4, 10, QLatin1Char('0'));
    if (fileFlags & kPrivateBuild)
        text += u' ' + privateBuild();
    return text;
}

} // namespace quillora
