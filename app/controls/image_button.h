// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// A push button drawn by the program: an icon left of word-wrapped text,
// flat until the mouse is over it, a grey or darkened icon while it is not,
// a tooltip taken from its caption and optional hover and click sounds.
#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QUrl>

#include <array>

class QSoundEffect;

namespace quillora {

class ImageButton : public QAbstractButton {
    Q_OBJECT
    // The dialog texts are written through this property: the part after
    // the first "\n\t" becomes the tooltip.
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(bool flat READ isFlat WRITE setFlat)

public:
    enum class OutIcon { None, Grey, Darker };
    enum class ColorRole { InBackground, InForeground, OutBackground, OutForeground, FocusBackground, FocusForeground };
    enum class Sound { Hover, Click };
    Q_ENUM(Sound)

    explicit ImageButton(QWidget* parent = nullptr);
    ~ImageButton() override;

    QString caption() const;
    void setCaption(const QString& caption);

    // `in` is shown while hovered or pressed, the derived out-icon at other
    // times (the in-icon itself with OutIcon::None). A null icon clears both.
    using QAbstractButton::setIcon;
    void setIcon(const QIcon& in, QSize size, OutIcon out);

    bool isFlat() const { return flat_; }
    void setFlat(bool flat);
    bool isHovered() const { return hovered_; }

    // Colours default to the palette's button and button-text colours.
    QColor color(ColorRole role) const;
    void setColor(ColorRole role, const QColor& color);
    void offsetColor(ColorRole role, int offset);

    // Empty URLs play nothing. With sounds disabled no player is created.
    void setSounds(const QUrl& hover, const QUrl& click);
    static void setSoundsEnabled(bool enabled);
    static bool soundsEnabled();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // A sound was started (also when no audio device takes it).
    void soundPlayed(quillora::ImageButton::Sound sound);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The fill behind the content; the shaded button draws its picture here.
    virtual void paintBackground(QPainter& painter);
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct SoundSlot {
        QUrl url;
        QSoundEffect* effect = nullptr;
    };

    void setHovered(bool hovered);
    bool canStartHover(Qt::MouseButtons held) const;
    void setSound(Sound sound, const QUrl& url);
    void preloadSounds();
    QSoundEffect* makeEffect(const QUrl& url);
    void playSound(Sound sound);
    QPixmap currentPixmap() const;
    ColorRole stateRole(bool background) const;
    void paintFrame(QPainter& painter);
    void paintContent(QPainter& painter, const QRect& area);

    bool flat_ = true;
    bool hovered_ = false;
    QIcon outIcon_;
    std::array<QColor, 6> colors_; // invalid: the palette's
    std::array<SoundSlot, 2> sounds_;
};

} // namespace quillora
