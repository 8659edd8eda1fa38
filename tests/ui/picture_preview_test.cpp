// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "dialog_test_env.h"
#include "jpeg_transform.h"
#include "picture_preview_dialog.h"
#include "ui_strings.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

using namespace quillora;
using Outcome = JpegTransformer::Outcome;

namespace {

constexpr int kTransformIds[] = {1032, 1031, 1030, 1033, 1034};

// Four colours, one per quadrant, so that every turn and flip shows.
QImage quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = width / 2, h = height / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, width - w, h, Qt::green);
    painter.fillRect(0, h, w, height - h, Qt::blue);
    painter.fillRect(w, h, width - w, height - h, Qt::yellow);
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

// An APP1 segment that says "shown turned by 90°", right after the SOI.
QByteArray withExifOrientation(QByteArray jpeg)
{
    const QByteArray tiff = QByteArray("MM\x00\x2a\x00\x00\x00\x08"
                                       "\x00\x01"
                                       "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
                                       "\x00\x00\x00\x00",
                                       26);
    const QByteArray payload = QByteArray("Exif\x00\x00", 6) + tiff;
    const qsizetype length = payload.size() + 2;
    QByteArray segment("\xff\xe1");
    segment += char(length >> 8);
    segment += char(length & 0xff);
    return jpeg.insert(2, segment + payload);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A stand-in for jpegtran: `body` runs with $out set to its -outfile and
// $in to its last argument.
QString writeTool(const QString& folder, const QString& name, const QByteArray& body)
{
    const QString path = folder + u'/' + name;
    const QByteArray script = "#!/bin/sh\n"
                              "for a; do in=$a; done\n"
                              "while [ $# -gt 0 ]; do [ \"$1\" = -outfile ] && out=$2; shift; done\n"
                              + body + '\n';
    writeFile(path, script);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

bool runJpegtran(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

// Answers every message box that opens while it lives, keeping its text.
class MessageBoxWatch {
public:
    MessageBoxWatch()
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->reject();
            }
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};

bool sameColour(QRgb a, QRgb b)
{
    constexpr int kTolerance = 40;
    return std::abs(qRed(a) - qRed(b)) <= kTolerance && std::abs(qGreen(a) - qGreen(b)) <= kTolerance
           && std::abs(qBlue(a) - qBlue(b)) <= kTolerance;
}

// The dialog paints `expected` stretched over all of it but the button row.
void expectShows(PicturePreviewDialog& dialog, const QImage& expected)
{
    const QImage shown = dialog.grab().toImage();
    const QSize area(dialog.width(), dialog.height() - PicturePreviewDialog::kButtonRowHeight);
    for (double fx : {0.25, 0.75})
        for (double fy : {0.25, 0.75}) {
            const QRgb want = expected.pixel(int(fx * expected.width()), int(fy * expected.height()));
            const QRgb got = shown.pixel(int(fx * area.width()), int(fy * area.height()));
            EXPECT_TRUE(sameColour(want, got)) << "at " << fx << ',' << fy << ": " << std::hex << want << " shown as "
                                               << got;
        }
    // The button row's left corner is no part of the picture.
    const QRgb bottomLeft = expected.pixel(0, expected.height() - 1);
    EXPECT_FALSE(sameColour(bottomLeft, shown.pixel(1, dialog.height() - 2)));
}

class PreviewTest : public DialogTest {
protected:
    QString picture(const QString& name = QStringLiteral("photo.jpg")) const { return pictures_.filePath(name); }
    QString writePicture(const QByteArray& bytes, const QString& name = QStringLiteral("photo.jpg")) const
    {
        EXPECT_TRUE(writeFile(picture(name), bytes));
        return picture(name);
    }
    std::unique_ptr<PicturePreviewDialog> open(const QString& path) const
    {
        return std::make_unique<PicturePreviewDialog>(LoadUiString(603), path);
    }
    QString fakeTool(const QByteArray& body) const
    {
        return writeTool(tools_.path(), QStringLiteral("tool%1").arg(++toolCount_), body);
    }
    // The tool that comes with libjpeg-turbo-progs; empty when not installed.
    static QString realJpegtran() { return QStandardPaths::findExecutable(QStringLiteral("jpegtran")); }

    QTemporaryDir pictures_;
    QTemporaryDir tools_;
    mutable int toolCount_ = 0;
};

TEST_F(PreviewTest, WindowFollowsThePictureSize)
{
    const struct {
        int width, height;
        const char* format;
        bool exifTurned;
        QString title;
        QSize client;
        int okX;
    } rows[] = {
        {640, 480, "JPEG", false, QStringLiteral("Received photo preview (640x480)"), {320, 262}, 120},
        {1600, 1200, "JPEG", false, QStringLiteral("Received photo preview (1600x1200)"), {400, 322}, 160},
        {100, 80, "JPEG", false, QStringLiteral("Received photo preview (100x80)"), {400, 342}, 160},
        {241, 100, "JPEG", false, QStringLiteral("Received photo preview (241x100)"), {241, 122}, 80},
        {240, 180, "JPEG", false, QStringLiteral("Received photo preview (240x180)"), {240, 202}, 80},
        {644, 483, "JPEG", false, QStringLiteral("Received photo preview (644x483)"), {322, 262}, 121},
        {640, 480, "JPEG", true, QStringLiteral("Received photo preview (640x480)"), {320, 262}, 120},
        {100, 80, "PNG", false, QStringLiteral("Received photo preview (100x80)"), {400, 342}, 160},
        {333, 201, "BMP", false, QStringLiteral("Received photo preview (333x201)"), {332, 222}, 126},
    };
    const struct {
        int id, offset;
    } icons[] = {{1032, -52}, {1031, -26}, {1030, 85}, {1033, 111}, {1034, 137}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title.toStdString() + " " + row.format + (row.exifTurned ? " turned by EXIF" : ""));
        QByteArray bytes = encoded(quadrants(row.width, row.height), row.format);
        if (row.exifTurned) {
            bytes = withExifOrientation(bytes);
            QBuffer buffer(&bytes);
            QImageReader turning(&buffer);
            turning.setAutoTransform(true);
            ASSERT_EQ(turning.read().size(), QSize(row.height, row.width)) << "the EXIF segment is not read";
        }
        const auto dialog = open(writePicture(bytes));
        EXPECT_EQ(dialog->windowTitle(), row.title);
        EXPECT_EQ(dialog->size(), row.client);
        const int y = row.client.height() - PicturePreviewDialog::kButtonRowHeight + 1;
        EXPECT_EQ(findControl(dialog.get(), 1)->geometry(), QRect(row.okX, y, 80, 21));
        for (const auto& icon : icons)
            EXPECT_EQ(findControl(dialog.get(), icon.id)->geometry(), QRect(row.okX + icon.offset, y, 21, 21))
                << "control " << icon.id;
        expectShows(*dialog, quadrants(row.width, row.height));
    }
}

TEST_F(PreviewTest, UnreadableFilesOpenAnEmptyWindow)
{
    QByteArray noise(4096, '\0');
    QRandomGenerator random(20260);
    for (char& c : noise)
        c = char(random.bounded(256));
    const QByteArray jpeg = encoded(quadrants(640, 480), "JPEG");
    const struct {
        const char* what;
        QString path;
    } rows[] = {
        {"random bytes", writePicture(noise, QStringLiteral("noise.jpg"))},
        {"empty file", writePicture(QByteArray(), QStringLiteral("empty.jpg"))},
        {"header cut short", writePicture(jpeg.left(40), QStringLiteral("short.jpg"))},
        {"text named .png", writePicture("just some words\n", QStringLiteral("words.png"))},
        {"missing file", picture(QStringLiteral("absent.jpg"))},
        {"folder", pictures_.path()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto dialog = open(row.path);
        dialog->show();
        EXPECT_TRUE(dialog->windowTitle().isEmpty()) << dialog->windowTitle().toStdString();
        EXPECT_EQ(dialog->size(), PicturePreviewDialog::kTemplateSize);
        EXPECT_TRUE(dialog->rect().contains(findControl(dialog.get(), 1)->geometry()));
        EXPECT_FALSE(dialog->grab().isNull());
    }
}

// The data may end early; the header still tells the size.
TEST_F(PreviewTest, TruncatedJpegShowsAtItsOwnSize)
{
    const QByteArray jpeg = encoded(quadrants(640, 480), "JPEG");
    const auto dialog = open(writePicture(jpeg.left(jpeg.size() / 2)));
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Received photo preview (640x480)"));
    EXPECT_EQ(dialog->size(), QSize(320, 262));
}

TEST_F(PreviewTest, TextsComeFromTheTemplate)
{
    const auto dialog = open(writePicture(encoded(quadrants(640, 480), "JPEG")));
    dialog->setTransformer(JpegTransformer(fakeTool("exit 1")));
    auto* ok = findControlAs<QAbstractButton>(dialog.get(), 1);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->toolTip().isEmpty());
    for (LocaleId language : {kFrench, kEnglishUs}) {
        app_.SetUiLanguage(language);
        QCoreApplication::processEvents();
        for (int id : kTransformIds) {
            auto* button = findControlAs<QToolButton>(dialog.get(), id);
            ASSERT_NE(button, nullptr) << id;
            EXPECT_TRUE(button->isEnabled());
            EXPECT_EQ(button->toolTip(), templateText(114, id, language)) << id;
            EXPECT_FALSE(button->toolTip().isEmpty()) << id;
            EXPECT_TRUE(button->text().isEmpty()) << id;
            EXPECT_FALSE(button->icon().isNull()) << id;
        }
    }
    const QString longText = QStringLiteral("Turn the picture a quarter of a turn, keeping every pixel it has; ")
                                 .repeated(2);
    ASSERT_GT(longText.size(), 79);
    for (int id : kTransformIds) {
        setControlText(findControl(dialog.get(), id), longText);
        EXPECT_EQ(findControl(dialog.get(), id)->toolTip(), longText.left(79)) << id;
    }
    dialog->show();
    click(dialog.get(), 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(PreviewTest, MissingToolDisablesTheTransforms)
{
    const QString notExecutable = tools_.filePath(QStringLiteral("jpegtran"));
    ASSERT_TRUE(writeFile(notExecutable, "#!/bin/sh\nexit 0\n"));
    const QString path = writePicture(encoded(quadrants(640, 480), "JPEG"));
    const QByteArray before = readFile(path);
    for (const QString& tool : {tools_.filePath(QStringLiteral("absent")), notExecutable, tools_.path()}) {
        SCOPED_TRACE(tool.toStdString());
        EXPECT_FALSE(JpegTransformer(tool).hasTool());
        EXPECT_EQ(JpegTransformer(tool).apply(path, JpegOperation::RotateClockwise), Outcome::ToolMissing);
        const auto dialog = open(path);
        dialog->setTransformer(JpegTransformer(tool));
        for (LocaleId language : {kFrench, kEnglishUs}) {
            app_.SetUiLanguage(language);
            QCoreApplication::processEvents();
            for (int id : kTransformIds) {
                QWidget* button = findControl(dialog.get(), id);
                EXPECT_FALSE(button->isEnabled()) << id;
                EXPECT_TRUE(button->toolTip().contains(QStringLiteral("libjpeg-turbo-progs"))) << id;
                EXPECT_NE(button->toolTip(), templateText(114, id, language)) << id;
            }
        }
        EXPECT_TRUE(findControl(dialog.get(), 1)->isEnabled());
    }
    EXPECT_EQ(readFile(path), before);
}

TEST_F(PreviewTest, ToolIsLookedForBesideTheProgramThenOnThePath)
{
    ASSERT_TRUE(QStandardPaths::findExecutable(QStringLiteral("jpegtran"), {QCoreApplication::applicationDirPath()})
                    .isEmpty());
    const QByteArray path = qgetenv("PATH");
    const QString onPath = writeTool(tools_.path(), QStringLiteral("jpegtran"), "exit 0");
    qputenv("PATH", QFile::encodeName(tools_.path()));
    const QString found = findJpegtran();
    qputenv("PATH", QFile::encodeName(pictures_.path()));
    const QString none = findJpegtran();
    qputenv("PATH", path);
    EXPECT_EQ(found, onPath);
    EXPECT_TRUE(none.isEmpty()) << none.toStdString();
}

TEST_F(PreviewTest, EachTransformMatchesJpegtranByHand)
{
    const QString jpegtran = realJpegtran();
    if (jpegtran.isEmpty())
        GTEST_SKIP() << "jpegtran is not installed";
    const struct {
        int id;
        QStringList switches;
    } rows[] = {
        {1032, {QStringLiteral("-flip"), QStringLiteral("horizontal")}},
        {1031, {QStringLiteral("-rotate"), QStringLiteral("270")}},
        {1030, {QStringLiteral("-rotate"), QStringLiteral("90")}},
        {1033, {QStringLiteral("-flip"), QStringLiteral("vertical")}},
        {1034, {QStringLiteral("-grayscale")}},
    };
    const QByteArray original = encoded(quadrants(640, 480), "JPEG");
    const QString handIn = tools_.filePath(QStringLiteral("hand-in.jpg"));
    const QString handOut = tools_.filePath(QStringLiteral("hand-out.jpg"));
    ASSERT_TRUE(writeFile(handIn, original));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.switches.join(u' ').toStdString());
        ASSERT_TRUE(runJpegtran(jpegtran, QStringList(row.switches) << QStringLiteral("-outfile") << handOut << handIn));
        const QByteArray expected = readFile(handOut);
        const QImage expectedImage = QImage::fromData(expected, "JPEG");
        const QString path = writePicture(original);
        // Not the 0600 of a new temporary file.
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QFile::Permissions permissions = QFile::permissions(path);
        const auto dialog = open(path);
        dialog->setTransformer(JpegTransformer(jpegtran));
        dialog->show();
        click(dialog.get(), row.id);
        ASSERT_NE(expected, original);
        EXPECT_EQ(readFile(path), expected);
        EXPECT_EQ(QFile::permissions(path), permissions);
        EXPECT_EQ(entries(pictures_.path()), QStringList{QStringLiteral("photo.jpg")});
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Received photo preview (%1x%2)")
                                             .arg(expectedImage.width())
                                             .arg(expectedImage.height()));
        EXPECT_EQ(dialog->width(), expectedImage.width() / 2);
        expectShows(*dialog, expectedImage);
    }
}

