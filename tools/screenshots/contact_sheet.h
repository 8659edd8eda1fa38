// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// One window in every language on one picture, for reviewing translations
// side by side.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace quillora {

struct SheetCell {
    QString label; // "Deutsch (Deutschland) · 1031"
    QImage image;  // a null image leaves its cell empty
};

// The cells in rows of `columns`, each image under its label at the top left
// of a cell as large as the largest image, on a white ground.
QImage ComposeContactSheet(const std::vector<SheetCell>& cells, int columns = 5);

// The label of a language's cell: its name as the language box shows it and
// its locale id.
QString SheetLabel(unsigned localeId);

} // namespace quillora
