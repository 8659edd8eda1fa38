// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "transfer_animation.h"

#include <QPainter>
#include <QPainterPath>

namespace quillora {

namespace {

constexpr int kFrameMs = 60;

void drawComputer(QPainter& p, const QRectF& r, const QPalette& palette)
{
    p.setPen(QPen(palette.color(QPalette::WindowText), 1.5));
    p.setBrush(palette.color(QPalette::Base));
    const QRectF screen(r.left(), r.top(), r.width(), r.height() * 0.7);
    p.drawRoundedRect(screen, 2, 2);
    p.drawLine(QPointF(r.center().x(), screen.bottom()), QPointF(r.center().x(), r.bottom() - 2));
    p.drawLine(QPointF(r.left() + r.width() * 0.25, r.bottom() - 1), QPointF(r.right() - r.width() * 0.25, r.bottom() - 1));
}

void drawPhone(QPainter& p, const QRectF& r, const QPalette& palette)
{
    p.setPen(QPen(palette.color(QPalette::WindowText), 1.5));
    p.setBrush(palette.color(QPalette::Base));
    p.drawRoundedRect(r, 4, 4);
    p.setBrush(palette.color(QPalette::Highlight).lighter(160));
    p.drawRect(r.adjusted(3, 5, -3, -r.height() * 0.45));
}

void drawBin(QPainter& p, const QRectF& r, const QPalette& palette)
{
    p.setPen(QPen(palette.color(QPalette::WindowText), 1.5));
    p.setBrush(palette.color(QPalette::Base));
    QPainterPath body;
    body.moveTo(r.left() + 2, r.top() + 6);
    body.lineTo(r.right() - 2, r.top() + 6);
    body.lineTo(r.right() - 5, r.bottom());
    body.lineTo(r.left() + 5, r.bottom());
    body.closeSubpath();
    p.drawPath(body);
    p.drawLine(QPointF(r.left(), r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void drawPage(QPainter& p, QPointF centre, const QPalette& palette, qreal opacity)
{
    p.setOpacity(opacity);
    p.setPen(QPen(palette.color(QPalette::Highlight).darker(130), 1));
    p.setBrush(palette.color(QPalette::Highlight));
    p.drawRect(QRectF(centre.x() - 6, centre.y() - 8, 12, 16));
    p.setOpacity(1.0);
}

} // namespace

TransferAnimation::TransferAnimation(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind)
{
    setMinimumSize(sizeHint());
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kFrames;
        update();
    });
}

void TransferAnimation::showEvent(QShowEvent* event)
{
    timer_.start();
    QWidget::showEvent(event);
}

void TransferAnimation::hideEvent(QHideEvent* event)
{
    timer_.stop();
    QWidget::hideEvent(event);
}

void TransferAnimation::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(8, 4, -8, -4);
    const qreal h = area.height();
    const QRectF left(area.left(), area.top(), h * 1.2, h);
    const QRectF right(area.right() - h * 0.6, area.top(), h * 0.6, h);
    drawComputer(p, left, palette());
    if (kind_ == Kind::Delete)
        drawBin(p, right, palette());
    else
        drawPhone(p, right, palette());

    const qreal t = static_cast<qreal>(frame_) / (kFrames - 1);
    const qreal from = left.right() + 10;
    const qreal to = right.left() - 10;
    const qreal x = kind_ == Kind::Receive ? to - (to - from) * t : from + (to - from) * t;
    // The page fades as it falls into the bin.
    const qreal opacity = kind_ == Kind::Delete ? 1.0 - 0.8 * t : 1.0;
    drawPage(p, QPointF(x, area.center().y()), palette(), opacity);
}

} // namespace quillora
