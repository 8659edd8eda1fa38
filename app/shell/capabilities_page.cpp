// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "capabilities_page.h"

#include "capabilities.h"
#include "ui_strings.h"

#include <QFile>

namespace quillora {

QString CapabilitiesPage(std::string_view argument)
{
    QFile file(QStringLiteral(":/html/capabilities.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pageTemplate = file.readAll();
    const std::string page = FillCapabilitiesPage(
        std::string_view(pageTemplate.constData(), static_cast<size_t>(pageTemplate.size())), argument,
        [](std::string_view id) { return LoadUiText(std::string(id).c_str()).toStdString(); });
    return QString::fromStdString(page);
}

} // namespace quillora
