// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The phone browser against the simulated phone: its tabs and Category, the
// listing, select all, retrieving into a folder with each answer to an
// existing file, deleting with its confirmations, Cancel in a retrieval,
// the picture preview after a photo, and titles that try to leave the
// folder.

#include "connection_state.h"
#include "delete_confirm_dialog.h"
#include "phone_browser.h"
#include "phone_link.h"
#include "phone_window_env.h"
#include "picture_preview_dialog.h"
#include "progress_window.h"
#include "replace_confirm_dialog.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QTabBar>
#include <QTreeWidget>

namespace {

using namespace quillora;
using namespace testing_support;
using phonesim::Category;
using phonesim::PhoneOptions;
using phonesim::PtyPhone;
using phonesim::StoredObject;

StoredObject object(Category category, std::u16string title, std::string typeName, std::string data)
{
    return {category, {}, std::move(title), std::move(typeName), false,
            std::make_shared<const std::string>(std::move(data))};
}

std::string realJpeg(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes.toStdString();
}

class BrowserStory : public PhoneWindowTest {
protected:
    std::unique_ptr<PhoneBrowser> browse(bool vCards = false)
    {
        PhoneBrowser::Host host;
        host.access = [this] { return window_->phoneAccess(); };
        host.settings = store_.get();
        host.allowVCardsVCals = vCards;
        auto browser = std::make_unique<PhoneBrowser>(std::move(host), window_.get());
        browser->show();
        return browser;
    }
    static QTreeWidget* list(QWidget* browser) { return findControlAs<QTreeWidget>(browser, PhoneBrowser::kListId); }
    static QTabBar* tabs(QWidget* browser) { return findControlAs<QTabBar>(browser, PhoneBrowser::kTabsId); }
    static QStringList rows(QWidget* browser)
    {
        QStringList texts;
        for (int i = 0; i < list(browser)->topLevelItemCount(); ++i)
            texts << list(browser)->topLevelItem(i)->text(0);
        return texts;
    }
    static bool waitListed(PhoneBrowser& b) { return QTest::qWaitFor([&] { return !b.listing(); }, 15000); }
    static void select(QWidget* browser, const QStringList& titles)
    {
        list(browser)->clearSelection();
        for (int i = 0; i < list(browser)->topLevelItemCount(); ++i)
            if (titles.contains(list(browser)->topLevelItem(i)->text(0)))
                list(browser)->topLevelItem(i)->setSelected(true);
    }
    QString folder(const QString& name)
    {
        QDir(dir_.path()).mkpath(name);
        return dir_.filePath(name);
    }
    static QStringList entries(const QString& path)
    {
        return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    std::vector<std::u16string> phoneTitles(PtyPhone& phone, Category category)
    {
        std::vector<std::u16string> titles;
        phone.withStore([&](phonesim::ObjectStore& s) {
            for (const auto* o : s.list(category))
                titles.push_back(o->title);
        });
        return titles;
    }

    AnsweringChooser chooser;
};

TEST_F(BrowserStory, TabsFollowTheSettingsAndTheLastTabIsRemembered)
{
    PtyPhone phone(PhoneOptions{.objects = {object(Category::Sounds, u"Ring", "MIDI", "MThd-song"),
                                            object(Category::Pictures, u"Sun", "JPEG", jfifBytes(900))}});
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());

    writeSetting(*store_, setting::Category, 2);
    {
        auto b = browse();
        ASSERT_TRUE(waitListed(*b));
        EXPECT_EQ(tabs(b.get())->count(), 3);
        EXPECT_EQ(tabs(b.get())->tabText(2), QStringLiteral("My Sounds"));
        EXPECT_EQ(tabs(b.get())->currentIndex(), 2);
        EXPECT_EQ(rows(b.get()), QStringList{QStringLiteral("Ring")});
        EXPECT_EQ(list(b.get())->topLevelItem(0)->text(1), QStringLiteral("1 KB"));
        EXPECT_TRUE(findControl(b.get(), PhoneBrowser::kSelectAllId)->isEnabled());
        EXPECT_FALSE(findControl(b.get(), PhoneBrowser::kRetrieveId)->isEnabled());
        tabs(b.get())->setCurrentIndex(0); // lists the pictures
        ASSERT_TRUE(waitListed(*b));
        EXPECT_EQ(rows(b.get()), QStringList{QStringLiteral("Sun")});
    }
    EXPECT_EQ(readSetting(*store_, setting::Category), 0);