// The file's name goes to the tool as an argument of its own, never through
// a shell, and never where the tool would take it for one of its switches.
TEST_F(PreviewTest, NameWithSpacesQuotesAndALeadingDash)
{
    const QString jpegtran = realJpegtran();
    if (jpegtran.isEmpty())
        GTEST_SKIP() << "jpegtran is not installed";
    const QString name = QStringLiteral("-x 'a b\".jpg");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(pictures_.path()));
    for (const QString& path : {picture(name), name}) {
        SCOPED_TRACE(path.toStdString());
        writePicture(encoded(quadrants(640, 480), "JPEG"), name);
        const auto dialog = open(path);
        dialog->setTransformer(JpegTransformer(jpegtran));
        click(dialog.get(), 1030);
        QImageReader reader(picture(name), "jpeg");
        EXPECT_EQ(reader.size(), QSize(480, 640));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Received photo preview (480x640)"));
        EXPECT_EQ(dialog->size(), QSize(240, 342));
        EXPECT_EQ(entries(pictures_.path()), QStringList{name});
    }
    QDir::setCurrent(cwd);
}

// jpegtran refuses a picture that is no JPEG, whatever its name says; the
// user sees the picture unchanged and no message.
TEST_F(PreviewTest, PictureThatIsNoJpegStaysSilently)
{
    const QString jpegtran = realJpegtran();
    if (jpegtran.isEmpty())
        GTEST_SKIP() << "jpegtran is not installed";
    const QString path = writePicture(encoded(quadrants(100, 80), "PNG"));
    const QByteArray before = readFile(path);
    const auto dialog = open(path);
    dialog->setTransformer(JpegTransformer(jpegtran));
    const QString title = dialog->windowTitle();
    MessageBoxWatch boxes;
    for (int id : kTransformIds) {
        click(dialog.get(), id);
        EXPECT_EQ(readFile(path), before) << id;
        EXPECT_EQ(entries(pictures_.path()), QStringList{QStringLiteral("photo.jpg")}) << id;
    }
    EXPECT_EQ(dialog->windowTitle(), title);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'\n').toStdString();
    EXPECT_EQ(JpegTransformer(jpegtran).apply(path, JpegOperation::Greyscale), Outcome::ToolFailed);
}

