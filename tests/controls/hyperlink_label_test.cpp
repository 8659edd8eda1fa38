// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "hyperlink_label.h"
#include "hyperlink_target.h"
#include "ui_strings.h"

#include <QDir>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace quillora;

namespace {

struct UrlRow {
    const char* link;
    QUrl url;
};

class LinkUrls : public testing::TestWithParam<UrlRow> {};

TEST_P(LinkUrls, SchemesStandPathsBecomeFiles)
{
    EXPECT_EQ(hyperlinkUrl(QString::fromUtf8(GetParam().link)), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(Rows, LinkUrls, testing::Values(
    UrlRow{"https://quillora.example/help?x=1", QUrl(QStringLiteral("https://quillora.example/help?x=1"))},
    UrlRow{"mailto:help@quillora.example", QUrl(QStringLiteral("mailto:help@quillora.example"))},
    UrlRow{"/usr/share/doc/quillora/help file.html",
           QUrl::fromLocalFile(QStringLiteral("/usr/share/doc/quillora/help file.html"))},
    UrlRow{"docs/help.html", QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("docs/help.html")))},
    UrlRow{"c:help.html", QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("c:help.html")))}));

struct FitRow {
    Qt::Alignment alignment;
    QRect fitted;
};

class FitToText : public testing::TestWithParam<FitRow> {};

// A 200 × 40 label at (10, 20) fitted to an 80 × 16 text.
TEST_P(FitToText, KeepsTheEdgeTheAlignmentFixes)
{
    EXPECT_EQ(fittedRect(QRect(10, 20, 200, 40), QSize(80, 16), GetParam().alignment), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(Rows, FitToText, testing::Values(
    FitRow{Qt::AlignLeft | Qt::AlignTop, QRect(10, 20, 80, 16)},
    FitRow{Qt::AlignRight | Qt::AlignTop, QRect(130, 20, 80, 16)},
    FitRow{Qt::AlignHCenter | Qt::AlignTop, QRect(70, 20, 80, 16)},
    FitRow{Qt::AlignLeft | Qt::AlignVCenter, QRect(10, 32, 80, 16)},
    FitRow{Qt::AlignCenter, QRect(70, 32, 80, 16)}));

TEST(LinkFailureTexts, FromTheStringTables)
{
    setUiLanguageForLookups(kEnglishUs);
    EXPECT_EQ(hyperlinkFailureText(kLinkNoApplication),
              QStringLiteral("Unable to open hyperlink:\n\nThere is no application associated\n"
                             "with the given filename extension."));
    EXPECT_EQ(hyperlinkFailureText(kLinkFileNotFound),
              QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
    EXPECT_EQ(hyperlinkFailureText(77), QStringLiteral("Unable to open hyperlink:\n\nUnknown Error (77) occurred."));
    EXPECT_TRUE(hyperlinkFailureText(kLinkFileNotFound, kFrench).startsWith(QStringLiteral("Impossible")));
}

class LinkWindow : public testing::Test {
protected:
    void SetUp() override
    {
        setUiLanguageForLookups(kEnglishUs);
        HyperlinkLabel::setOpener([this](const QUrl& url) {
            opened.push_back(url);
            return openerSucceeds;
        });
        window.resize(300, 80);
        label->setGeometry(10, 10, 250, 40);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 5000));
    }
    void TearDown() override { HyperlinkLabel::setOpener({}); }

    QString shownMessage() const
    {
        const auto* box = window.findChild<QMessageBox*>();
        if (!box)
            return QStringLiteral("<no message>");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        return box->text();
    }

    bool openerSucceeds = true;
    std::vector<QUrl> opened;
    QWidget window;
    HyperlinkLabel* label = new HyperlinkLabel(&window);
};

TEST_F(LinkWindow, TheTextIsTheLinkAndTheLabelFitsIt)
{
    label->setProperty("caption", QStringLiteral("https://quillora.example/"));
    EXPECT_EQ(label->link(), QStringLiteral("https://quillora.example/"));
    EXPECT_EQ(label->toolTip(), label->link());
    EXPECT_EQ(label->size(), label->sizeHint());
    EXPECT_LT(label->width(), 250);
    EXPECT_EQ(label->x(), 10);
    label->setLink(QStringLiteral("/nowhere/help.html"));
    EXPECT_EQ(label->text(), QStringLiteral("https://quillora.example/")) << "the text stays";
    EXPECT_TRUE(label->toolTip().isEmpty()) << "a file gets no tip";
}

TEST_F(LinkWindow, ClickOpensAndMarksVisited)
{
    label->setLink(QStringLiteral("https://quillora.example/help"));
    int clicks = 0;
    QObject::connect(label, &HyperlinkLabel::clicked, label, [&clicks] { ++clicks; });
    EXPECT_EQ(label->textColor(), QColor(0, 0, 238));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://quillora.example/help")));
    EXPECT_TRUE(label->visited());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(85, 26, 139));
    EXPECT_EQ(window.findChild<QMessageBox*>(), nullptr);
}

TEST_F(LinkWindow, NoHandlerLeavesItUnvisitedAndSaysWhy)
{
    openerSucceeds = false;
    label->setLink(QStringLiteral("https://quillora.example/help"));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(label->visited());
    EXPECT_EQ(shownMessage(), hyperlinkFailureText(kLinkNoApplication));
}

TEST_F(LinkWindow, MissingFileIsReportedWithoutTryingIt)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    label->setLink(file.fileName() + QStringLiteral(".gone"));
    EXPECT_FALSE(label->open());
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(shownMessage(), hyperlinkFailureText(kLinkFileNotFound));
    window.findChild<QMessageBox*>()->close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.findChild<QMessageBox*>() == nullptr; }, 2000));
    label->setLink(file.fileName());
    EXPECT_TRUE(label->open());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(file.fileName()));
}

struct UnderlineRow {
    int mode;
    bool idle;
    bool hovered;
};

class Underlines : public LinkWindow, public testing::WithParamInterface<UnderlineRow> {};

TEST_P(Underlines, FollowTheModeAndTheMouse)
{
    label->setCaption(QStringLiteral("Show Help file"));
    label->setUnderlineMode(GetParam().mode);
    QTest::mouseMove(&window, QPoint(290, 70));
    EXPECT_EQ(label->font().underline(), GetParam().idle);
    QTest::mouseMove(label, QPoint(5, 5));
    ASSERT_TRUE(label->isHovered());
    EXPECT_EQ(label->font().underline(), GetParam().hovered);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::mouseMove(&window, QPoint(290, 70));
    EXPECT_FALSE(label->isHovered());
    EXPECT_EQ(label->textColor(), QColor(0, 0, 238));
}

INSTANTIATE_TEST_SUITE_P(Rows, Underlines,
                         testing::Values(UnderlineRow{1, true, true}, UnderlineRow{0, false, false},
                                         UnderlineRow{-1, false, true}));

} // namespace
