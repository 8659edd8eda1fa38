// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Build tool: draws an SVG as PNG files of the given sizes.
// Usage: render_icon_pngs <in.svg> <out-prefix> <size>...  (writes
// <out-prefix>-<size>.png)
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <in.svg> <out-prefix> <size>...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString out = QStringLiteral("%1-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (size <= 0 || !image.save(out)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(out));
            return 1;
        }
    }
    return 0;
}