TEST_F(PreviewTest, FailingToolLeavesThePictureAsItWas)
{
    const QString jpegPath = tools_.filePath(QStringLiteral("valid.jpg"));
    const QString pngPath = tools_.filePath(QStringLiteral("valid.png"));
    ASSERT_TRUE(writeFile(jpegPath, encoded(quadrants(64, 48), "JPEG")));
    ASSERT_TRUE(writeFile(pngPath, encoded(quadrants(64, 48), "PNG")));
    const struct {
        const char* what;
        QByteArray body;
        Outcome outcome;
    } rows[] = {
        {"exits with 1", "exit 1", Outcome::ToolFailed},
        {"writes nothing", "exit 0", Outcome::BadOutput},
        {"writes garbage", "printf 'no picture at all' > \"$out\"", Outcome::BadOutput},
        {"writes a PNG", "cp '" + QFile::encodeName(pngPath) + "' \"$out\"", Outcome::BadOutput},
        {"writes a JPEG, then crashes", "cp '" + QFile::encodeName(jpegPath) + "' \"$out\"; kill -9 $$",
         Outcome::ToolFailed},
        {"writes a JPEG, then fails", "cp '" + QFile::encodeName(jpegPath) + "' \"$out\"; exit 2", Outcome::ToolFailed},
        {"outlasts the time limit", "exec sleep 20", Outcome::ToolFailed},
    };
    const QString path = writePicture(encoded(quadrants(640, 480), "JPEG"));
    const QByteArray before = readFile(path);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        JpegTransformer transformer(fakeTool(row.body));
        transformer.setTimeLimit(std::chrono::milliseconds(400));
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(transformer.apply(path, JpegOperation::RotateClockwise), row.outcome);
        EXPECT_LT(clock.elapsed(), 2000);
        const auto dialog = open(path);
        dialog->setTransformer(transformer);
        MessageBoxWatch boxes;
        click(dialog.get(), 1030);
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'\n').toStdString();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Received photo preview (640x480)"));
        EXPECT_EQ(readFile(path), before);
        EXPECT_EQ(entries(pictures_.path()), QStringList{QStringLiteral("photo.jpg")});
    }
}

