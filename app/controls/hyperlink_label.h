// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// A label that behaves like a web link: coloured, underlined, a hand cursor
// and a hover colour; a click opens the link with the desktop's handler and
// tells the user when that fails.
#pragma once

#include <QColor>
#include <QLabel>

#include <functional>

class QUrl;

namespace quillora {

class HyperlinkLabel : public QLabel {
    Q_OBJECT
    // Texts set through the dialog texts resize the label as well.
    Q_PROPERTY(QString caption READ text WRITE setCaption)

public:
    // Opens a URL; false when nothing could handle it.
    using Opener = std::function<bool(const QUrl&)>;

    explicit HyperlinkLabel(QWidget* parent = nullptr);

    // An empty link makes the text the link; an empty text shows the link.
    void setLink(const QString& link);
    QString link() const;
    void setCaption(const QString& text);

    void setVisited(bool visited);
    bool visited() const { return visited_; }
    bool isHovered() const { return hovered_; }

    // -1 underlined while hovered, 0 never, 1 always.
    void setUnderlineMode(int mode);
    int underlineMode() const { return underlineMode_; }

    void setLinkColors(const QColor& link, const QColor& visited, const QColor& hover);
    // The colour the text has now.
    QColor textColor() const;

    // On by default: the label takes the size of its text.
    void setAdjustToFit(bool adjust);
    bool adjustToFit() const { return adjustToFit_; }

    // Opens the link; on failure beeps, shows why and returns false.
    bool open();

    // For tests; an empty opener restores the desktop's.
    static void setOpener(Opener opener);

    QSize sizeHint() const override;

Q_SIGNALS:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHovered(bool hovered);
    void applyLook();
    void fitToText();
    void reportFailure(int code);

    QString link_;
    QColor linkColor_{0, 0, 238};
    QColor visitedColor_{85, 26, 139};
    QColor hoverColor_{255, 0, 0};
    int underlineMode_ = 1;
    bool visited_ = false;
    bool hovered_ = false;
    bool adjustToFit_ = true;
};

} // namespace quillora
