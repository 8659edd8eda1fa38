// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "program_art.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quillora {
namespace {

// Rendered here rather than through QIcon's SVG engine, which is a plugin
// an installation may lack.
QPixmap render(const QString& path, QSize size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QPixmap();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon svgIcon(const char* name, std::initializer_list<int> sizes)
{
    const QString path = QStringLiteral(":/quillora/images/%1.svg").arg(QLatin1String(name));
    QIcon icon;
    for (int s : sizes)
        if (QPixmap p = render(path, QSize(s, s)); !p.isNull())
            icon.addPixmap(p);
    return icon;
}

} // namespace

QIcon applicationIcon()
{
    // The sizes the desktop asks for, drawn once at build time.
    QIcon icon;
    for (int s : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quillora/images/quillora-%1.png").arg(s), QSize(s, s));
    return icon;
}

QIcon settingsIcon() { return svgIcon("settings", {16, 24, 32, 48}); }
QIcon sendIcon() { return svgIcon("send", {16, 24, 32, 48}); }
QIcon receiveIcon() { return svgIcon("receive", {16, 24, 32, 48}); }
QIcon exitIcon() { return svgIcon("exit", {16, 24, 32, 48}); }

QPixmap welcomeBanner() { return render(QStringLiteral(":/quillora/images/welcome_banner.svg"), QSize(400, 60)); }

QUrl clickSoundUrl() { return QUrl(QStringLiteral("qrc:/quillora/sounds/click.wav")); }

} // namespace quillora
