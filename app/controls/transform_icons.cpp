// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "transform_icons.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quillora {
namespace {

const char* resourceName(TransformIcon which)
{
    switch (which) {
    case TransformIcon::FlipHorizontal: return "transform_flip_horizontal";
    case TransformIcon::RotateLeft: return "transform_rotate_left";
    case TransformIcon::RotateRight: return "transform_rotate_right";
    case TransformIcon::FlipVertical: return "transform_flip_vertical";
    case TransformIcon::Greyscale: return "transform_greyscale";
    }
    return "";
}

// Drawn here rather than by QIcon's SVG engine, a plugin an installation
// may lack.
QPixmap render(QSvgRenderer& renderer, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QIcon transformIcon(TransformIcon which)
{
    QSvgRenderer renderer(QStringLiteral(":/quillora/images/%1.svg").arg(QLatin1String(resourceName(which))));
    if (!renderer.isValid())
        return QIcon();
    QIcon icon;
    // The larger size serves screens scaled to 200 %.
    for (int side : {16, 32})
        icon.addPixmap(render(renderer, side));
    return icon;
}

} // namespace quillora
