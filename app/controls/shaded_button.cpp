// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "shaded_button.h"

#include "shade_image.h"

#include <QEvent>
#include <QPainter>
#include <QRandomGenerator>

namespace quillora {

ShadedButton::ShadedButton(QWidget* parent) : ImageButton(parent), seed_(QRandomGenerator::global()->generate()) {}

void ShadedButton::setShade(int type, int granularity, int highlightPercent, int colouringPercent, QColor colour)
{
    Q_UNUSED(type);
    shade_ = Shade{granularity, highlightPercent, colouringPercent, colour};
    regenerate();
}

void ShadedButton::regenerate()
{
    if (!shade_)
        return;
    const ShadePalette colours = shadePalette(palette());
    normal_ = makeShade(size(), shade_->granularity, shade_->colouringPercent, shade_->colour, colours, seed_);
    hover_ = blendedShade(normal_, colours.light, shade_->highlightPercent);
    update();
}

void ShadedButton::paintBackground(QPainter& painter)
{
    if (normal_.isNull()) {
        ImageButton::paintBackground(painter);
        return;
    }
    if (!isHovered()) {
        painter.drawImage(0, 0, normal_);
        return;
    }
    // The picture moves with the pressed content; the uncovered edge keeps
    // the picture's own top-left colour.
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    if (!shift.isNull())
        painter.fillRect(rect(), QColor(hover_.pixel(0, 0)));
    painter.drawImage(shift, hover_);
}

void ShadedButton::resizeEvent(QResizeEvent* event)
{
    ImageButton::resizeEvent(event);
    regenerate();
}

void ShadedButton::changeEvent(QEvent* event)
{
    ImageButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        regenerate();
}

} // namespace quillora
