// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "image_effects.h"

#include <algorithm>

namespace quillora {
namespace {

template <typename PixelFn>
QImage mapPixels(const QImage& image, PixelFn fn)
{
    // Non-premultiplied, so that the channels are the colour itself.
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = fn(row[x]);
    }
    return out;
}

} // namespace

QImage greyImage(const QImage& image)
{
    return mapPixels(image, [](QRgb p) {
        const int g = (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p) + 500) / 1000;
        return qRgba(g, g, g, qAlpha(p));
    });
}

QImage darkerImage(const QImage& image)
{
    return mapPixels(image, [](QRgb p) { return qRgba(qRed(p) / 4, qGreen(p) / 4, qBlue(p) / 4, qAlpha(p)); });
}

QColor shiftedColor(const QColor& color, int offset)
{
    const int r = color.red(), g = color.green(), b = color.blue();
    if (offset > 0)
        offset = std::min(offset, 255 - std::max({r, g, b}));
    else
        offset = std::max(offset, -std::min({r, g, b}));
    return QColor(r + offset, g + offset, b + offset, color.alpha());
}

} // namespace quillora
