// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "shade_image.h"

#include <QPalette>

#include <algorithm>

namespace quillora {
namespace {

// rand()-style generator: 0..32767, repeatable from a seed on any platform.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    int next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fff);
    }

private:
    std::uint32_t state_;
};

int mixChannel(int from, int to, int step, int steps) { return ((steps - step) * from + step * to) / steps; }

QColor mix(const QColor& from, const QColor& to, int step)
{
    return QColor(mixChannel(from.red(), to.red(), step, 128), mixChannel(from.green(), to.green(), step, 128),
                  mixChannel(from.blue(), to.blue(), step, 128));
}

// (v − 127)³ / 16384 for v in 0..255: about ±127, flat in the middle.
int bump(int v)
{
    const int c = v - 127;
    return c * c * c / 16384;
}

} // namespace

ShadePalette shadePalette(const QPalette& palette)
{
    return {palette.color(QPalette::Dark), palette.color(QPalette::Button), palette.color(QPalette::Light)};
}

QColor blendColor(const QColor& c, const QColor& toward, int percent)
{
    const int p = std::clamp(percent, 0, 100);
    auto channel = [p](int a, int b) { return (a * (100 - p) + b * p) / 100; };
    return QColor(channel(c.red(), toward.red()), channel(c.green(), toward.green()),
                  channel(c.blue(), toward.blue()));
}

QList<QRgb> shadeColorTable(const ShadePalette& palette, int colouringPercent, const QColor& colour)
{
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i) {
        const QColor c = i < 128 ? mix(palette.shadow, palette.face, i) : mix(palette.face, palette.light, i - 128);
        table[i] = blendColor(c, colour, colouringPercent).rgb();
    }
    return table;
}

QImage makeShade(QSize size, int granularity, int colouringPercent, const QColor& colour, const ShadePalette& palette,
                 std::uint32_t seed)
{
    const int w = std::max(size.width(), 1), h = std::max(size.height(), 1);
    // Beyond 127 the bump would turn over and the noise divisor reach zero.
    const int g = std::clamp(granularity, 0, 127);
    const int noiseDivisor = g == 0 ? 32767 : 32767 / (2 * g);
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorTable(shadeColorTable(palette, colouringPercent, colour));
    Noise noise(seed);
    for (int y = 0; y < h; ++y) {
        const int ky = bump(255 * y / h);
        uchar* row = image.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int kx = bump(255 * (w - x) / w);
            int v = std::clamp((kx + ky) * (128 - g) / 128 + 128, g, 255 - g);
            v += noise.next() / noiseDivisor - g;
            row[x] = static_cast<uchar>(std::clamp(v, 0, 255));
        }
    }
    return image;
}

QImage blendedShade(const QImage& shade, const QColor& toward, int percent)
{
    QImage copy = shade.copy();
    QList<QRgb> table = copy.colorTable();
    for (QRgb& c : table)
        c = blendColor(QColor(c), toward, percent).rgb();
    copy.setColorTable(table);
    return copy;
}

} // namespace quillora
