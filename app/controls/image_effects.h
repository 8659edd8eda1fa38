// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Pixel work of the image buttons: the grey and darkened copies of an icon
// shown while the mouse is elsewhere, and colour offsets.
#pragma once

#include <QColor>
#include <QImage>

namespace quillora {

// Every pixel as grey 0.299 R + 0.587 G + 0.114 B; alpha is kept, so
// transparent parts stay transparent. The result is ARGB32.
QImage greyImage(const QImage& image);
// Every colour channel times 0.25; alpha kept.
QImage darkerImage(const QImage& image);
// The same offset added to red, green and blue, reduced as far as needed
// for no channel to leave 0..255: the hue survives, unlike a clamp.
QColor shiftedColor(const QColor& color, int offset);

} // namespace quillora
