// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The program's pictures, sound and file dialogs: everything the windows
// take from resources must be there and readable.
#include "file_chooser.h"
#include "program_art.h"
#include "wav_container.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quillora;

namespace {

struct IconRow {
    const char* name;
    QIcon (*make)();
    int size;
};

class ProgramIcons : public testing::TestWithParam<IconRow> {};

bool hasOpaquePixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 200)
                return true;
    return false;
}

TEST_P(ProgramIcons, DrawAtTheirSize)
{
    const QIcon icon = GetParam().make();
    ASSERT_FALSE(icon.isNull()) << GetParam().name;
    const QImage image = icon.pixmap(QSize(GetParam().size, GetParam().size)).toImage();
    EXPECT_EQ(image.size(), QSize(GetParam().size, GetParam().size));
    EXPECT_TRUE(hasOpaquePixel(image));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corners stay transparent";
}

INSTANTIATE_TEST_SUITE_P(Rows, ProgramIcons, testing::Values(
    IconRow{"application16", applicationIcon, 16}, IconRow{"application32", applicationIcon, 32},
    IconRow{"application48", applicationIcon, 48}, IconRow{"application64", applicationIcon, 64},
    IconRow{"application128", applicationIcon, 128}, IconRow{"application256", applicationIcon, 256},
    IconRow{"settings", settingsIcon, 32}, IconRow{"send", sendIcon, 32}, IconRow{"receive", receiveIcon, 32},
    IconRow{"exit", exitIcon, 32}, IconRow{"exitSmall", exitIcon, 16}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramArt, ApplicationIconHasEverySize)
{
    const QList<QSize> sizes = applicationIcon().availableSizes();
    for (int s : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
}

TEST(ProgramArt, BannerIsOpaqueAcrossItsWidth)
{
    const QImage banner = welcomeBanner().toImage();
    ASSERT_EQ(banner.size(), QSize(400, 60));
    EXPECT_EQ(qAlpha(banner.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(banner.pixel(399, 59)), 255);
}

TEST(ProgramArt, ClickIsAShortMonoWave)
{
    QFile file(QStringLiteral(":") + clickSoundUrl().path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(clickSoundUrl().toString());
    const QByteArray bytes = file.readAll();
    const auto image = audio::WavImage::of(
        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    audio::WavFormat format;
    ASSERT_EQ(audio::ParseWavHeader(image, format), audio::AudioResult::Ok);
    ASSERT_EQ(audio::CheckWavFormat(image, format), audio::AudioResult::Ok);
    EXPECT_EQ(format.formatTag, audio::WavFormatTag::Pcm);
    EXPECT_EQ(format.channels, 1);
    EXPECT_EQ(format.sampleRate, 22050u);
    EXPECT_EQ(format.blockAlign, 2) << "16-bit samples";
    const double ms = 1000.0 * format.dataBytes / 2 / format.sampleRate;
    EXPECT_GT(ms, 20);
    EXPECT_LT(ms, 80);
}

TEST(ProgramArt, ClickLoadsAsASoundEffect)
{
    QSoundEffect effect;
    effect.setSource(clickSoundUrl());
    EXPECT_TRUE(QTest::qWaitFor([&effect] { return effect.status() != QSoundEffect::Loading; }, 5000));
    EXPECT_EQ(effect.status(), QSoundEffect::Ready);
}

class RecordingChooser : public FileChooser {
public:
    QStringList openFiles(QWidget*, const OpenFileRequest&) override { return {QStringLiteral("/a")}; }
    QString saveFile(QWidget*, const SaveFileRequest&) override { return QStringLiteral("/b"); }
    QString chooseFolder(QWidget*, const FolderRequest&) override { return QStringLiteral("/c"); }
};

TEST(FileChoosers, ATestChooserStandsInUntilCleared)
{
    FileChooser& dialogs = fileChooser();
    RecordingChooser fake;
    setFileChooser(&fake);
    EXPECT_EQ(&fileChooser(), &fake);
    setFileChooser(nullptr);
    EXPECT_EQ(&fileChooser(), &dialogs);
    EXPECT_EQ(dynamic_cast<RecordingChooser*>(&fileChooser()), nullptr);
}

// Answers the next file dialog from inside its own event loop.
template <typename Answer>
void answerDialog(Answer answer)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            answer(dialog);
        }
    });
    timer->start(10);
}

TEST(FileChoosers, ManyLongNamesComeBackInOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList names, expected;
    for (int i = 0; i < 300; ++i) {
        const QString name = QStringLiteral("%1 a rather long ringtone name to fill the buffer.wav").arg(299 - i, 3, 10, QChar(u'0'));
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        names << QLatin1Char('"') + name + QLatin1Char('"');
        expected << dir.filePath(name);
    }
    OpenFileRequest request;
    request.folder = dir.path();
    request.filters = {QStringLiteral("Images (*.png)"), QStringLiteral("Sounds (*.wav)")};
    request.selectedFilter = 1;
    request.multiple = true;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QString filter;
    answerDialog([&](QFileDialog* dialog) {
        mode = dialog->fileMode();
        filter = dialog->selectedNameFilter();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(names.join(QLatin1Char(' ')));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
    });
    const QStringList chosen = fileChooser().openFiles(nullptr, request);
    EXPECT_EQ(mode, QFileDialog::ExistingFiles);
    EXPECT_EQ(filter, request.filters[1]);
    EXPECT_EQ(chosen, expected);
}

} // namespace
