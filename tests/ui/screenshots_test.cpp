// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Every window and dialog rendered in English and French, in the state its
// title tells, shows all of its texts; and the measurement flags controls
// made too small for their text, so that an empty report means something.

#include "clipping.h"
#include "contact_sheet.h"
#include "mnemonics.h"
#include "dialog_texts.h"
#include "image_button.h"
#include "languages.h"
#include "message_format.h"
#include "phone_browser.h"
#include "settings_dialog.h"
#include "ui_strings.h"
#include "welcome_dialog.h"
#include "window_shots.h"

#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using namespace quillora;

std::string reportOf(const std::vector<ClippedControl>& clipped)
{
    QStringList lines;
    for (const ClippedControl& c : clipped)
        lines << DescribeClipping(c);
    return lines.join(u'\n').toStdString();
}

// Something was drawn: a blank or single-colour picture is a failed render.
bool hasContent(const QImage& image)
{
    if (image.isNull())
        return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

// The title a window shows once in the state rendered: a progress window
// of the wrong kind, a browser over no connected phone or a preview whose
// picture was never read has another.
std::optional<QString> expectedTitle(const QString& window, LocaleId language)
{
    if (window == QLatin1String("settings"))
        return templateText(SettingsDialog::kTemplateId, 0, language);
    if (window == QLatin1String("browser"))
        return templateText(PhoneBrowser::kTemplateId, 0, language);
    if (window == QLatin1String("progress-send"))
        return LoadUiString(501, language);
    if (window == QLatin1String("progress-receive"))
        return LoadUiString(502, language);
    if (window == QLatin1String("progress-delete"))
        return LoadUiString(503, language);
    if (window == QLatin1String("preview"))
        return fillNumbers(LoadUiString(603, language), {640, 480});
    return std::nullopt;
}

class EveryWindow : public testing::TestWithParam<LocaleId> {};

TEST_P(EveryWindow, RendersToAPngWithNoTextClipped)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ShotSession session;
    ASSERT_TRUE(session.setLanguage(GetParam()));
    for (const QString& window : ShotSession::windowNames()) {
        const Shot shot = session.render(window);
        SCOPED_TRACE(shot.name.toStdString());
        EXPECT_TRUE(shot.error.isEmpty()) << shot.error.toStdString();
        EXPECT_TRUE(hasContent(shot.image));
        EXPECT_TRUE(shot.clipped.empty()) << reportOf(shot.clipped);
        for (const MnemonicClash& clash : shot.clashes)
            ADD_FAILURE() << DescribeClash(shot.name, clash).toStdString();
        const QString path = SaveShot(shot, out.path());
        ASSERT_FALSE(path.isEmpty());
        const QImage written(path);
        EXPECT_EQ(written.size(), shot.image.size());
        if (const std::optional<QString> title = expectedTitle(window, GetParam())) {
            EXPECT_EQ(shot.title.toStdString(), title->toStdString());
        }
    }
}

std::vector<LocaleId> everyLanguage()
{
    std::vector<LocaleId> ids;
    for (const UiLanguage& l : allUiLanguages())
        ids.push_back(l.id);
    return ids;
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryWindow, testing::ValuesIn(everyLanguage()), [](const auto& info) {
    return QString::fromLatin1(findUiLanguage(info.param)->bcp47).replace(u'-', u'_').toStdString();
});

// The measurement reaches the program's own controls, not only the plain
// widgets below: a dialog's check box squeezed by hand is reported.
TEST(RealDialogClipping, ACheckBoxSqueezedBelowItsTextIsReported)
{
    WelcomeDialog dialog(false);
    dialog.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(FindClippedControls(dialog, QStringLiteral("about")).empty());
    QWidget* box = findControl(&dialog, WelcomeDialog::kShowAtStartupId);
    ASSERT_NE(box, nullptr);
    box->setFixedWidth(box->sizeHint().width() / 2);
    dialog.layout()->activate();
    const auto found = FindClippedControls(dialog, QStringLiteral("about"));
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].control, QStringLiteral("1033"));
    EXPECT_EQ(found[0].className, QStringLiteral("QCheckBox"));
}

