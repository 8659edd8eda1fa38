// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The generated backgrounds of the shaded buttons: 8-bit indexed images
// whose 256 colours run from the button's shadow through its face to its
// light colour, tinted toward a chosen colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>

#include <cstdint>

class QPalette;

namespace quillora {

struct ShadePalette {
    QColor shadow;
    QColor face;
    QColor light;
};

// The button colours of a widget palette (dark, button, light).
ShadePalette shadePalette(const QPalette& palette);

// c × (100 − percent) / 100 + toward × percent / 100, per channel.
QColor blendColor(const QColor& c, const QColor& toward, int percent);

// Entries 0..128 from shadow to face, 128..255 from face toward light, each
// blended toward `colour` by `colouringPercent`.
QList<QRgb> shadeColorTable(const ShadePalette& palette, int colouringPercent, const QColor& colour);

// The soft bump: dark toward the top right, light toward the bottom left,
// kept `granularity` away from both ends of the palette and roughened by up
// to ± granularity of noise. The same seed gives the same image.
QImage makeShade(QSize size, int granularity, int colouringPercent, const QColor& colour, const ShadePalette& palette,
                 std::uint32_t seed);

// A copy of a shade whose colours are blended toward `toward` by `percent`:
// the hover picture.
QImage blendedShade(const QImage& shade, const QColor& toward, int percent);

} // namespace quillora