    // vCards and vCalendars only when allowed; a remembered tab beyond the
    // tabs shown falls back to the default one.
    writeSetting(*store_, setting::Category, 4);
    {
        auto b = browse(true);
        ASSERT_TRUE(waitListed(*b));
        EXPECT_EQ(tabs(b.get())->count(), 5);
        EXPECT_EQ(tabs(b.get())->currentIndex(), 4);
        EXPECT_EQ(tabs(b.get())->tabText(3), QStringLiteral("vCards"));
    }
    {
        auto b = browse(false);
        ASSERT_TRUE(waitListed(*b));
        EXPECT_EQ(tabs(b.get())->currentIndex(), 1);
    }
}

TEST_F(BrowserStory, TheReceiveButtonOpensTheBrowser)
{
    PtyPhone phone;
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    QString caption;
    ModalScript script([&](QWidget* modal) {
        auto* b = qobject_cast<PhoneBrowser*>(modal);
        if (!b || b->listing())
            return false;
        caption = b->windowTitle();
        clickControl(b, PhoneBrowser::kCloseId);
        return true;
    });
    static_cast<QAbstractButton*>(control(10))->click();
    EXPECT_EQ(caption, QStringLiteral("List of available objects"));
    EXPECT_EQ(window_->browser(), nullptr);
}

struct ReplaceCase {
    const char* name;
    int answer; // ReplaceConfirmDialog::Result
    // What the folder holds afterwards ("old" for a file left as it was).
    std::vector<std::pair<QString, QString>> files;
    int questions;
    int stillSelected; // rows not retrieved keep their selection
};

class RetrieveAnswers : public BrowserStory, public ::testing::WithParamInterface<ReplaceCase> {};

// Three pictures, the first two already in the folder.
TEST_P(RetrieveAnswers, SelectAllIntoAFolderFollowsTheAnswerToAnExistingFile)
{
    const ReplaceCase& c = GetParam();
    PtyPhone phone(PhoneOptions{.objects = {object(Category::Pictures, u"A", "JPEG", jfifBytes(1000)),
                                            object(Category::Pictures, u"B", "JPEG", jfifBytes(2000)),
                                            object(Category::Pictures, u"C", "JPEG", jfifBytes(3000))}});
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    writeSetting(*store_, setting::Category, 0);
    const QString into = folder(QStringLiteral("into"));
    writeBytes(into + QStringLiteral("/A.jpg"), "old");
    writeBytes(into + QStringLiteral("/B.jpg"), "old");
    chooser.folder = into;
    chooser.savePath = into + QStringLiteral("/Renamed.jpg");

    auto b = browse();
    ASSERT_TRUE(waitListed(*b));
    QTest::keyClick(b.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list(b.get())->selectedItems().size(), 3);
    int questions = 0;
    ModalScript script([&](QWidget* modal) {
        auto* replace = qobject_cast<ReplaceConfirmDialog*>(modal);
        if (!replace)
            return clickBox(modal, QMessageBox::Ok);
        ++questions;
        if (c.answer == ReplaceConfirmDialog::kRename)
            clickControl(replace, ReplaceConfirmDialog::kRename);
        else
            replace->done(c.answer);
        return true;
    });
    clickControl(b.get(), PhoneBrowser::kRetrieveId);

    ASSERT_EQ(chooser.folders.size(), 1u);
    EXPECT_EQ(chooser.folders[0].caption,
              QStringLiteral("Please select the directory the 3 selected files should be saved in:"));
    EXPECT_EQ(questions, c.questions);
    QStringList expected;
    for (const auto& [name, content] : c.files) {
        expected << name;
        const std::string bytes = readBytes(into + u'/' + name);
        if (content == QLatin1String("old"))
            EXPECT_EQ(bytes, "old") << name.toStdString();
        else
            EXPECT_EQ(bytes, jfifBytes(content.toUInt())) << name.toStdString();
    }
    expected.sort();
    EXPECT_EQ(entries(into), expected);
    EXPECT_EQ(readPathSetting(*store_), into);
    // Retrieved rows lose their selection; a stopped run leaves the rest.
    EXPECT_EQ(static_cast<int>(list(b.get())->selectedItems().size()), c.stillSelected);
}

INSTANTIATE_TEST_SUITE_P(
    , RetrieveAnswers,
    ::testing::Values(
        ReplaceCase{"Yes", ReplaceConfirmDialog::kYes, {{"A.jpg", "1000"}, {"B.jpg", "2000"}, {"C.jpg", "3000"}}, 2, 0},
        ReplaceCase{"All", ReplaceConfirmDialog::kAll, {{"A.jpg", "1000"}, {"B.jpg", "2000"}, {"C.jpg", "3000"}}, 1, 0},
        ReplaceCase{"Skip", ReplaceConfirmDialog::kSkip, {{"A.jpg", "old"}, {"B.jpg", "old"}, {"C.jpg", "3000"}}, 2, 2},
        ReplaceCase{"Cancel", ReplaceConfirmDialog::kCancel, {{"A.jpg", "old"}, {"B.jpg", "old"}}, 1, 3},
        ReplaceCase{"Rename",
                    ReplaceConfirmDialog::kRename,
                    {{"A.jpg", "old"}, {"B.jpg", "old"}, {"C.jpg", "3000"}, {"Renamed.jpg", "2000"}},
                    2,
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

// [Quit] while the user is choosing another name for a file that exists:
// the name dialog and the question go, the run stops, the window closes,
// and the file that was there stays as it was.
TEST_F(BrowserStory, QuitDuringARenameClosesEverything)
{
    PtyPhone phone(PhoneOptions{.objects = {object(Category::Pictures, u"A", "JPEG", jfifBytes(1000)),
                                            object(Category::Pictures, u"B", "JPEG", jfifBytes(2000))}});
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    writeSetting(*store_, setting::Category, 0);
    const QString into = folder(QStringLiteral("into"));
    writeBytes(into + QStringLiteral("/A.jpg"), "old");
    chooser.folder = into;
    chooser.saveWaitsForUser = true;
    auto b = browse();
    ASSERT_TRUE(waitListed(*b));
    QTest::keyClick(b.get(), Qt::Key_A, Qt::ControlModifier);
    bool quitAsked = false;
    ModalScript script([&](QWidget* modal) {
        if (auto* replace = qobject_cast<ReplaceConfirmDialog*>(modal)) {
            // Later: the name dialog runs its own loop, and the script must
            // go on looking meanwhile.
            QTimer::singleShot(0, replace, [replace] { clickControl(replace, ReplaceConfirmDialog::kRename); });
            return true;
        }
        if (modal->objectName() != QLatin1String("saveDialog"))
            return false;
        window_->quit();
        quitAsked = true;
        return true;
    });
    clickControl(b.get(), PhoneBrowser::kRetrieveId);
    EXPECT_TRUE(quitAsked);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->isVisible(); }, 5000));
    EXPECT_EQ(readBytes(into + QStringLiteral("/A.jpg")), "old");
    EXPECT_EQ(entries(into), QStringList{QStringLiteral("A.jpg")});
}

TEST_F(BrowserStory, DeletingAsksFirstAndRemovesTheRowsOneByOne)
{
    PhoneOptions options{.objects = {object(Category::Pictures, u"A", "JPEG", jfifBytes(100)),
                                     object(Category::Pictures, u"B", "JPEG", jfifBytes(100)),
                                     object(Category::Pictures, u"C", "JPEG", jfifBytes(100)),
                                     object(Category::Pictures, u"D", "JPEG", jfifBytes(100))}};
    options.replyDelayMs = 150; // each deletion takes a moment, so the rows can be watched
    PtyPhone phone(options);
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    writeSetting(*store_, setting::Category, 0);
    auto b = browse();
    ASSERT_TRUE(waitListed(*b));

    int answer = DeleteConfirmDialog::kNo;
    QStringList asked;
    std::vector<int> counts;
    ModalScript script([&](QWidget* modal) {
        if (auto* confirm = qobject_cast<DeleteConfirmDialog*>(modal)) {
            for (auto* l : confirm->findChildren<QLabel*>())
                if (l->isVisibleTo(confirm))
                    asked << l->text();
            confirm->done(answer);
            return true;
        }
        if (qobject_cast<ProgressWindow*>(modal)) {
            const int n = list(b.get())->topLevelItemCount();
            if (counts.empty() || counts.back() != n)
                counts.push_back(n);
            return false; // keep watching the rows
        }
        return clickBox(modal, QMessageBox::Ok);
    });

    select(b.get(), {QStringLiteral("A")});
    clickControl(b.get(), PhoneBrowser::kDeleteId); // answered No
    EXPECT_EQ(asked, QStringList{QStringLiteral("Are you sure you want to delete 'A'?")});
    EXPECT_EQ(rows(b.get()).size(), 4);

    answer = DeleteConfirmDialog::kYes;
    clickControl(b.get(), PhoneBrowser::kDeleteId);
    EXPECT_EQ(rows(b.get()), (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}));
    EXPECT_EQ(phoneTitles(phone, Category::Pictures), (std::vector<std::u16string>{u"B", u"C", u"D"}));

