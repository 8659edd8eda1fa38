// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "contact_sheet.h"

#include "language_combo_box.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

namespace quillora {
namespace {

constexpr int kGap = 12;

QSize largestImage(const std::vector<SheetCell>& cells)
{
    QSize largest(0, 0);
    for (const SheetCell& c : cells)
        largest = largest.expandedTo(c.image.size());
    return largest;
}

} // namespace

QImage ComposeContactSheet(const std::vector<SheetCell>& cells, int columns)
{
    if (cells.empty() || columns < 1)
        return QImage();
    const QFont font = QGuiApplication::font();
    const int labelHeight = QFontMetrics(font).height() + 4;
    const QSize cell = largestImage(cells) + QSize(kGap, kGap + labelHeight);
    const int used = std::min<int>(columns, static_cast<int>(cells.size()));
    const int rows = (static_cast<int>(cells.size()) + columns - 1) / columns;
    QImage sheet(used * cell.width() + kGap, rows * cell.height() + kGap, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (size_t i = 0; i < cells.size(); ++i) {
        const QPoint origin(kGap + static_cast<int>(i % columns) * cell.width(),
                            kGap + static_cast<int>(i / columns) * cell.height());
        painter.drawText(QRect(origin, QSize(cell.width() - kGap, labelHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                         cells[i].label);
        if (!cells[i].image.isNull())
            painter.drawImage(origin + QPoint(0, labelHeight), cells[i].image);
    }
    return sheet;
}

QString SheetLabel(unsigned localeId)
{
    return LanguageComboBox::displayName(localeId | LanguageComboBox::kVariantMark) + QStringLiteral(" · ") +
           QString::number(localeId);
}

} // namespace quillora