// A result that cannot take the picture's place is reported, and removed.
TEST_F(PreviewTest, FailedReplaceIsReported)
{
    const QString jpegPath = tools_.filePath(QStringLiteral("valid.jpg"));
    ASSERT_TRUE(writeFile(jpegPath, encoded(quadrants(64, 48), "JPEG")));
    // A folder now holds the picture's name: nothing can be renamed over it.
    const QString tool = writeTool(tools_.path(), QStringLiteral("blocker"),
                                   "cp '" + QFile::encodeName(jpegPath) + "' \"$out\"\n"
                                   "rm -f \"$in\" && mkdir -p \"$in/inside\"");
    for (bool throughDialog : {false, true}) {
        SCOPED_TRACE(throughDialog ? "dialog" : "transformer");
        QDir(picture()).removeRecursively();
        const QString path = writePicture(encoded(quadrants(640, 480), "JPEG"));
        QString reason;
        if (!throughDialog) {
            EXPECT_EQ(JpegTransformer(tool).apply(path, JpegOperation::FlipVertical, &reason), Outcome::ReplaceFailed);
            EXPECT_FALSE(reason.isEmpty());
        } else {
            const auto dialog = open(path);
            dialog->setTransformer(JpegTransformer(tool));
            MessageBoxWatch boxes;
            click(dialog.get(), 1033);
            ASSERT_EQ(boxes.texts.size(), 1);
            EXPECT_TRUE(boxes.texts[0].contains(path)) << boxes.texts[0].toStdString();
        }
        EXPECT_EQ(entries(pictures_.path()), QStringList{QStringLiteral("photo.jpg")});
    }
}

} // namespace