    asked.clear();
    counts.clear();
    QTest::keyClick(b.get(), Qt::Key_A, Qt::ControlModifier);
    clickControl(b.get(), PhoneBrowser::kDeleteId);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Do you really want to delete these 3 items?")});
    EXPECT_TRUE(rows(b.get()).isEmpty());
    EXPECT_TRUE(phoneTitles(phone, Category::Pictures).empty());
    EXPECT_FALSE(findControl(b.get(), PhoneBrowser::kSelectAllId)->isEnabled());
    // Seen going down by one: 3, 2, 1 (and 0 at the end, when caught).
    ASSERT_GE(counts.size(), 3u) << ::testing::PrintToString(counts);
    for (size_t i = 1; i < counts.size(); ++i)
        EXPECT_EQ(counts[i], counts[i - 1] - 1) << ::testing::PrintToString(counts);
}

TEST_F(BrowserStory, ARetrievedPhotoOpensInThePreview)
{
    const std::string photo = realJpeg(64, 48);
    PtyPhone phone(PhoneOptions{.objects = {object(Category::Pictures, u"Beach", "JPEG", photo)}});
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    writeSetting(*store_, setting::Category, 0);
    const QString into = folder(QStringLiteral("photos"));
    chooser.savePath = into + QStringLiteral("/Beach.jpg");
    auto b = browse();
    ASSERT_TRUE(waitListed(*b));
    select(b.get(), {QStringLiteral("Beach")});

    QString previewTitle;
    ModalScript script([&](QWidget* modal) {
        if (!qobject_cast<PicturePreviewDialog*>(modal))
            return false;
        previewTitle = modal->windowTitle();
        clickControl(modal, 1);
        return true;
    });
    clickControl(b.get(), PhoneBrowser::kRetrieveId);

    ASSERT_EQ(chooser.saved.size(), 1u);
    EXPECT_EQ(chooser.saved[0].caption, QStringLiteral("Save object as..."));
    EXPECT_EQ(chooser.saved[0].proposedName, QStringLiteral("Beach"));
    EXPECT_EQ(chooser.saved[0].defaultSuffix, QStringLiteral("jpg"));
    EXPECT_EQ(readBytes(into + QStringLiteral("/Beach.jpg")), photo);
    EXPECT_EQ(previewTitle, QStringLiteral("Received photo preview (64x48)"));
    EXPECT_EQ(readPathSetting(*store_), into);
}

