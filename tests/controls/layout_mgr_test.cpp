// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "layout_anchors.h"
#include "layout_mgr.h"

#include <QListWidget>
#include <QPushButton>
#include <QSizeGrip>
#include <QTest>
#include <gtest/gtest.h>

using namespace quillora;
using namespace quillora::anchor;

namespace {

struct BitsRow {
    const char* name;
    QRect child;
    int bits;
};

class AnchorBits : public testing::TestWithParam<BitsRow> {};

// Splits at x 200 and y 150.
TEST_P(AnchorBits, FromTheEdgesAgainstTheSplits)
{
    EXPECT_EQ(anchorBits(GetParam().child, 200, 150), GetParam().bits) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Rows, AnchorBits, testing::Values(
    BitsRow{"list across both splits", QRect(10, 10, 300, 140), StretchWidth | StretchHeight},
    BitsRow{"button right of the split", QRect(210, 10, 80, 25), MoveRight},
    BitsRow{"left edge on the split moves", QRect(200, 10, 80, 25), MoveRight},
    BitsRow{"button below, left", QRect(10, 160, 100, 25), MoveDown},
    BitsRow{"right edge on the split stretches", QRect(10, 160, 190, 25), MoveDown | StretchWidth},
    BitsRow{"right edge one short stays", QRect(10, 160, 189, 25), MoveDown},
    BitsRow{"corner button", QRect(210, 160, 80, 25), MoveRight | MoveDown},
    BitsRow{"clear of both", QRect(10, 10, 50, 50), 0}));

TEST(AnchorBits, NoSplitNeitherMovesNorStretches)
{
    EXPECT_EQ(anchorBits(QRect(500, 500, 900, 900), NoSplit, NoSplit), 0);
    EXPECT_EQ(resolveSplit(0, 400), NoSplit);
    EXPECT_EQ(resolveSplit(-1, 401), 200);
    EXPECT_EQ(resolveSplit(37, 400), 37);
}

struct MoveRow {
    QRect child;
    int bits;
    QSize change;
    QRect moved;
};

class AnchoredRects : public testing::TestWithParam<MoveRow> {};

TEST_P(AnchoredRects, FollowTheSizeChange)
{
    EXPECT_EQ(anchoredRect(GetParam().child, GetParam().bits, GetParam().change), GetParam().moved);
}

INSTANTIATE_TEST_SUITE_P(Rows, AnchoredRects, testing::Values(
    MoveRow{QRect(10, 10, 300, 140), StretchWidth | StretchHeight, QSize(50, 20), QRect(10, 10, 350, 160)},
    MoveRow{QRect(210, 10, 80, 25), MoveRight, QSize(50, 20), QRect(260, 10, 80, 25)},
    MoveRow{QRect(210, 160, 80, 25), MoveRight | MoveDown, QSize(-30, -10), QRect(180, 150, 80, 25)},
    MoveRow{QRect(10, 160, 190, 25), MoveDown | StretchWidth, QSize(5, 7), QRect(10, 167, 195, 25)},
    MoveRow{QRect(10, 10, 40, 40), StretchWidth, QSize(-60, 0), QRect(10, 10, 0, 40)},
    MoveRow{QRect(10, 10, 40, 40), 0, QSize(99, 99), QRect(10, 10, 40, 40)}));

struct MinimumRow {
    const char* name;
    int flags;
    QSize minimum;
};

class MinimumSizes : public testing::TestWithParam<MinimumRow> {};

// A 400 × 300 client whose stretching children are 300 and 120 wide, and
// 140 tall; scroll-bar allowance 40 × 40.
TEST_P(MinimumSizes, LimitedByTheSmallestStretchingChild)
{
    const std::vector<AnchoredChild> children{
        {QRect(10, 10, 300, 140), StretchWidth | StretchHeight},
        {QRect(10, 160, 120, 25), StretchWidth | MoveDown},
        {QRect(320, 10, 10, 10), MoveRight},
    };
    EXPECT_EQ(minimumClientSize(QSize(400, 300), children, GetParam().flags, QSize(40, 40)), GetParam().minimum)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Rows, MinimumSizes, testing::Values(
    MinimumRow{"with the allowance", 0, QSize(320, 200)},
    MinimumRow{"no allowance", 2 | 4, QSize(280, 160)},
    MinimumRow{"whole width", 16, QSize(400, 200)},
    MinimumRow{"whole height", 64, QSize(320, 300)}));

TEST(MinimumSizes, NeverAboveThePresentSize)
{
    const std::vector<AnchoredChild> slim{{QRect(0, 0, 10, 10), StretchWidth | StretchHeight}};
    EXPECT_EQ(minimumClientSize(QSize(100, 80), slim, 0, QSize(40, 40)), QSize(100, 80));
    EXPECT_EQ(minimumClientSize(QSize(100, 80), {}, 2 | 4, QSize(40, 40)), QSize(100, 80));
}

// The phone browser's arrangement: a list with buttons at its right, a
// select-all button under it and OK in the corner.
class BrowserLikeDialog : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        list->setGeometry(10, 10, 300, 200);
        top->setGeometry(320, 10, 70, 25);
        selectAll->setGeometry(10, 220, 100, 25);
        ok->setGeometry(320, 260, 70, 25);
        LayoutMgr::attach(&window, selectAll, list, LayoutMgr::SizeGrip | LayoutMgr::KeepMinimumWidth);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 5000));
    }

    QWidget window;
    QListWidget* list = new QListWidget(&window);
    QPushButton* top = new QPushButton(&window);
    QPushButton* selectAll = new QPushButton(&window);
    QPushButton* ok = new QPushButton(&window);
};

TEST_F(BrowserLikeDialog, GrowingMovesTheButtonsAndStretchesTheList)
{
    EXPECT_EQ(list->property("LayoutMgr_flags").toInt(), StretchWidth | StretchHeight);
    window.resize(500, 380);
    EXPECT_EQ(list->geometry(), QRect(10, 10, 400, 280));
    EXPECT_EQ(top->geometry(), QRect(420, 10, 70, 25));
    EXPECT_EQ(ok->geometry(), QRect(420, 340, 70, 25));
    EXPECT_EQ(selectAll->geometry(), QRect(10, 300, 200, 25)) << "the split's own control reaches it";
    const auto* grip = window.findChild<QSizeGrip*>();
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(grip->geometry().bottomRight(), QPoint(499, 379));
    window.resize(400, 300);
    EXPECT_EQ(list->geometry(), QRect(10, 10, 300, 200)) << "and back";
}

TEST_F(BrowserLikeDialog, ShrinkingBelowTheMinimumIsRefused)
{
    EXPECT_EQ(window.minimumWidth(), 400) << "flag 16 keeps the whole width";
    EXPECT_LT(window.minimumHeight(), 300);
    window.resize(250, 20);
    EXPECT_EQ(window.size(), QSize(400, window.minimumHeight()));
    EXPECT_EQ(list->height(), 200 - (300 - window.minimumHeight()));
    EXPECT_GT(list->height(), 0);
}

TEST_F(BrowserLikeDialog, DetachingClearsTheProperties)
{
    delete LayoutMgr::of(&window);
    EXPECT_EQ(LayoutMgr::of(&window), nullptr);
    EXPECT_FALSE(list->property("LayoutMgr_flags").isValid());
    window.resize(500, 380);
    EXPECT_EQ(list->geometry(), QRect(10, 10, 300, 200));
}

} // namespace
