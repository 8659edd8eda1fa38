// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "image_button.h"

#include "image_effects.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QSoundEffect>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include <algorithm>
#include <atomic>

namespace quillora {
namespace {

constexpr int kOrigin = 3;     // icon distance from the left edge
constexpr int kTextMargin = 4; // around the text
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
const QString kTipSeparator = QStringLiteral("\n\t");

std::atomic<bool> g_soundsEnabled{true};

QIcon derivedIcon(const QIcon& in, QSize size, ImageButton::OutIcon out, qreal dpr)
{
    if (out == ImageButton::OutIcon::None || in.isNull())
        return {};
    QImage image = in.pixmap(size, dpr).toImage();
    image = out == ImageButton::OutIcon::Grey ? greyImage(image) : darkerImage(image);
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent)
{
    setMouseTracking(true); // a move after a lost hover starts it again
    connect(this, &QAbstractButton::clicked, this, [this] { playSound(Sound::Click); });
}

ImageButton::~ImageButton() = default;

QString ImageButton::caption() const
{
    return toolTip().isEmpty() ? text() : text() + kTipSeparator + toolTip();
}

void ImageButton::setCaption(const QString& caption)
{
    const qsizetype cut = caption.indexOf(kTipSeparator);
    setText(cut < 0 ? caption : caption.left(cut));
    setToolTip(cut < 0 ? QString() : caption.mid(cut + kTipSeparator.size()));
}

void ImageButton::setIcon(const QIcon& in, QSize size, OutIcon out)
{
    setIconSize(size);
    outIcon_ = derivedIcon(in, size, out, devicePixelRatioF());
    QAbstractButton::setIcon(in); // repaints and updates the geometry
}

void ImageButton::setFlat(bool flat)
{
    flat_ = flat;
    if (!flat_)
        setHovered(false);
    update();
}

QColor ImageButton::color(ColorRole role) const
{
    const QColor& c = colors_[static_cast<size_t>(role)];
    if (c.isValid())
        return c;
    const bool background = role == ColorRole::InBackground || role == ColorRole::OutBackground ||
                            role == ColorRole::FocusBackground;
    return palette().color(background ? QPalette::Button : QPalette::ButtonText);
}

void ImageButton::setColor(ColorRole role, const QColor& color)
{
    colors_[static_cast<size_t>(role)] = color;
    update();
}

void ImageButton::offsetColor(ColorRole role, int offset)
{
    setColor(role, shiftedColor(color(role), offset));
}

void ImageButton::setSounds(const QUrl& hover, const QUrl& click)
{
    setSound(Sound::Hover, hover);
    setSound(Sound::Click, click);
}

void ImageButton::setSound(Sound sound, const QUrl& url)
{
    SoundSlot& slot = sounds_[static_cast<size_t>(sound)];
    if (slot.url == url && slot.effect)
        return;
    delete slot.effect;
    slot.effect = nullptr;
    slot.url = url;
    // Loaded soon rather than on the first hover: Qt 6.4's sample cache
    // deadlocks at exit while a load is still under way, and the set-up is
    // far from the exit. Deferred, so that sounds switched off during the
    // same set-up create no player.
    QMetaObject::invokeMethod(this, &ImageButton::preloadSounds, Qt::QueuedConnection);
}

void ImageButton::preloadSounds()
{
    for (SoundSlot& slot : sounds_)
        if (soundsEnabled() && !slot.url.isEmpty() && !slot.effect)
            slot.effect = makeEffect(slot.url);
}

QSoundEffect* ImageButton::makeEffect(const QUrl& url)
{
    auto* effect = new QSoundEffect(this);
    effect->setSource(url);
    return effect;
}

void ImageButton::setSoundsEnabled(bool enabled) { g_soundsEnabled.store(enabled); }

bool ImageButton::soundsEnabled() { return g_soundsEnabled.load(); }

void ImageButton::playSound(Sound sound)
{
    SoundSlot& slot = sounds_[static_cast<size_t>(sound)];
    if (!soundsEnabled() || slot.url.isEmpty())
        return;
    if (!slot.effect) // sounds were off when it was set
        slot.effect = makeEffect(slot.url);
    slot.effect->play();
    Q_EMIT soundPlayed(sound);
}

QSize ImageButton::sizeHint() const
{
    const QSize iconPart = icon().isNull() ? QSize(0, 0) : iconSize();
    if (text().isEmpty())
        return iconPart + QSize(2 * kOrigin + 2, 2 * kOrigin + 2);
    const QSize textPart = fontMetrics().size(Qt::TextShowMnemonic, text());
    const int iconWidth = iconPart.isEmpty() ? 0 : kOrigin + iconPart.width();
    return QSize(iconWidth + textPart.width() + 2 * kTextMargin,
                 std::max(iconPart.height(), textPart.height()) + 2 * kOrigin + 2);
}

QSize ImageButton::minimumSizeHint() const
{
    const QSize iconPart = icon().isNull() ? QSize(0, 0) : iconSize();
    const int line = fontMetrics().height();
    return QSize(iconPart.width() + 2 * kOrigin + 2 + (text().isEmpty() ? 0 : line),
                 std::max(iconPart.height(), text().isEmpty() ? 0 : line) + 2 * kOrigin + 2);
}

void ImageButton::setHovered(bool hovered)
{
    if (hovered_ == hovered)
        return;
    hovered_ = hovered;
    update();
    if (hovered_)
        playSound(Sound::Hover);
}

bool ImageButton::canStartHover(Qt::MouseButtons held) const
{
    // A drag that began elsewhere does not light the button up.
    return flat_ && isEnabled() && held == Qt::NoButton;
}

void ImageButton::enterEvent(QEnterEvent* event)
{
    if (canStartHover(QGuiApplication::mouseButtons()))
        setHovered(true);
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event)
{
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!hovered_ && rect().contains(event->position().toPoint()) && canStartHover(event->buttons()))
        setHovered(true);
    QAbstractButton::mouseMoveEvent(event);
}

void ImageButton::focusOutEvent(QFocusEvent* event)
{
    setHovered(false);
    QAbstractButton::focusOutEvent(event);
}

void ImageButton::changeEvent(QEvent* event)
{
    const bool deactivated = event->type() == QEvent::ActivationChange && !isActiveWindow();
    if (deactivated || (event->type() == QEvent::EnabledChange && !isEnabled()))
        setHovered(false);
    QAbstractButton::changeEvent(event);
}

ImageButton::ColorRole ImageButton::stateRole(bool background) const
{
    if (hovered_ || isDown() || isChecked())
        return background ? ColorRole::InBackground : ColorRole::InForeground;
    if (hasFocus())
        return background ? ColorRole::FocusBackground : ColorRole::FocusForeground;
    return background ? ColorRole::OutBackground : ColorRole::OutForeground;
}

QPixmap ImageButton::currentPixmap() const
{
    // A check box shows its state, not the mouse, through the icon.
    const bool in = isDown() || isChecked() || (hovered_ && !isCheckable());
    const QIcon& shown = in || outIcon_.isNull() ? icon() : outIcon_;
    return shown.pixmap(iconSize(), devicePixelRatioF(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void ImageButton::paintBackground(QPainter& painter)
{
    painter.fillRect(rect(), color(stateRole(true)));
}

void ImageButton::paintFrame(QPainter& painter)
{
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (flat_) {
        if (!hovered_)
            return;
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        return;
    }
    if (hasFocus()) {
        painter.setPen(Qt::black);
        painter.drawRect(r);
    }
    const QRect inner = hasFocus() ? rect().adjusted(1, 1, -1, -1) : rect();
    qDrawShadePanel(&painter, inner, palette(), isDown(), 1);
}

void ImageButton::paintContent(QPainter& painter, const QRect& area)
{
    QRect textArea = area;
    if (!icon().isNull()) {
        const QPixmap pixmap = currentPixmap();
        const QSize size = pixmap.deviceIndependentSize().toSize();
        QPoint at(area.left() + kOrigin, area.top() + (area.height() - size.height()) / 2);
        if (text().isEmpty())
            at.setX(area.left() + (area.width() - size.width()) / 2);
        painter.drawPixmap(at, pixmap);
        textArea.setLeft(at.x() + size.width());
    }
    if (text().isEmpty())
        return;
    textArea.adjust(kTextMargin, 0, -kTextMargin, 0);
    if (!isEnabled()) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(textArea.translated(1, 1), kTextFlags, text());
        painter.setPen(palette().color(QPalette::Dark));
    } else {
        painter.setPen(color(stateRole(false)));
    }
    painter.drawText(textArea, kTextFlags, text());
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintBackground(painter);
    paintFrame(painter);
    const bool shifted = isDown() && !isCheckable();
    paintContent(painter, shifted ? rect().translated(1, 1) : rect());
    if (hasFocus() && !flat_) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace quillora
