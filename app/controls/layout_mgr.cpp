// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "layout_mgr.h"

#include "layout_anchors.h"

#include <QResizeEvent>
#include <QSizeGrip>
#include <QStyle>
#include <QWidget>

namespace quillora {
namespace {

const char* const kChildProperty = "LayoutMgr_flags";
const char* const kWindowProperty = "LayoutMgr";

QList<QWidget*> directChildren(const QWidget* window)
{
    return window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

// Room for a scroll bar's two arrows and its smallest thumb.
QSize scrollAllowance(const QWidget* window)
{
    const QStyle* style = window->style();
    const int arrow = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const int length = 2 * arrow + style->pixelMetric(QStyle::PM_ScrollBarSliderMin, nullptr, window);
    return QSize(length, length);
}

} // namespace

LayoutMgr* LayoutMgr::attach(QWidget* window, int horizontalSplit, int verticalSplit, int flags)
{
    delete of(window);
    return new LayoutMgr(window, horizontalSplit, verticalSplit, flags);
}

LayoutMgr* LayoutMgr::attach(QWidget* window, const QWidget* horizontalSplit, const QWidget* verticalSplit, int flags)
{
    const int h = horizontalSplit ? horizontalSplit->x() + horizontalSplit->width() : 0;
    const int v = verticalSplit ? verticalSplit->y() + verticalSplit->height() : 0;
    return attach(window, h, v, flags);
}

LayoutMgr* LayoutMgr::of(const QWidget* window)
{
    return qobject_cast<LayoutMgr*>(window->property(kWindowProperty).value<QObject*>());
}

LayoutMgr::LayoutMgr(QWidget* window, int horizontalSplit, int verticalSplit, int flags)
    : QObject(window), window_(window), last_(window->size())
{
    const int hSplit = resolveSplit(horizontalSplit, last_.width());
    const int vSplit = resolveSplit(verticalSplit, last_.height());
    std::vector<AnchoredChild> anchored;
    for (QWidget* child : directChildren(window)) {
        const int bits = anchorBits(child->geometry(), hSplit, vSplit);
        if (bits != 0)
            child->setProperty(kChildProperty, bits);
        anchored.push_back({child->geometry(), bits});
    }
    window->setMinimumSize(minimumClientSize(last_, anchored, flags, scrollAllowance(window)));
    if (flags & KeepMaximumWidth)
        window->setMaximumWidth(last_.width());
    if (flags & KeepMaximumHeight)
        window->setMaximumHeight(last_.height());
    if (flags & SizeGrip) {
        // Created after the children's bits: it always keeps to the corner.
        auto* grip = new QSizeGrip(window);
        grip->resize(grip->sizeHint());
        grip->move(last_.width() - grip->width(), last_.height() - grip->height());
        grip->setProperty(kChildProperty, anchor::MoveRight | anchor::MoveDown);
        grip->show();
    }
    window->setProperty(kWindowProperty, QVariant::fromValue<QObject*>(this));
    window->installEventFilter(this);
}

LayoutMgr::~LayoutMgr()
{
    if (!window_)
        return;
    window_->removeEventFilter(this);
    window_->setProperty(kWindowProperty, QVariant());
    for (QWidget* child : directChildren(window_))
        child->setProperty(kChildProperty, QVariant());
}

bool LayoutMgr::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Resize)
        follow(static_cast<QResizeEvent*>(event)->size());
    return QObject::eventFilter(watched, event);
}

void LayoutMgr::follow(QSize newSize)
{
    const QSize change = newSize - last_;
    if (change.isNull())
        return;
    last_ = newSize;
    for (QWidget* child : directChildren(window_)) {
        const int bits = child->property(kChildProperty).toInt();
        if (bits != 0)
            child->setGeometry(anchoredRect(child->geometry(), bits, change));
    }
}

} // namespace quillora