// Cancel in the middle of a large object: no file, no temporary left, and
// the phone lists and gives the next object.
TEST_F(BrowserStory, CancelDuringARetrievalLeavesNothingAndThePhoneGoesOn)
{
    PhoneOptions options{.objects = {object(Category::Pictures, u"Big", "JPEG", jfifBytes(300000)),
                                     object(Category::Pictures, u"Small", "JPEG", jfifBytes(700))}};
    options.lineRate = 11520;
    PtyPhone phone(options);
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    writeSetting(*store_, setting::Category, 0);
    const QString into = folder(QStringLiteral("into"));
    auto b = browse();
    ASSERT_TRUE(waitListed(*b));

    int previews = 0;
    ModalScript script([&](QWidget* modal) {
        if (qobject_cast<PicturePreviewDialog*>(modal)) {
            ++previews;
            clickControl(modal, 1);
            return true;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->reject(); // none is expected: closed, so that the test fails on its text instead of waiting
            return true;
        }
        auto* bar = findControlAs<QProgressBar>(modal, ProgressWindow::kProgressId);
        if (!bar || bar->value() < 20000)
            return false;
        clickControl(modal, ProgressWindow::kCancelId);
        return true;
    });
    select(b.get(), {QStringLiteral("Big")});
    chooser.savePath = into + QStringLiteral("/Big.jpg");
    clickControl(b.get(), PhoneBrowser::kRetrieveId);
    EXPECT_EQ(script.boxTexts(), QStringList{});
    EXPECT_TRUE(entries(into).isEmpty()) << entries(into).join(u' ').toStdString();
    EXPECT_EQ(previews, 0);

    QTest::keyClick(b.get(), Qt::Key_F5);
    ASSERT_TRUE(waitListed(*b));
    EXPECT_EQ(rows(b.get()), (QStringList{QStringLiteral("Big"), QStringLiteral("Small")}));
    select(b.get(), {QStringLiteral("Small")});
    chooser.savePath = into + QStringLiteral("/Small.jpg");
    clickControl(b.get(), PhoneBrowser::kRetrieveId);
    EXPECT_EQ(entries(into), QStringList{QStringLiteral("Small.jpg")});
    EXPECT_EQ(readBytes(into + QStringLiteral("/Small.jpg")), jfifBytes(700));
    EXPECT_EQ(previews, 1); // a picture the loader refuses: the empty window
}

