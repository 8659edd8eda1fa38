// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "status_list.h"

#include <QListWidget>

namespace quillora {

namespace {

QString prefixFor(const QString& port)
{
    return port + QStringLiteral(": ");
}

int rowOf(const QListWidget& list, const QString& port)
{
    const QString prefix = prefixFor(port);
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->text().startsWith(prefix))
            return row;
    return -1;
}

} // namespace

void UpdateStatusList(QListWidget& list, const QString& port, int code, const QString& text)
{
    const int row = rowOf(list, port);
    if (code == kStatusPortRemoved) {
        delete list.takeItem(row); // takeItem(-1) gives null
        return;
    }
    if (row < 0) {
        auto* item = new QListWidgetItem(prefixFor(port) + text);
        item->setData(Qt::UserRole, code);
        list.addItem(item);
        return;
    }
    QListWidgetItem* item = list.item(row);
    if (code == 0 || item->data(Qt::UserRole).toInt() == code)
        return;
    // Changing the item in place keeps its row and the list's scrolling.
    item->setText(prefixFor(port) + text);
    item->setData(Qt::UserRole, code);
}

int StatusCodeOf(const QListWidget& list, const QString& port)
{
    const int row = rowOf(list, port);
    return row < 0 ? -1 : list.item(row)->data(Qt::UserRole).toInt();
}

} // namespace quillora
