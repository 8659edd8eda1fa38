// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "layout_anchors.h"

#include <algorithm>

namespace quillora {

int resolveSplit(int split, int extent)
{
    if (split == -1)
        return extent / 2;
    return split == 0 ? anchor::NoSplit : split;
}

int anchorBits(const QRect& child, int horizontalSplit, int verticalSplit)
{
    int bits = 0;
    if (child.left() >= horizontalSplit)
        bits |= anchor::MoveRight;
    else if (child.x() + child.width() >= horizontalSplit)
        bits |= anchor::StretchWidth;
    if (child.top() >= verticalSplit)
        bits |= anchor::MoveDown;
    else if (child.y() + child.height() >= verticalSplit)
        bits |= anchor::StretchHeight;
    return bits;
}

QRect anchoredRect(const QRect& child, int bits, QSize change)
{
    QRect r = child;
    if (bits & anchor::MoveRight)
        r.translate(change.width(), 0);
    else if (bits & anchor::StretchWidth)
        r.setWidth(std::max(0, r.width() + change.width()));
    if (bits & anchor::MoveDown)
        r.translate(0, change.height());
    else if (bits & anchor::StretchHeight)
        r.setHeight(std::max(0, r.height() + change.height()));
    return r;
}

QSize minimumClientSize(QSize client, const std::vector<AnchoredChild>& children, int flags, QSize scrollAllowance)
{
    // Without stretching children there is nothing to give up.
    int shrinkWidth = 0, shrinkHeight = 0;
    bool anyWide = false, anyTall = false;
    for (const AnchoredChild& c : children) {
        if (c.bits & anchor::StretchWidth) {
            shrinkWidth = anyWide ? std::min(shrinkWidth, c.rect.width()) : c.rect.width();
            anyWide = true;
        }
        if (c.bits & anchor::StretchHeight) {
            shrinkHeight = anyTall ? std::min(shrinkHeight, c.rect.height()) : c.rect.height();
            anyTall = true;
        }
    }
    int w = (flags & 16) ? client.width() : client.width() - shrinkWidth;
    int h = (flags & 64) ? client.height() : client.height() - shrinkHeight;
    if (!(flags & (2 | 16)))
        w += scrollAllowance.width();
    if (!(flags & (4 | 64)))
        h += scrollAllowance.height();
    return QSize(std::min(w, client.width()), std::min(h, client.height()));
}

} // namespace quillora
