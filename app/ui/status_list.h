// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The detection status list: one line per port, "<port>: <status text>",
// with the status code kept as the line's data.
#pragma once

#include <QString>

class QListWidget;

namespace quillora {

inline constexpr int kStatusPortRemoved = 4;

// Code 4 removes the port's line. A port without a line gets one; a line
// with another code is replaced in place (its row and the list's scroll
// position kept); the same code, or code 0 for a port that has a line,
// leaves the line as it is.
void UpdateStatusList(QListWidget& list, const QString& port, int code, const QString& text);

// The code stored with a port's line; -1 when the port has none.
int StatusCodeOf(const QListWidget& list, const QString& port);

} // namespace quillora
