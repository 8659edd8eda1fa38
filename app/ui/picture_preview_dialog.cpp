// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "picture_preview_dialog.h"

#include "application.h"
#include "dialog_texts.h"
#include "message_format.h"
#include "transform_icons.h"
#include "ui_strings.h"

#include <QDir>
#include <QEvent>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <utility>

namespace quillora {
namespace {

constexpr int kOkWidth = 80;
constexpr int kButtonHeight = 21;
constexpr int kIconButtonSide = 21;

struct TransformButton {
    int id;
    JpegOperation operation;
    TransformIcon icon;
    int offset; // from the OK button's left edge
};

constexpr std::array kTransforms{
    TransformButton{PicturePreviewDialog::kFlipHorizontalId, JpegOperation::FlipHorizontal,
                    TransformIcon::FlipHorizontal, -52},
    TransformButton{PicturePreviewDialog::kRotateCounterClockwiseId, JpegOperation::RotateCounterClockwise,
                    TransformIcon::RotateLeft, -26},
    TransformButton{PicturePreviewDialog::kRotateClockwiseId, JpegOperation::RotateClockwise,
                    TransformIcon::RotateRight, 85},
    TransformButton{PicturePreviewDialog::kFlipVerticalId, JpegOperation::FlipVertical, TransformIcon::FlipVertical,
                    111},
    TransformButton{PicturePreviewDialog::kGreyscaleId, JpegOperation::Greyscale, TransformIcon::Greyscale, 137},
};

QString cutTooltip(const QString& text) { return text.left(PicturePreviewDialog::kTooltipLimit); }

// An icon alone: its template text is only its tooltip.
class IconButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    using QToolButton::QToolButton;
    QString caption() const { return caption_; }
    void setCaption(const QString& caption)
    {
        caption_ = caption;
        setToolTip(cutTooltip(caption));
    }

private:
    QString caption_;
};

// The formats a phone's photo comes in, as far as the image plugins read them.
bool isPictureFormat(const QByteArray& format)
{
    static const std::array<QByteArray, 7> known{"jpeg", "jpg", "bmp", "dib", "gif", "png", "wbmp"};
    return std::find(known.begin(), known.end(), format.toLower()) != known.end();
}

// The picture as the file stores it: an EXIF orientation is not applied, so
// the size shown is the one the transforms work on.
QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (!isPictureFormat(reader.format()))
        return QImage();
    return reader.read();
}

// Halved while 322 pixels wide or more, then doubled while under 240.
QSize shownSize(QSize picture)
{
    qint64 w = picture.width();
    qint64 h = picture.height();
    while (w >= 322) {
        w >>= 1;
        h >>= 1;
    }
    while (w > 0 && w < 240) {
        w <<= 1;
        h <<= 1;
    }
    // A sliver of a picture may come out taller than any window.
    constexpr qint64 kMaxHeight = QWIDGETSIZE_MAX - PicturePreviewDialog::kButtonRowHeight;
    return QSize(static_cast<int>(w), static_cast<int>(std::min(h, kMaxHeight)));
}

} // namespace

PicturePreviewDialog::PicturePreviewDialog(QString titleFormat, QString picturePath, QWidget* owner)
    : QDialog(owner), titleFormat_(std::move(titleFormat)), picturePath_(std::move(picturePath))
{
    setTemplateId(this, kTemplateId);
    auto* ok = withControlId(new QPushButton(this), kOkId);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (const TransformButton& t : kTransforms) {
        auto* button = withControlId(new IconButton(this), t.id);
        button->setIcon(transformIcon(t.icon));
        button->setIconSize(QSize(16, 16));
        const JpegOperation operation = t.operation;
        connect(button, &QToolButton::clicked, this, [this, operation] { transform(operation); });
    }
    setFixedSize(kTemplateSize);
    placeButtons(kTemplateSize.width(), kTemplateSize.height() - kButtonRowHeight);
    updateTransformButtons();
    LoadPreviewPicture();
}

void PicturePreviewDialog::setTransformer(const JpegTransformer& transformer)
{
    transformer_ = transformer;
    updateTransformButtons();
}

void PicturePreviewDialog::updateTransformButtons()
{
    for (const TransformButton& t : kTransforms)
        findControl(this, t.id)->setEnabled(transformer_.hasTool());
    applyTexts();
}

void PicturePreviewDialog::applyTexts()
{
    ReapplyDialogTemplate(this, false, CurrentUiLanguage());
    if (transformer_.hasTool())
        return;
    // The disabled buttons tell what would make them work.
    const QString missing = cutTooltip(LoadUiText("preview.noJpegtran"));
    for (const TransformButton& t : kTransforms)
        findControl(this, t.id)->setToolTip(missing);
}

void PicturePreviewDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QDialog::changeEvent(event);
}

void PicturePreviewDialog::LoadPreviewPicture()
{
    picture_ = QPixmap();
    update();
    const QImage image = readPicture(picturePath_);
    if (image.isNull())
        return;
    setWindowTitle(fillNumbers(titleFormat_, {image.width(), image.height()}));
    const QSize shown = shownSize(image.size());
    // Made small once rather than at every paint; an enlarged one is only
    // stretched when painted, which costs no memory.
    const bool shrink = shown.width() < image.width();
    picture_ = QPixmap::fromImage(shrink ? image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                         : image);
    setFixedSize(shown.width(), shown.height() + kButtonRowHeight);
    placeButtons(shown.width(), shown.height());
}

void PicturePreviewDialog::placeButtons(int width, int pictureHeight)
{
    const int y = pictureHeight + 1;
    const int x0 = (width - kOkWidth) / 2;
    findControl(this, kOkId)->setGeometry(x0, y, kOkWidth, kButtonHeight);
    for (const TransformButton& t : kTransforms)
        findControl(this, t.id)->setGeometry(x0 + t.offset, y, kIconButtonSide, kIconButtonSide);
}

void PicturePreviewDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(0, 0, width(), height() - kButtonRowHeight), picture_);
}

void PicturePreviewDialog::transform(JpegOperation operation)
{
    QString reason;
    const JpegTransformer::Outcome outcome = transformer_.apply(picturePath_, operation, &reason);
    // A tool that refuses the picture (not a JPEG after all) leaves it as it
    // was, which is all the user needs to see.
    if (outcome == JpegTransformer::Outcome::Done)
        LoadPreviewPicture();
    else if (outcome == JpegTransformer::Outcome::ReplaceFailed)
        reportReplaceFailure(reason);
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void PicturePreviewDialog::reportReplaceFailure(const QString& reason)
{
    const std::array<UiArg, 2> inserts{UiArg(QDir::toNativeSeparators(picturePath_)), UiArg(reason)};
    QMessageBox::warning(this, Application::name(), formatMessage(LoadUiText("preview.replaceFailed"), inserts));
}

} // namespace quillora

#include "picture_preview_dialog.moc"
