// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// An image button on a generated shaded background, lighter while hovered.
#pragma once

#include "image_button.h"

#include <QImage>

#include <cstdint>
#include <optional>

namespace quillora {

class ShadedButton : public ImageButton {
    Q_OBJECT

public:
    explicit ShadedButton(QWidget* parent = nullptr);

    // Every type draws the soft bump (6), the only one the windows use.
    // The pictures follow the button's size and palette from then on.
    void setShade(int type, int granularity, int highlightPercent, int colouringPercent, QColor colour);

    QImage normalImage() const { return normal_; }
    QImage hoverImage() const { return hover_; }

protected:
    void paintBackground(QPainter& painter) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void regenerate();

    struct Shade {
        int granularity = 0;
        int highlightPercent = 0;
        int colouringPercent = 0;
        QColor colour;
    };
    std::optional<Shade> shade_;
    std::uint32_t seed_; // one grain per button, kept across resizes
    QImage normal_;
    QImage hover_;
};

} // namespace quillora
