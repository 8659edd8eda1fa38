// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "image_button.h"
#include "program_art.h"
#include "shaded_button.h"

#include <QSignalSpy>
#include <QSoundEffect>
#include <QTest>
#include <gtest/gtest.h>

using namespace quillora;
using Role = ImageButton::ColorRole;

namespace {

struct CaptionRow {
    const char* caption;
    const char* text;
    const char* tip;
};

class Captions : public testing::TestWithParam<CaptionRow> {};

// Through the property, as the dialog texts write it.
TEST_P(Captions, SplitAtTheFirstLineFeedAndTab)
{
    ImageButton button;
    button.setToolTip(QStringLiteral("stale"));
    button.setProperty("caption", QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(button.text(), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(button.toolTip(), QString::fromUtf8(GetParam().tip));
}

INSTANTIATE_TEST_SUITE_P(Rows, Captions, testing::Values(
    CaptionRow{"Exit", "Exit", ""},
    CaptionRow{"Send\n\tSends files to the phone", "Send", "Sends files to the phone"},
    CaptionRow{"Two\nlines\n\tTip\n\tmore", "Two\nlines", "Tip\n\tmore"},
    CaptionRow{"Tab\tonly\nfeed", "Tab\tonly\nfeed", ""},
    CaptionRow{"\n\tJust a tip", "", "Just a tip"}));

QIcon solidIcon(QColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// A new window under the cursor is entered without the cursor moving; the
// leave that follows needs a move the window saw first.
void settleMouse(QWidget& window, ImageButton* button)
{
    QTest::mouseMove(&window, button->geometry().center());
    QTest::mouseMove(&window, QPoint(window.width() - 10, window.height() - 10));
    ASSERT_FALSE(button->isHovered());
}

// A window with the button at the left and room to move the mouse outside.
class ButtonWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ImageButton::setSoundsEnabled(true);
        window.resize(300, 80);
        button->setGeometry(10, 10, 120, 40);
        button->setCaption(QStringLiteral("Send"));
        button->setIcon(solidIcon(Qt::red), QSize(16, 16), ImageButton::OutIcon::Grey);
        button->setColor(Role::OutBackground, QColor(10, 20, 30));
        button->setColor(Role::InBackground, QColor(10, 20, 30));
        button->offsetColor(Role::InBackground, 30);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 5000));
        settleMouse(window, button);
    }
    void TearDown() override
    {
        ImageButton::setSoundsEnabled(true);
        // Qt 6.4 hangs at exit if a sample is still loading.
        for (const QSoundEffect* effect : button->findChildren<QSoundEffect*>())
            EXPECT_TRUE(QTest::qWaitFor([effect] { return effect->status() != QSoundEffect::Loading; }, 5000));
    }

    void enterAndLeave(int moves)
    {
        QTest::mouseMove(&window, QPoint(200, 30));
        for (int i = 0; i < moves; ++i)
            QTest::mouseMove(&window, QPoint(20 + 10 * i, 20 + i));
        QTest::mouseMove(&window, QPoint(200, 30));
    }

    QColor iconPixel() const { return button->grab().toImage().pixelColor(3, 20); }

    QWidget window;
    ImageButton* button = new ImageButton(&window);
};

TEST_F(ButtonWindow, HoverSoundOncePerEntry)
{
    button->setSounds(clickSoundUrl(), QUrl());
    QSignalSpy played(button, &ImageButton::soundPlayed);
    enterAndLeave(6);
    enterAndLeave(3);
    ASSERT_EQ(played.count(), 2);
    EXPECT_EQ(played.at(0).at(0).value<ImageButton::Sound>(), ImageButton::Sound::Hover);
    EXPECT_FALSE(button->isHovered());
    ASSERT_EQ(button->findChildren<QSoundEffect*>().size(), 1);
    EXPECT_EQ(button->findChild<QSoundEffect*>()->source(), clickSoundUrl());
}

TEST_F(ButtonWindow, ClickSoundOnClick)
{
    button->setSounds(QUrl(), clickSoundUrl());
    QSignalSpy played(button, &ImageButton::soundPlayed);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 20));
    ASSERT_EQ(played.count(), 1) << "the hover sound is empty";
    EXPECT_EQ(played.at(0).at(0).value<ImageButton::Sound>(), ImageButton::Sound::Click);
}