TEST(ShotSessionLanguages, RefusesALocaleIdThatIsNoProgramLanguage)
{
    ShotSession session;
    EXPECT_FALSE(session.setLanguage(1234));
    EXPECT_EQ(session.language(), kEnglishUs);
}

// The tool as the script runs it; its exit status, -1 when it hung.
int runTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(QUILLORA_SCREENSHOTS), arguments);
    if (!tool.waitForFinished(20000)) {
        tool.kill();
        tool.waitForFinished(5000);
        return -1;
    }
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

TEST(ScreenshotTool, WritesOnePngPerWindowAndLanguageAsked)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString folder = out.filePath(QStringLiteral("shots"));
    EXPECT_EQ(runTool({QStringLiteral("--language"), QStringLiteral("1033,1036"), QStringLiteral("--window"),
                       QStringLiteral("settings"), QStringLiteral("--window"), QStringLiteral("replace"),
                       QStringLiteral("--out"), folder}),
              0);
    const QStringList written = QDir(folder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(written, (QStringList{QStringLiteral("replace-1033.png"), QStringLiteral("replace-1036.png"),
                                    QStringLiteral("settings-1033.png"), QStringLiteral("settings-1036.png")}));
}

TEST(ScreenshotTool, RefusesUnknownWindowsAndLanguagesAndAMissingFolderWithoutWriting)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString folder = out.filePath(QStringLiteral("shots"));
    const QString outOption = QStringLiteral("--out");
    EXPECT_EQ(runTool({QStringLiteral("--window"), QStringLiteral("splash"), outOption, folder}), 2);
    EXPECT_EQ(runTool({QStringLiteral("--language"), QStringLiteral("1033,9999"), outOption, folder}), 2);
    EXPECT_EQ(runTool({QStringLiteral("--window"), QStringLiteral("settings")}), 2);
    EXPECT_FALSE(QDir(folder).exists());
}

TEST(ContactSheet, PutsEachRenderingUnderItsLabelInRowsOfTheLargestSize)
{
    QImage red(30, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue(50, 10, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const std::vector<SheetCell> cells{{QStringLiteral("one"), red}, {QStringLiteral("two"), blue},
                                       {QStringLiteral("three"), QImage()}, {QStringLiteral("four"), blue}};
    const QImage sheet = ComposeContactSheet(cells, 3);
    ASSERT_FALSE(sheet.isNull());
    // Cells as large as the largest image (50x20) plus a label and a gap.
    const int cellWidth = (sheet.width() - 12) / 3;
    EXPECT_EQ(cellWidth, 50 + 12);
    EXPECT_EQ(sheet.width(), 3 * cellWidth + 12);
    const int cellHeight = (sheet.height() - 12) / 2;
    const int label = cellHeight - 12 - 20;
    EXPECT_GT(label, 0);
    auto at = [&](int cell, int x, int y) {
        return QColor(sheet.pixel(12 + (cell % 3) * cellWidth + x, 12 + (cell / 3) * cellHeight + label + y));
    };
    EXPECT_EQ(at(0, 29, 19), QColor(Qt::red));
    EXPECT_EQ(at(0, 31, 5), QColor(Qt::white)) << "red ends at its own width";
    EXPECT_EQ(at(1, 49, 9), QColor(Qt::blue));
    EXPECT_EQ(at(1, 10, 11), QColor(Qt::white));
    EXPECT_EQ(at(2, 5, 5), QColor(Qt::white)) << "a missing rendering leaves its cell empty";
    EXPECT_EQ(at(3, 0, 0), QColor(Qt::blue)) << "the fourth starts the second row";
    bool labelDrawn = false;
    for (int x = 12; x < 12 + cellWidth && !labelDrawn; ++x)
        for (int y = 12; y < 12 + label; ++y)
            labelDrawn = labelDrawn || QColor(sheet.pixel(x, y)) != QColor(Qt::white);
    EXPECT_TRUE(labelDrawn);
    EXPECT_TRUE(ComposeContactSheet({}).isNull());
}

TEST(ContactSheet, LabelsNameTheLanguageInItsOwnWords)
{
    EXPECT_EQ(SheetLabel(1031), QStringLiteral("Deutsch (Deutschland) · 1031"));
    EXPECT_TRUE(SheetLabel(2052).contains(QStringLiteral("中文"))) << SheetLabel(2052).toStdString();
    EXPECT_NE(SheetLabel(2052), SheetLabel(1028));
}

TEST(ScreenshotTool, WritesASheetPerWindowWithEveryLanguageAsked)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString sheets = out.filePath(QStringLiteral("sheets"));
    EXPECT_EQ(runTool({QStringLiteral("--language"), QStringLiteral("1033,1036,1049"), QStringLiteral("--window"),
                       QStringLiteral("settings,replace"), QStringLiteral("--out"), out.filePath(QStringLiteral("png")),
                       QStringLiteral("--sheets"), sheets}),
              0);
    EXPECT_EQ(QDir(sheets).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("replace.png"), QStringLiteral("settings.png")}));
    const QImage one(out.filePath(QStringLiteral("png/settings-1036.png")));
    const QImage sheet(QDir(sheets).filePath(QStringLiteral("settings.png")));
    ASSERT_FALSE(one.isNull());
    EXPECT_GE(sheet.width(), 3 * one.width()) << "three languages in a row";
    EXPECT_GT(sheet.height(), one.height());
}

