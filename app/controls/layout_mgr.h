// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Resizing for dialogs whose children are placed by hand: children right of
// (below) a split move with the dialog's right (bottom) edge, those across
// it stretch. Each child's bits are kept in its "LayoutMgr_flags" property.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

class QWidget;

namespace quillora {

class LayoutMgr : public QObject {
    Q_OBJECT

public:
    enum Flag {
        SizeGrip = 1,
        NoScrollAllowanceWidth = 2,
        NoScrollAllowanceHeight = 4,
        KeepMinimumWidth = 16,  // never narrower than now
        KeepMaximumWidth = 32,  // never wider than now
        KeepMinimumHeight = 64,
        KeepMaximumHeight = 128,
    };

    // Splits in the window's coordinates: -1 the middle, 0 none. Children
    // added later are left where they are. Attaching again replaces the
    // earlier manager. The manager belongs to the window.
    static LayoutMgr* attach(QWidget* window, int horizontalSplit, int verticalSplit, int flags);
    // Splits at the right edge of one child and the bottom edge of another
    // (null: none).
    static LayoutMgr* attach(QWidget* window, const QWidget* horizontalSplit, const QWidget* verticalSplit, int flags);
    static LayoutMgr* of(const QWidget* window);

    ~LayoutMgr() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LayoutMgr(QWidget* window, int horizontalSplit, int verticalSplit, int flags);
    void follow(QSize newSize);

    QPointer<QWidget> window_;
    QSize last_;
};

} // namespace quillora
