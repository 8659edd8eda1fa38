// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The progress window's short looping animation: a page travelling from the
// computer to the phone (sending), back (receiving), or into a bin
// (deleting). Drawn, not loaded, so it follows the palette and scales.
#pragma once

#include <QTimer>
#include <QWidget>

namespace quillora {

class TransferAnimation : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Send, Receive, Delete };
    explicit TransferAnimation(Kind kind, QWidget* parent = nullptr);

    static constexpr int kFrames = 24;
    QSize sizeHint() const override { return {272, 52}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Kind kind_;
    int frame_ = 0;
    QTimer timer_;
};

} // namespace quillora
