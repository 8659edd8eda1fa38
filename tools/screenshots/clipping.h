// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Finds the texts a laid-out window cannot show in full: a label, button,
// group box title, combo box text or row of tabs whose widget is narrower
// (or lower) than its text needs with the style's margins, or that its
// parents cut off.
// Translations are longer than the English texts the layouts were tried
// with; this is how a new language's tables are checked without looking at
// every window by eye.
#pragma once

#include <QSize>
#include <QString>

#include <vector>

class QWidget;

namespace quillora {

struct ClippedControl {
    QString window;    // the name the window was rendered under
    QString control;   // its control id, else its object name, else "-"
    QString className; // "QLabel", "quillora::ShadedButton"
    QString text;      // as set, accelerator marker included
    QSize needed;
    QSize actual;      // the part of the widget its parents leave visible
};

// Every visible text control of `window` that shows less than its text.
// Hidden views, item views (their rows elide by design) and controls marked
// with the dynamic property "elidesText" are left out.
std::vector<ClippedControl> FindClippedControls(const QWidget& window, const QString& windowName);

// One report line: window, control, class, quoted text, needed, actual.
QString DescribeClipping(const ClippedControl& clipped);

} // namespace quillora