// Keys are claimed by buttons, group boxes and labels that have a buddy;
// a label without one shows its marker and claims nothing, and a hidden
// control claims nothing either.
TEST(MnemonicCheck, FindsTwoControlsOfAWindowClaimingOneKey)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* receive = new QPushButton(QStringLiteral("&Recevoir..."));
    auto* rename = new QPushButton(QStringLiteral("&Renommer"));
    auto* loose = new QLabel(QStringLiteral("&Sans compagnon"));
    auto* send = new QPushButton(QStringLiteral("&Envoyer..."));
    auto* speedLabel = new QLabel(QStringLiteral("Vit&esse :"));
    auto* speed = new QComboBox;
    speedLabel->setBuddy(speed);
    auto* hidden = new QPushButton(QStringLiteral("&Sauter"));
    for (QWidget* w : std::initializer_list<QWidget*>{receive, rename, loose, send, speedLabel, speed, hidden})
        layout->addWidget(w);
    window.show();
    hidden->hide();
    QCoreApplication::processEvents();
    const std::vector<MnemonicClash> clashes = FindMnemonicClashes(window);
    ASSERT_EQ(clashes.size(), 2u);
    EXPECT_EQ(clashes[0].key, QStringLiteral("Alt+R"));
    EXPECT_EQ(clashes[0].second, QStringLiteral("&Renommer"));
    EXPECT_EQ(clashes[1].key, QStringLiteral("Alt+E"));
    EXPECT_EQ(clashes[1].first, QStringLiteral("&Envoyer..."));
    EXPECT_EQ(clashes[1].second, QStringLiteral("Vit&esse :"));
    rename->setText(QStringLiteral("Re&nommer"));
    speedLabel->setText(QStringLiteral("&Vitesse :"));
    EXPECT_TRUE(FindMnemonicClashes(window).empty());
}

// Controls in a plain window, fixed to chosen sizes.
class ClippingCheck : public testing::Test {
protected:
    ClippingCheck() : layout_(new QVBoxLayout(&window_)) {}

    template <typename W>
    W* add(W* widget, int id)
    {
        layout_->addWidget(withControlId(widget, id));
        return widget;
    }
    std::vector<ClippedControl> clipped()
    {
        window_.show();
        // Laid out once the geometry requests have gone through.
        QCoreApplication::processEvents();
        layout_->activate();
        return FindClippedControls(window_, QStringLiteral("test"));
    }

    QWidget window_;
    QVBoxLayout* layout_;
};

