// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "capabilities_dialog.h"
#include "dialog_test_env.h"
#include "file_chooser.h"
#include "replace_confirm_dialog.h"
#include "ui_strings.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>

using namespace quillora;

namespace {

class FakeChooser : public FileChooser {
public:
    QStringList openFiles(QWidget*, const OpenFileRequest&) override { return {}; }
    QString chooseFolder(QWidget*, const FolderRequest&) override { return {}; }
    QString saveFile(QWidget* parent, const SaveFileRequest& r) override
    {
        owner = parent;
        request = r;
        ++asked;
        return answer;
    }
    QString answer;
    SaveFileRequest request;
    QWidget* owner = nullptr;
    int asked = 0;
};

class ReplaceTest : public DialogTest {
protected:
    ReplaceTest() { setFileChooser(&chooser_); }
    ~ReplaceTest() override { setFileChooser(nullptr); }
    FakeChooser chooser_;
};

TEST_F(ReplaceTest, EachButtonEndsWithItsId)
{
    for (int id : {6, 1, 7, 2}) {
        ReplaceConfirmDialog dialog(QStringLiteral("photo.jpg"), dir_.path());
        dialog.show();
        click(&dialog, id);
        EXPECT_EQ(dialog.result(), id);
        EXPECT_FALSE(dialog.isVisible());
    }
    ReplaceConfirmDialog escaped(QStringLiteral("tune 50%.mid"), dir_.path());
    const QString text = findControlAs<QLabel>(&escaped, ReplaceConfirmDialog::kTextId)->text();
    EXPECT_TRUE(text.contains(QStringLiteral("'tune 50%.mid'"))) << text.toStdString();
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_EQ(escaped.result(), 2);
    EXPECT_EQ(chooser_.asked, 0);
}

// A chosen name ends the question; a cancelled choice leaves it open.
TEST_F(ReplaceTest, RenameAsksForAnotherNameOfTheSameType)
{
    const struct {
        QString pathSetting, expectedFolder, answer;
    } rows[] = {{QStringLiteral("/last/used"), QStringLiteral("/last/used"), dir_.filePath(QStringLiteral("a.jpg"))},
                {QString(), dir_.path(), dir_.filePath(QStringLiteral("b.jpg"))},
                {QString(), dir_.path(), QString()}};
    for (const auto& row : rows) {
        writePathSetting(store_, row.pathSetting);
        chooser_.answer = row.answer;
        ReplaceConfirmDialog dialog(QStringLiteral("Photo.JPG"), dir_.path());
        dialog.show();
        click(&dialog, ReplaceConfirmDialog::kRename);
        EXPECT_EQ(dialog.isVisible(), row.answer.isEmpty());
        EXPECT_EQ(dialog.result(), row.answer.isEmpty() ? 0 : ReplaceConfirmDialog::kRename);
        EXPECT_EQ(dialog.chosenPath(), row.answer);
        const SaveFileRequest& r = chooser_.request;
        EXPECT_EQ(chooser_.owner, &dialog);
        EXPECT_EQ(r.caption, LoadUiString(601));
        EXPECT_EQ(r.folder, row.expectedFolder);
        EXPECT_EQ(r.proposedName, QStringLiteral("Photo.JPG"));
        EXPECT_EQ(r.defaultSuffix, QStringLiteral("jpg"));
        EXPECT_TRUE(r.confirmOverwrite);
        ASSERT_EQ(r.filters.size(), 2);
        EXPECT_TRUE(r.filters[0].endsWith(QStringLiteral("(*.jpg *.jpeg *.jpe *.jif)"))) << r.filters[0].toStdString();
        EXPECT_TRUE(r.filters[1].endsWith(QStringLiteral("(*.*)")));
    }
    EXPECT_EQ(chooser_.asked, 3);
}

std::vector<QTextTable*> tablesOf(QTextDocument* document)
{
    std::vector<QTextTable*> tables;
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables.push_back(table);
    return tables;
}

TEST_F(DialogTest, CapabilitiesShowTheThreeTablesAsGiven)
{
    const std::string argument =
        "<tr><td>JPEG &amp; &lt;b&gt;</td><td>100</td><td>128x160</td><td>-</td></tr>"
        "<tr><td>GIF</td><td>50</td><td>128x128</td><td>-</td></tr>^"
        "<tr><td>MNG</td><td>20</td><td>96x96</td><td><a href=\"file:///etc/hostname\">link</a></td></tr>^"
        "<tr><td>MIDI</td><td>30</td><td>16</td></tr>^";
    CapabilitiesDialog dialog(argument);
    dialog.show();
    auto* browser = dialog.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(dialog.windowTitle(), LoadUiText("html165.title"));
    const std::vector<QTextTable*> tables = tablesOf(browser->document());
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0]->rows(), 3) << "heading and two rows";
    EXPECT_EQ(tables[1]->rows(), 2);
    EXPECT_EQ(tables[2]->rows(), 2);
    EXPECT_EQ(tables[2]->columns(), 3);
    EXPECT_EQ(tables[0]->cellAt(1, 0).firstCursorPosition().block().text(), QStringLiteral("JPEG & <b>")) << "escaped once, by the report";

    // A link in the page is not followed.
    QSignalSpy clicked(browser, &QTextBrowser::anchorClicked);
    QTextCursor link = browser->document()->find(QStringLiteral("link"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 1);
    const QPoint at = browser->cursorRect(link).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(clicked.count(), 1) << "the click hit the link";
    EXPECT_TRUE(browser->source().isEmpty());
    EXPECT_EQ(tablesOf(browser->document()).size(), 3u);
}

} // namespace
