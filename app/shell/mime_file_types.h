// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// File type names and icons from the desktop's shared MIME database, as the
// file manager shows them.
#pragma once

#include "object_types.h"

#include <QString>

namespace quillora {

// The object type of a file by its extension; kNoObjectType when the type
// table has no row for it (or the name has no extension).
ObjectType TypeOfFile(const QString& path);

class MimeFileTypeNames final : public FileTypeNames {
public:
    // The MIME type's comment in the current locale ("JPEG image"); "" for an
    // extension the database does not know.
    std::string describe(std::string_view extension) const override;
    // The type's icon name, else its generic one; "" for an unknown extension,
    // so the caller shows its own icon rather than the "unknown file" one.
    std::string iconName(std::string_view extension) const override;
};

} // namespace quillora