// Titles the phone sends that would climb out of the folder, hide the file
// or name a device: every file lands in the folder, under a plain name.
TEST_F(BrowserStory, HostileTitlesStayInTheChosenFolder)
{
    PtyPhone phone(PhoneOptions{.objects = {object(Category::Pictures, u"../../escape", "JPEG", jfifBytes(100)),
                                            object(Category::Pictures, u"/etc/passwd", "JPEG", jfifBytes(200)),
                                            object(Category::Pictures, u"..", "JPEG", jfifBytes(300)),
                                            object(Category::Pictures, u".hidden", "JPEG", jfifBytes(400))}});
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    writeSetting(*store_, setting::Category, 0);
    const QString outer = folder(QStringLiteral("outer"));
    const QString into = folder(QStringLiteral("outer/into"));
    chooser.folder = into;
    auto b = browse();
    ASSERT_TRUE(waitListed(*b));
    ASSERT_EQ(rows(b.get()).size(), 4);
    ModalScript script([&](QWidget* modal) { return clickBox(modal, QMessageBox::Ok); });
    QTest::keyClick(b.get(), Qt::Key_A, Qt::ControlModifier);
    clickControl(b.get(), PhoneBrowser::kRetrieveId);

    const QStringList written = entries(into);
    EXPECT_EQ(written.size(), 4) << written.join(u' ').toStdString();
    for (const QString& name : written) {
        EXPECT_FALSE(name.startsWith(u'.')) << name.toStdString();
        EXPECT_FALSE(name.contains(u'/')) << name.toStdString();
    }
    EXPECT_EQ(entries(outer), QStringList{});
    EXPECT_EQ(entries(dir_.path()), QStringList{QStringLiteral("quillora.conf")});
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(QStringLiteral("escape.jpg"))));
}

} // namespace
