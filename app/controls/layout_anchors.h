// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The arithmetic of the layout manager: which children of a resizable
// dialog move or stretch with it, and how small the dialog may become.
#pragma once

#include <QRect>
#include <QSize>

#include <vector>

namespace quillora {

namespace anchor {
inline constexpr int MoveRight = 1;
inline constexpr int MoveDown = 2;
inline constexpr int StretchWidth = 4;
inline constexpr int StretchHeight = 8;
inline constexpr int NoSplit = 0x7fffffff;
} // namespace anchor

// -1: the middle of `extent`; 0: no split; anything else as it stands.
int resolveSplit(int split, int extent);

// A child whose left edge is at or right of the horizontal split moves
// right; one that only reaches it (its right edge, exclusive) stretches.
// The same downward with the top and bottom edges.
int anchorBits(const QRect& child, int horizontalSplit, int verticalSplit);

// The child after the client area grew by `change` (negative: shrank).
QRect anchoredRect(const QRect& child, int bits, QSize change);

struct AnchoredChild {
    QRect rect;
    int bits;
};

// The smallest client size: every stretching child may lose up to its
// whole width (height), plus room for a scroll bar's arrows and thumb
// where the flags ask for it, never more than the present size. Flags as
// LayoutMgr's: 2/16 and 4/64 leave out the allowance, 16 and 64 keep the
// whole present width and height.
QSize minimumClientSize(QSize client, const std::vector<AnchoredChild>& children, int flags, QSize scrollAllowance);

} // namespace quillora
