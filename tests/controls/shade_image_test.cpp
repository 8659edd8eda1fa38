// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "image_effects.h"
#include "shade_image.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace quillora;

namespace {

struct PixelRow {
    const char* name;
    QImage::Format format;
    QRgb in;
    QRgb grey;
    QRgb darker;
};

class PixelEffects : public testing::TestWithParam<PixelRow> {};

TEST_P(PixelEffects, GreyAndDarkerCopies)
{
    const PixelRow& row = GetParam();
    QImage image(2, 1, row.format);
    image.setPixel(0, 0, row.in);
    image.setPixel(1, 0, row.in);
    EXPECT_EQ(greyImage(image).pixel(1, 0), row.grey);
    EXPECT_EQ(darkerImage(image).pixel(1, 0), row.darker);
}

INSTANTIATE_TEST_SUITE_P(Rows, PixelEffects, testing::Values(
    PixelRow{"red", QImage::Format_ARGB32, qRgba(255, 0, 0, 255), qRgba(76, 76, 76, 255), qRgba(63, 0, 0, 255)},
    PixelRow{"green", QImage::Format_ARGB32, qRgba(0, 255, 0, 255), qRgba(150, 150, 150, 255), qRgba(0, 63, 0, 255)},
    PixelRow{"blue", QImage::Format_RGB32, qRgb(0, 0, 255), qRgb(29, 29, 29), qRgb(0, 0, 63)},
    PixelRow{"white", QImage::Format_ARGB32, qRgba(255, 255, 255, 255), qRgba(255, 255, 255, 255), qRgba(63, 63, 63, 255)},
    PixelRow{"transparent stays so", QImage::Format_ARGB32, qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 0)},
    PixelRow{"half alpha kept", QImage::Format_ARGB32, qRgba(200, 100, 50, 128), qRgba(124, 124, 124, 128), qRgba(50, 25, 12, 128)},
    // Stored premultiplied (250 at 20 %): greyed as its real colour.
    PixelRow{"premultiplied input", QImage::Format_ARGB32_Premultiplied, qRgba(50, 50, 50, 51),
             qRgba(250, 250, 250, 51), qRgba(62, 62, 62, 51)}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

struct OffsetRow {
    QColor in;
    int offset;
    QColor out;
};

class ColorOffsets : public testing::TestWithParam<OffsetRow> {};

TEST_P(ColorOffsets, OffsetReducedToKeepTheHue)
{
    EXPECT_EQ(shiftedColor(GetParam().in, GetParam().offset), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorOffsets, testing::Values(
    OffsetRow{QColor(100, 150, 200), 30, QColor(130, 180, 230)},
    OffsetRow{QColor(239, 239, 239), 30, QColor(255, 255, 255)},
    OffsetRow{QColor(200, 100, 50), 80, QColor(255, 155, 105)},
    OffsetRow{QColor(20, 100, 200), -50, QColor(0, 80, 180)},
    OffsetRow{QColor(255, 0, 128), 10, QColor(255, 0, 128)},
    OffsetRow{QColor(10, 20, 30, 100), 5, QColor(15, 25, 35, 100)}));

const ShadePalette kPalette{QColor(160, 160, 160), QColor(240, 240, 240), QColor(255, 255, 255)};

TEST(ShadeColors, RunFromShadowThroughFaceTowardLight)
{
    const QList<QRgb> plain = shadeColorTable(kPalette, 0, Qt::red);
    ASSERT_EQ(plain.size(), 256);
    EXPECT_EQ(plain[0], kPalette.shadow.rgb());
    EXPECT_EQ(plain[64], qRgb(200, 200, 200));
    EXPECT_EQ(plain[128], kPalette.face.rgb());
    EXPECT_EQ(plain[255], qRgb(254, 254, 254)) << "127/128 of the way to the light colour";

    const QList<QRgb> full = shadeColorTable(kPalette, 100, QColor(192, 220, 255));
    EXPECT_EQ(full.count(qRgb(192, 220, 255)), 256) << "colouring 100 % leaves only the colour";
    const QList<QRgb> half = shadeColorTable(kPalette, 50, QColor(192, 220, 255));
    EXPECT_EQ(half[0], qRgb(176, 190, 207));
}

QImage shade(QSize size, int granularity, std::uint32_t seed = 1)
{
    return makeShade(size, granularity, 0, Qt::black, kPalette, seed);
}

double blockMean(const QImage& image, const QRect& block)
{
    double sum = 0;
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x)
            sum += image.pixelIndex(x, y);
    return sum / (block.width() * block.height());
}

TEST(SoftBump, IndexedImageOfTheButtonSize)
{
    const QImage image = shade(QSize(90, 40), 8);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.size(), QSize(90, 40));
    EXPECT_EQ(image.colorCount(), 256);
}

class SoftBumpCorners : public testing::TestWithParam<int> {};

// The corners sit at the clamp, granularity from each end, plus up to
// ± granularity of noise.
TEST_P(SoftBumpCorners, DarkTopRightLightBottomLeft)
{
    const int g = GetParam();
    const QImage image = shade(QSize(64, 32), g);
    EXPECT_LE(image.pixelIndex(63, 0), 2 * g + 1);
    EXPECT_GE(image.pixelIndex(63, 0), 0);
    EXPECT_GE(image.pixelIndex(0, 31), 255 - 2 * g - 1);
}

INSTANTIATE_TEST_SUITE_P(Granularities, SoftBumpCorners, testing::Values(0, 1, 8, 30));

TEST(SoftBump, LighterDownwardAndTowardTheLeft)
{
    const QImage image = shade(QSize(64, 64), 8, 7);
    double previous = -1;
    for (int band = 0; band < 4; ++band) {
        const double mean = blockMean(image, QRect(0, band * 16, 64, 16));
        EXPECT_GT(mean, previous) << "row band " << band;
        previous = mean;
    }
    previous = 256;
    for (int band = 0; band < 4; ++band) {
        const double mean = blockMean(image, QRect(band * 16, 0, 16, 64));
        EXPECT_LT(mean, previous) << "column band " << band;
        previous = mean;
    }
}

TEST(SoftBump, TheSeedDecidesTheGrain)
{
    EXPECT_EQ(shade(QSize(30, 20), 8, 42), shade(QSize(30, 20), 8, 42));
    EXPECT_NE(shade(QSize(30, 20), 8, 42), shade(QSize(30, 20), 8, 43));
    // Beyond the usable range the granularity is limited, not divided by zero.
    EXPECT_EQ(shade(QSize(8, 8), 20000, 1), shade(QSize(8, 8), 127, 1));
}

TEST(HoverShade, SamePixelsPaletteTowardTheLight)
{
    const QImage normal = makeShade(QSize(20, 10), 8, 50, QColor(192, 220, 255), kPalette, 3);
    const QImage hover = blendedShade(normal, QColor(255, 255, 255), 50);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(hover.pixelIndex(x, y), normal.pixelIndex(x, y));
    for (int i : {0, 128, 255})
        EXPECT_EQ(hover.color(i), blendColor(QColor(normal.color(i)), Qt::white, 50).rgb()) << i;
    EXPECT_NE(hover.color(0), normal.color(0));
}

} // namespace