TEST_F(ButtonWindow, DisabledSoundsCreateNoPlayer)
{
    // In the order the main window's set-up uses.
    button->setSounds(clickSoundUrl(), clickSoundUrl());
    ImageButton::setSoundsEnabled(false);
    QCoreApplication::processEvents();
    QSignalSpy played(button, &ImageButton::soundPlayed);
    enterAndLeave(3);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(played.count(), 0);
    EXPECT_TRUE(button->findChildren<QSoundEffect*>().isEmpty());
}

TEST_F(ButtonWindow, GreyIconAndStateColoursUntilHovered)
{
    button->setColor(Role::FocusBackground, QColor(70, 80, 90));
    button->setFocus();
    EXPECT_EQ(button->grab().toImage().pixelColor(2, 2), QColor(70, 80, 90));
    button->clearFocus();
    EXPECT_EQ(iconPixel(), QColor(76, 76, 76));
    EXPECT_EQ(button->grab().toImage().pixelColor(2, 2), QColor(10, 20, 30));
    QTest::mouseMove(&window, QPoint(100, 30));
    ASSERT_TRUE(button->isHovered());
    EXPECT_EQ(iconPixel(), QColor(Qt::red));
    EXPECT_EQ(button->grab().toImage().pixelColor(2, 2), QColor(40, 50, 60)) << "in-background offset by 30";
}

TEST_F(ButtonWindow, PressedContentMovesByOnePixel)
{
    button->setDown(true);
    const QImage pressed = button->grab().toImage();
    EXPECT_EQ(pressed.pixelColor(3, 20), QColor(40, 50, 60));
    EXPECT_EQ(pressed.pixelColor(4, 20), QColor(Qt::red)) << "the in-icon while pressed";
}

TEST_F(ButtonWindow, NoHoverWhileDisabledOrNotFlat)
{
    button->setEnabled(false);
    enterAndLeave(2);
    QTest::mouseMove(&window, QPoint(100, 30));
    EXPECT_FALSE(button->isHovered());
    EXPECT_NE(iconPixel(), QColor(Qt::red));
    button->setEnabled(true);
    button->setFlat(false);
    QTest::mouseMove(&window, QPoint(90, 30));
    EXPECT_FALSE(button->isHovered());
}

TEST(ImageButtonSize, HintHoldsIconAndText)
{
    ImageButton button;
    button.setIcon(solidIcon(Qt::blue), QSize(32, 32), ImageButton::OutIcon::Darker);
    button.setCaption(QStringLiteral("Settings\n\tChange the settings"));
    const QSize hint = button.sizeHint();
    EXPECT_GT(hint.width(), 32 + button.fontMetrics().horizontalAdvance(QStringLiteral("Settings")));
    EXPECT_GE(hint.height(), 32);
    button.setCaption(QStringLiteral("Settings\nand more"));
    EXPECT_GE(button.sizeHint().height(), 2 * button.fontMetrics().height()) << "two lines need two lines";
}

class ShadedWindow : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(300, 100);
        button->setGeometry(10, 10, 100, 50);
        button->setShade(6, 8, 50, 50, QColor(192, 220, 255));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 5000));
        settleMouse(window, button);
    }

    QWidget window;
    ShadedButton* button = new ShadedButton(&window);
};

TEST_F(ShadedWindow, DrawsItsShadeAndTheLighterOneWhileHovered)
{
    ASSERT_EQ(button->normalImage().size(), QSize(100, 50));
    EXPECT_EQ(button->grab().toImage().pixel(50, 25), button->normalImage().pixel(50, 25));
    QTest::mouseMove(&window, QPoint(60, 35));
    ASSERT_TRUE(button->isHovered());
    EXPECT_EQ(button->grab().toImage().pixel(50, 25), button->hoverImage().pixel(50, 25));
    EXPECT_NE(button->hoverImage().color(0), button->normalImage().color(0));
}

TEST_F(ShadedWindow, ResizingMakesANewShade)
{
    button->resize(140, 60);
    EXPECT_EQ(button->normalImage().size(), QSize(140, 60));
    EXPECT_EQ(button->hoverImage().size(), QSize(140, 60));
}

} // namespace
