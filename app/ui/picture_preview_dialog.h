// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The photo just received from the phone, halved or doubled until it is 240
// to 321 pixels wide, above a row with OK and five lossless transforms that
// rewrite the file in place. A fixed layout: the window takes the picture's
// shown size and the buttons are placed by hand below it.
#pragma once

#include "jpeg_transform.h"

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace quillora {

class PicturePreviewDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 114;
    enum ControlId {
        kOkId = 1,
        kRotateClockwiseId = 1030,
        kRotateCounterClockwiseId = 1031,
        kFlipHorizontalId = 1032,
        kFlipVerticalId = 1033,
        kGreyscaleId = 1034,
    };
    // The window's size until a picture is shown, and when none can be.
    static constexpr QSize kTemplateSize{300, 225};
    // The strip below the picture that holds the buttons.
    static constexpr int kButtonRowHeight = 22;
    // Longer tooltips are cut.
    static constexpr int kTooltipLimit = 79;

    // `titleFormat` holds two "%d": the picture's width, then its height.
    PicturePreviewDialog(QString titleFormat, QString picturePath, QWidget* owner = nullptr);

    // Another tool than the one found beside the program or on the PATH.
    void setTransformer(const JpegTransformer& transformer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LoadPreviewPicture();
    void placeButtons(int width, int pictureHeight);
    void applyTexts();
    void updateTransformButtons();
    void transform(JpegOperation operation);
    void reportReplaceFailure(const QString& reason);

    QString titleFormat_;
    QString picturePath_;
    JpegTransformer transformer_;
    QPixmap picture_;
};

} // namespace quillora