TEST_F(ClippingCheck, ALabelSqueezedToHalfItsTextIsReportedWithBothWidths)
{
    const QString text = QStringLiteral("Transferts possibles :");
    auto* label = add(new QLabel(text), 1041);
    const int full = label->fontMetrics().horizontalAdvance(text);
    label->setFixedWidth(full / 2);
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].control, QStringLiteral("1041"));
    EXPECT_EQ(found[0].className, QStringLiteral("QLabel"));
    EXPECT_EQ(found[0].text, text);
    EXPECT_NEAR(found[0].needed.width(), full, 1);
    EXPECT_EQ(found[0].actual.width(), full / 2);
}

TEST_F(ClippingCheck, LabelsGivenTheSizeQLabelAsksForAreNotReported)
{
    auto* value = add(new QLabel(QStringLiteral(" 115200 bps")), 1012);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    value->setFixedSize(value->sizeHint());
    auto* framed = add(new QLabel(QStringLiteral("Type de téléphone mobile :\nsur le port :")), 1006);
    framed->setFrameShape(QFrame::Box);
    framed->setMargin(3);
    framed->setFixedSize(framed->sizeHint());
    EXPECT_TRUE(clipped().empty()) << reportOf(clipped());
}

TEST_F(ClippingCheck, ATabBarNarrowerThanItsTabsIsReportedWithEveryTab)
{
    auto* bar = add(new QTabBar, 1008);
    for (const char* text : {"Imaginile mele", "Animațiile mele", "Sunetele mele", "vCard-uri", "vCalendare"})
        bar->addTab(QString::fromUtf8(text));
    const int full = bar->sizeHint().width();
    bar->setFixedWidth(full * 2 / 3);
    auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].className, QStringLiteral("QTabBar"));
    EXPECT_TRUE(found[0].text.endsWith(QStringLiteral("vCard-uri | vCalendare"))) << found[0].text.toStdString();
    EXPECT_EQ(found[0].needed.width(), full);
    bar->setFixedWidth(full);
    found = clipped();
    EXPECT_TRUE(found.empty()) << reportOf(found);
}

TEST_F(ClippingCheck, AColumnHeaderNarrowerThanItsTitleIsReported)
{
    auto* list = add(new QTreeWidget, 1037);
    list->setHeaderLabels({QStringLiteral("Titlu"), QStringLiteral("Dimensiune"), QStringLiteral("Tip")});
    list->header()->setStretchLastSection(true);
    const int hint = list->header()->sectionSizeHint(1);
    list->setColumnWidth(1, hint - 10);
    auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].control, QStringLiteral("1037.1"));
    EXPECT_EQ(found[0].text, QStringLiteral("Dimensiune"));
    EXPECT_EQ(found[0].needed.width(), hint);
    list->setColumnWidth(1, hint);
    found = clipped();
    EXPECT_TRUE(found.empty()) << reportOf(found);
}

TEST_F(ClippingCheck, TheAcceleratorMarkerTakesRoomOnlyWhereItIsShown)
{
    const QString text = QStringLiteral("&Langue :");
    auto* withBuddy = add(new QLabel(text), 1);
    withBuddy->setBuddy(add(new QComboBox, 2));
    // QLabel hides the marker of a label with a buddy, and shows it otherwise.
    const int shown = withBuddy->sizeHint().width();
    withBuddy->setFixedWidth(shown);
    auto* alone = add(new QLabel(text), 3);
    alone->setFixedWidth(shown);
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].control, QStringLiteral("3"));
}

TEST_F(ClippingCheck, MultiLineTextsNeedTheirWidestLineAndEveryLine)
{
    const QString widest = QStringLiteral("A much longer second line");
    auto* label = add(new QLabel(QStringLiteral("Short\n%1\nEnd").arg(widest)), 1066);
    const int width = QLabel(widest).sizeHint().width();
    label->setFixedSize(width, label->fontMetrics().height() * 2);
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_LE(found[0].needed.width(), found[0].actual.width());
    EXPECT_GT(found[0].needed.height(), found[0].actual.height());
}

TEST_F(ClippingCheck, AWrappedLabelTooLowForItsLinesIsReported)
{
    auto* label = add(new QLabel(QStringLiteral("Cet écran explique comment échanger des images et des sonneries "
                                                "avec votre téléphone mobile.")),
                      1022);
    label->setWordWrap(true);
    label->setFixedSize(label->fontMetrics().averageCharWidth() * 20, label->fontMetrics().height());
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_GT(found[0].needed.height(), 2 * found[0].actual.height());
}

