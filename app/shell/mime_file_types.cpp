// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "mime_file_types.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QMimeType>

#include <optional>

namespace quillora {
namespace {

// Only the name is looked at (MatchExtension): the object may not exist on
// disk yet, and reading a phone's file to guess its type is the protocol's
// business. A database that knows nothing answers application/octet-stream,
// its default, which says nothing about the extension.
std::optional<QMimeType> mimeTypeFor(std::string_view extension)
{
    if (extension.size() < 2 || extension.front() != '.')
        return std::nullopt;
    const QString name = QStringLiteral("x") +
                         QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size()));
    const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return std::nullopt;
    return type;
}

} // namespace

ObjectType TypeOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? kNoObjectType : TypeFromExtension((u'.' + suffix).toStdString());
}

std::string MimeFileTypeNames::describe(std::string_view extension) const
{
    const std::optional<QMimeType> type = mimeTypeFor(extension);
    return type ? type->comment().toStdString() : std::string();
}

std::string MimeFileTypeNames::iconName(std::string_view extension) const
{
    const std::optional<QMimeType> type = mimeTypeFor(extension);
    if (!type)
        return {};
    const QString icon = type->iconName();
    return (icon.isEmpty() ? type->genericIconName() : icon).toStdString();
}

} // namespace quillora
