// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Finds the Alt+letter keys that two controls of a live window claim, so
// that a translation's accelerators are checked where they meet the texts
// the window fills in itself.
#pragma once

#include <QString>

#include <vector>

class QWidget;

namespace quillora {

struct MnemonicClash {
    QString key;    // "Alt+R"
    QString first;  // the two texts, accelerator markers included
    QString second;
};

// Among the visible buttons, group boxes and labels with a buddy of `window`
// (not of the dialogs it owns).
std::vector<MnemonicClash> FindMnemonicClashes(const QWidget& window);

QString DescribeClash(const QString& windowName, const MnemonicClash& clash);

} // namespace quillora