TEST_F(ClippingCheck, HiddenAndScrolledControlsAreLeftOut)
{
    auto* hidden = add(new QLabel(QStringLiteral("Détection automatique du téléphone mobile...")), 1003);
    hidden->setFixedWidth(10);
    hidden->hide();
    auto* page = new QLabel(QStringLiteral("A page far wider than the area that scrolls it"));
    page->setMinimumWidth(1000);
    auto* area = add(new QScrollArea, 1);
    area->setWidget(page);
    area->setFixedWidth(100);
    EXPECT_TRUE(clipped().empty()) << reportOf(clipped());
}

TEST_F(ClippingCheck, AButtonNeedsItsTextAndMarginsButNotTheStylesMinimumWidth)
{
    auto* question = add(new QPushButton(QStringLiteral("?")), 1069);
    question->setFixedWidth(question->fontMetrics().horizontalAdvance(QStringLiteral("??")) + 16);
    auto* all = add(new QPushButton(QStringLiteral("Oui pour &tout")), 1);
    // Room for the text alone: the frame and margins are missing.
    all->setFixedWidth(all->fontMetrics().horizontalAdvance(QStringLiteral("Oui pour tout")));
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].control, QStringLiteral("1"));
}

// The picture preview places its buttons by hand, a pixel lower than the
// style asks: the text still has the room inside the frame it is drawn in.
TEST_F(ClippingCheck, AButtonNeedsTheHeightOfItsTextInsideItsFrameNotTheStylesPadding)
{
    auto* placed = add(new QPushButton(QStringLiteral("OK")), 1);
    placed->setFixedSize(80, placed->sizeHint().height() - 1);
    auto* squashed = add(new QPushButton(QStringLiteral("Annuler")), 2);
    squashed->setFixedSize(80, squashed->fontMetrics().height());
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].control, QStringLiteral("2"));
    EXPECT_GT(found[0].needed.height(), found[0].actual.height());
}

TEST_F(ClippingCheck, AnImageButtonMayWrapItsTextButMustHoldTheLines)
{
    const QString text = QStringLiteral("Recevoir des fichiers");
    auto* twoLines = add(new ImageButton, 1013);
    twoLines->setText(text);
    // Too narrow for one line, high enough for two.
    const QSize oneLine = twoLines->sizeHint();
    const int lines = twoLines->fontMetrics().lineSpacing();
    twoLines->setFixedSize(oneLine.width() * 3 / 4, 2 * lines + oneLine.height());
    auto* cramped = add(new ImageButton, 10);
    cramped->setText(text);
    cramped->setFixedSize(oneLine.width() * 3 / 4, oneLine.height());
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].control, QStringLiteral("10"));
    EXPECT_GT(found[0].needed.height(), found[0].actual.height());
    EXPECT_LE(found[0].needed.width(), found[0].actual.width());
}

TEST_F(ClippingCheck, AComboBoxNarrowerThanItsCurrentTextIsReported)
{
    auto* combo = add(new QComboBox, 1058);
    combo->addItem(QStringLiteral("Toujours demander avant de convertir"));
    combo->setFixedWidth(combo->fontMetrics().horizontalAdvance(combo->currentText()));
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].className, QStringLiteral("QComboBox"));
}

TEST_F(ClippingCheck, AControlItsParentCutsOffIsReportedWithTheVisiblePart)
{
    auto* frame = add(new QWidget, 1008);
    frame->setFixedSize(60, 30);
    auto* label = withControlId(new QLabel(QStringLiteral("sur le port : /dev/ttyUSB0"), frame), 1011);
    label->setGeometry(0, 0, label->sizeHint().width(), label->sizeHint().height());
    const auto found = clipped();
    ASSERT_EQ(found.size(), 1u) << reportOf(found);
    EXPECT_EQ(found[0].control, QStringLiteral("1011"));
    EXPECT_EQ(found[0].actual.width(), 60);
}

} // namespace
