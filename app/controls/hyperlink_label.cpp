// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "hyperlink_label.h"

#include "hyperlink_target.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>

#include <algorithm>

namespace quillora {
namespace {

HyperlinkLabel::Opener& opener()
{
    static HyperlinkLabel::Opener current;
    return current;
}

bool openLink(const QUrl& url)
{
    const HyperlinkLabel::Opener& custom = opener();
    return custom ? custom(url) : QDesktopServices::openUrl(url);
}

} // namespace

HyperlinkLabel::HyperlinkLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true); // hover again after a click without leaving
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    applyLook();
}

void HyperlinkLabel::setOpener(Opener o) { opener() = std::move(o); }

void HyperlinkLabel::setLink(const QString& link)
{
    link_ = link;
    if (text().isEmpty())
        setText(link);
    setCaption(text());
}

QString HyperlinkLabel::link() const { return link_.isEmpty() ? text() : link_; }

void HyperlinkLabel::setCaption(const QString& text)
{
    setText(text);
    // Only web addresses are worth a tip; a file path is what the text says.
    const QString target = link();
    const bool web = target.startsWith(QLatin1String("http:"), Qt::CaseInsensitive) ||
                     target.startsWith(QLatin1String("https:"), Qt::CaseInsensitive);
    setToolTip(web ? target : QString());
    fitToText();
}

void HyperlinkLabel::setVisited(bool visited)
{
    visited_ = visited;
    applyLook();
}

void HyperlinkLabel::setUnderlineMode(int mode)
{
    underlineMode_ = std::clamp(mode, -1, 1);
    applyLook();
}

void HyperlinkLabel::setLinkColors(const QColor& link, const QColor& visited, const QColor& hover)
{
    linkColor_ = link;
    visitedColor_ = visited;
    hoverColor_ = hover;
    applyLook();
}

QColor HyperlinkLabel::textColor() const { return hovered_ ? hoverColor_ : visited_ ? visitedColor_ : linkColor_; }

void HyperlinkLabel::setAdjustToFit(bool adjust)
{
    adjustToFit_ = adjust;
    setSizePolicy(adjust ? QSizePolicy::Fixed : QSizePolicy::Preferred, adjust ? QSizePolicy::Fixed : QSizePolicy::Preferred);
    fitToText();
}

QSize HyperlinkLabel::sizeHint() const
{
    if (!adjustToFit_ || wordWrap())
        return QLabel::sizeHint();
    // Measured underlined, so that hovering never needs more room.
    QFont underlined = font();
    underlined.setUnderline(true);
    const QSize text = QFontMetrics(underlined).size(Qt::TextShowMnemonic, this->text());
    const QMargins m = contentsMargins();
    return text + QSize(m.left() + m.right() + 2 * margin(), m.top() + m.bottom() + 2 * margin());
}

bool HyperlinkLabel::open()
{
    const QUrl url = hyperlinkUrl(link());
    // The desktop's opener starts a handler even for a missing file and
    // cannot tell; the check here can.
    int failure = 0;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        failure = kLinkFileNotFound;
    else if (!openLink(url))
        failure = kLinkNoApplication;
    if (failure == 0) {
        setVisited(true);
        return true;
    }
    reportFailure(failure);
    return false;
}

void HyperlinkLabel::reportFailure(int code)
{
    QApplication::beep();
    // open(), not exec(): the click handler returns at once and nothing
    // runs a nested event loop under the mouse event.
    auto* box = new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                                hyperlinkFailureText(code), QMessageBox::Ok, window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void HyperlinkLabel::setHovered(bool hovered)
{
    if (hovered_ == hovered)
        return;
    hovered_ = hovered;
    applyLook();
}

void HyperlinkLabel::applyLook()
{
    QFont f = font();
    const bool underline = underlineMode_ == 1 || (underlineMode_ == -1 && hovered_);
    if (f.underline() != underline) {
        f.setUnderline(underline);
        setFont(f);
    }
    QPalette p = palette();
    p.setColor(QPalette::WindowText, textColor());
    setPalette(p);
}

void HyperlinkLabel::fitToText()
{
    if (!adjustToFit_)
        return;
    updateGeometry();
    setGeometry(fittedRect(geometry(), sizeHint(), alignment()));
}

void HyperlinkLabel::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event)
{
    setHovered(false);
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        setHovered(true);
    QLabel::mouseMoveEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    setHovered(false);
    Q_EMIT clicked();
    open();
}

void HyperlinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

} // namespace quillora
