// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "mnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>

namespace quillora {
namespace {

// The text whose marker gives the widget a key; empty when it has none.
QString mnemonicText(const QWidget* w)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    // A label without a buddy shows its marker instead of taking a key.
    if (auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
        return label->text();
    return QString();
}

} // namespace

std::vector<MnemonicClash> FindMnemonicClashes(const QWidget& window)
{
    std::vector<MnemonicClash> clashes;
    QMap<QString, QString> owner;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || !w->isVisible())
            continue;
        const QString text = mnemonicText(w);
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty())
            continue;
        if (owner.contains(key))
            clashes.push_back({key, owner.value(key), text});
        else
            owner.insert(key, text);
    }
    return clashes;
}

QString DescribeClash(const QString& windowName, const MnemonicClash& clash)
{
    return QStringLiteral("%1: %2 is taken by \"%3\" and \"%4\"").arg(windowName, clash.key, clash.first, clash.second);
}

} // namespace quillora
