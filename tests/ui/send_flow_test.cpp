// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Sending from the main window against the simulated phone: the file
// dialog, a drop, an open from a second start, the progress window's texts
// and its Cancel, and the slow retry.

#include "connection_state.h"
#include "instance_channel.h"
#include "phone_browser.h"
#include "phone_link.h"
#include "phone_window_env.h"
#include "progress_window.h"
#include "send_flow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QUrl>

#include <unistd.h>

#include <atomic>

namespace {

using namespace quillora;
using namespace testing_support;
using phonesim::Category;
using phonesim::PhoneOptions;
using phonesim::PtyPhone;

struct Stored {
    std::u16string title;
    std::string data;
    bool operator==(const Stored&) const = default;
};
void PrintTo(const Stored& s, std::ostream* os)
{
    *os << QString::fromStdU16String(s.title).toStdString() << " (" << s.data.size() << " bytes)";
}

std::vector<Stored> storedPictures(PtyPhone& phone)
{
    std::vector<Stored> list;
    phone.withStore([&](phonesim::ObjectStore& store) {
        for (const auto* o : store.list(Category::Pictures))
            list.push_back({o->title, *o->data});
    });
    return list;
}

QString label(QWidget* window, int id)
{
    auto* l = findControlAs<QLabel>(window, id);
    return l ? l->text() : QStringLiteral("<none>");
}

class SendStory : public PhoneWindowTest {
protected:
    QString picture(const QString& name, size_t size)
    {
        QDir(dir_.path()).mkpath(QStringLiteral("pics"));
        const QString path = dir_.filePath(QStringLiteral("pics/") + name);
        writeBytes(path, jfifBytes(size));
        return path;
    }
    void clickSend() { static_cast<QAbstractButton*>(control(1013))->click(); }
    void drop(const QStringList& files)
    {
        QList<QUrl> urls;
        for (const QString& f : files)
            urls << QUrl::fromLocalFile(f);
        QMimeData data;
        data.setUrls(urls);
        // Qt delivers a drop to the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &enter);
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &event);
    }
    // Until the phone holds `count` pictures and no progress window is open.
    bool waitStored(PtyPhone& phone, size_t count, int ms = 15000)
    {
        return QTest::qWaitFor(
            [&] { return storedPictures(phone).size() == count && !window_->findChild<ProgressWindow*>(); }, ms);
    }

    AnsweringChooser chooser;
};

TEST_F(SendStory, OneChosenFileReachesThePhoneAndItsFolderIsRemembered)
{
    PtyPhone phone;
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    ASSERT_TRUE(waitFormatsReport());
    const QString sun = picture(QStringLiteral("Sun.jpg"), 20000);
    chooser.files = {sun};
    ModalScript script([](QWidget*) { return false; });
    clickSend();

    ASSERT_EQ(chooser.opened.size(), 1u);
    const OpenFileRequest& asked = chooser.opened[0];
    EXPECT_EQ(asked.caption, QStringLiteral("Send..."));
    EXPECT_FALSE(asked.multiple);
    ASSERT_GE(asked.filters.size(), 8);
    EXPECT_TRUE(asked.filters[0].startsWith(QStringLiteral("Formats supported by this QP-200 (*.")))
        << asked.filters[0].toStdString();
    EXPECT_TRUE(asked.filters.contains(QStringLiteral("vCards (*.vcf)")));
    EXPECT_EQ(script.classes(), QStringList{QStringLiteral("quillora::ProgressWindow")});
    EXPECT_EQ(script.seen.at(0).title, QStringLiteral("Transferring to mobile phone..."));
    EXPECT_EQ(storedPictures(phone), (std::vector<Stored>{{u"Sun", jfifBytes(20000)}}));
    EXPECT_EQ(readPathSetting(*store_), dir_.filePath(QStringLiteral("pics")));

    // The next dialog opens there; cancelling it sends nothing.
    chooser.files.clear();
    clickSend();
    ASSERT_EQ(chooser.opened.size(), 2u);
    EXPECT_EQ(chooser.opened[1].folder, dir_.filePath(QStringLiteral("pics")));
    EXPECT_EQ(storedPictures(phone).size(), 1u);
}

TEST_F(SendStory, SeveralChosenFilesGoTogetherAndAnUnknownOneIsRefusedByName)
{
    writeSetting(*store_, setting::AllowMultipleSend, 1);
    PtyPhone phone;
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    chooser.files = {picture(QStringLiteral("Moon.jpg"), 3000), picture(QStringLiteral("Notes.xyz"), 100),
                     picture(QStringLiteral("Star.jpg"), 5000)};
    ModalScript script([](QWidget* modal) { return clickBox(modal, QMessageBox::Ok); });
    clickSend();

    ASSERT_EQ(chooser.opened.size(), 1u);
    EXPECT_TRUE(chooser.opened[0].multiple);
    EXPECT_EQ(storedPictures(phone), (std::vector<Stored>{{u"Moon", jfifBytes(3000)}, {u"Star", jfifBytes(5000)}}));
    ASSERT_EQ(script.seen.size(), 2u);
    EXPECT_EQ(script.seen[1].className, QStringLiteral("QMessageBox"));
    EXPECT_EQ(script.seen[1].title, QStringLiteral("Notes.xyz"));
    EXPECT_EQ(script.seen[1].text, LoadUiString(606));
}

TEST_F(SendStory, ADropSendsOnlyItsFirstFileUnlessSeveralAreAllowed)
{
    PtyPhone phone;
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    ModalScript script([](QWidget* modal) { return clickBox(modal, QMessageBox::Ok); });
    drop({picture(QStringLiteral("One.jpg"), 2000), picture(QStringLiteral("Two.jpg"), 2000),
          picture(QStringLiteral("Three.jpg"), 2000)});
    ASSERT_TRUE(waitStored(phone, 1));
    EXPECT_EQ(storedPictures(phone).at(0).title, u"One");

    // A single file of unknown type: the message, and no transfer at all.
    const size_t before = script.seen.size();
    drop({picture(QStringLiteral("Song.xyz"), 10)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.seen.size() > before; }, 5000));
    EXPECT_EQ(script.seen.back().className, QStringLiteral("QMessageBox"));
    EXPECT_EQ(script.seen.back().text, LoadUiString(606));
    EXPECT_EQ(script.classes().count(QStringLiteral("quillora::ProgressWindow")), 1);
}

TEST_F(SendStory, ADropOfSeveralFilesIsOneBatchWhenAllowed)
{
    writeSetting(*store_, setting::AllowMultipleSend, 1);
    PtyPhone phone;
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    ModalScript script([](QWidget*) { return false; });
    drop({picture(QStringLiteral("One.jpg"), 2000), picture(QStringLiteral("Two.jpg"), 2500)});
    ASSERT_TRUE(waitStored(phone, 2));
    EXPECT_EQ(storedPictures(phone), (std::vector<Stored>{{u"One", jfifBytes(2000)}, {u"Two", jfifBytes(2500)}}));
    EXPECT_EQ(script.classes(), QStringList{QStringLiteral("quillora::ProgressWindow")});
}

TEST_F(SendStory, AFileOpenedByASecondStartIsSent)
{
    PtyPhone phone;
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    const QString run = dir_.filePath(QStringLiteral("run"));
    ASSERT_TRUE(QDir().mkpath(run));
    QFile::setPermissions(run, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    InstanceGuard guard(run);
    ASSERT_TRUE(guard.isFirst());
    InstanceServer server(guard.socketPath(), w, ::getuid());
    ASSERT_TRUE(server.listening());

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    second.setProcessEnvironment(env);
    const QString sun = picture(QStringLiteral("Opened.jpg"), 4000);
    second.start(QStringLiteral(QUILLORA_PROGRAM), {sun});
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 15000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    ASSERT_TRUE(waitStored(phone, 1));
    EXPECT_EQ(storedPictures(phone), (std::vector<Stored>{{u"Opened", jfifBytes(4000)}}));
}

// Files opened while no phone is there (a start from the file manager) go
// once a phone is found.
TEST_F(SendStory, FilesOpenedBeforeThePhoneIsFoundGoWhenItIs)
{
    PtyPhone phone;
    MainWindow& w = open({phone.slavePath()});
    // Detection has only begun: the file waits.
    ASSERT_FALSE(w.phone().connection().connected());
    const QString sun = picture(QStringLiteral("Early.jpg"), 3000);
    w.openFile(sun);
    EXPECT_EQ(w.pendingFiles(), QStringList{sun});
    // The window says what waits, by name, and counts what it cannot name.
    auto* note = findControlAs<QLabel>(&w, 1071);
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("To send once a phone is found: Early.jpg"));
    for (const char* name : {"Dawn.jpg", "Noon.jpg", "Dusk.jpg"})
        w.openFile(picture(QString::fromLatin1(name), 2000));
    EXPECT_EQ(note->text(), QStringLiteral("To send once a phone is found: Early.jpg, Dawn.jpg, Noon.jpg, (+1)"));
    ASSERT_TRUE(waitConnected());
    ASSERT_TRUE(waitStored(phone, 4));
    EXPECT_EQ(storedPictures(phone).front(), (Stored{u"Early", jfifBytes(3000)}));
    EXPECT_TRUE(w.pendingFiles().isEmpty());
    EXPECT_FALSE(note->isVisible());
}

// Cancel in the middle of the data: the phone keeps nothing of the object,
// and takes the next one.
TEST_F(SendStory, CancelDuringASendLeavesNothingAndThePhoneTakesTheNext)
{
    PtyPhone phone(PhoneOptions{.lineRate = 11520});
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    chooser.files = {picture(QStringLiteral("Big.jpg"), 200000)};
    QString stepAfterCancel;
    ModalScript script([&](QWidget* modal) {
        auto* bar = findControlAs<QProgressBar>(modal, ProgressWindow::kProgressId);
        if (!bar || bar->value() < 20000)
            return false;
        clickControl(modal, ProgressWindow::kCancelId);
        stepAfterCancel = label(modal, ProgressWindow::kStepId);
        clickControl(modal, ProgressWindow::kCancelId); // again: nothing more happens
        return true;
    });
    QElapsedTimer clock;
    clock.start();
    clickSend();
    std::printf("[ time     ] the cancelled send ended after %lld ms\n", static_cast<long long>(clock.elapsed()));
    EXPECT_EQ(stepAfterCancel, QStringLiteral("Stopping transfert... Please wait"));
    EXPECT_TRUE(storedPictures(phone).empty());
    EXPECT_LT(clock.elapsed(), 15000); // far less than the 17 s the whole object takes

    chooser.files = {picture(QStringLiteral("Small.jpg"), 1500)};
    clickSend();
    EXPECT_EQ(storedPictures(phone), (std::vector<Stored>{{u"Small", jfifBytes(1500)}}));
}

// [Quit] from another start while a send runs: the send stops first, as
// with Cancel, then the window goes.
TEST_F(SendStory, QuitDuringASendStopsItFirst)
{
    PtyPhone phone(PhoneOptions{.lineRate = 11520});
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    chooser.files = {picture(QStringLiteral("Big.jpg"), 200000)};
    ModalScript script([&](QWidget* modal) {
        auto* bar = findControlAs<QProgressBar>(modal, ProgressWindow::kProgressId);
        if (!bar || bar->value() < 10000)
            return false;
        w.quit();
        EXPECT_TRUE(w.isVisible()); // not before the run has ended
        EXPECT_EQ(label(modal, ProgressWindow::kStepId), QStringLiteral("Stopping transfert... Please wait"));
        return true;
    });
    clickSend();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 10000));
    EXPECT_TRUE(w.quitRequested());
    EXPECT_TRUE(storedPictures(phone).empty());
}

// Opens that arrive while a send runs wait for it; [Quit] drops them with
// the run, so nothing more is sent while the program closes.
TEST_F(SendStory, QuitDropsTheOpensThatWaitForARun)
{
    PtyPhone phone(PhoneOptions{.lineRate = 11520});
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    const QString second = picture(QStringLiteral("Second.jpg"), 1000);
    const QString third = picture(QStringLiteral("Third.jpg"), 1000);
    ModalScript script([&](QWidget* modal) {
        auto* bar = findControlAs<QProgressBar>(modal, ProgressWindow::kProgressId);
        if (!bar || bar->value() < 5000)
            return false;
        w.openFile(second);
        w.openFile(third);
        QTest::qWait(100); // the opens reach the send flow
        w.quit();
        return true;
    });
    w.openFile(picture(QStringLiteral("First.jpg"), 200000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 15000));
    EXPECT_EQ(script.classes().count(QStringLiteral("quillora::ProgressWindow")), 1);
    EXPECT_TRUE(storedPictures(phone).empty());
}

// An open while the phone browser is up waits until it is closed: two
// windows never work with the phone at once.
TEST_F(SendStory, AnOpenWaitsWhileThePhoneBrowserIsUp)
{
    PtyPhone phone;
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    const QString sun = picture(QStringLiteral("Later.jpg"), 2000);
    bool sentMeanwhile = true;
    ModalScript script([&](QWidget* modal) {
        auto* browser = qobject_cast<PhoneBrowser*>(modal);
        if (!browser || browser->listing())
            return false;
        w.openFile(sun);
        QTest::qWait(300);
        sentMeanwhile = !storedPictures(phone).empty() || w.findChild<ProgressWindow*>() != nullptr;
        clickControl(browser, PhoneBrowser::kCloseId);
        return true;
    });
    static_cast<QAbstractButton*>(control(10))->click();
    EXPECT_FALSE(sentMeanwhile);
    ASSERT_TRUE(waitStored(phone, 1));
    EXPECT_EQ(storedPictures(phone), (std::vector<Stored>{{u"Later", jfifBytes(2000)}}));
}

class SlowRetry : public SendStory, public ::testing::WithParamInterface<bool> {};

// A cable without flow control: nothing is acknowledged at 115200 bit/s,
// and the user is asked whether to go down to 19200.
TEST_P(SlowRetry, FollowsTheAnswer)
{
    const bool yes = GetParam();
    PtyPhone phone(PhoneOptions{.noAckAboveLowSpeed = true});
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    chooser.files = {picture(QStringLiteral("Sun.jpg"), 5000)};
    ModalScript script([&](QWidget* modal) {
        if (clickBox(modal, yes ? QMessageBox::Yes : QMessageBox::No))
            return true;
        return clickBox(modal, QMessageBox::Ok);
    });
    clickSend();
    const QStringList texts = script.boxTexts();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts[0], LoadUiString(213));
    if (yes) {
        EXPECT_EQ(storedPictures(phone), (std::vector<Stored>{{u"Sun", jfifBytes(5000)}}));
        EXPECT_EQ(phone.speed(), 19200u);
        EXPECT_TRUE(QTest::qWaitFor([&] { return label(window_.get(), 1012) == QStringLiteral(" 19200 bps"); }, 2000));
    } else {
        EXPECT_TRUE(storedPictures(phone).empty());
        EXPECT_EQ(phone.speed(), 115200u);
    }
}

INSTANTIATE_TEST_SUITE_P(, SlowRetry, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Yes" : "No"; });

// The progress window itself, with operations of the test's own on a
// connected phone.
class ProgressTexts : public SendStory {
protected:
    // Runs the window while `during` looks at it; the operation reports,
    // then waits for `release` (bounded).
    TransferResult runWith(std::unique_ptr<ProgressWindow> window, const std::function<void(QWidget*)>& during)
    {
        std::atomic<bool> release{false};
        window->setOperation([&](TransferProgress& p) {
            p.setStep("Sending data...");
            p.setCounter("(1/2)");
            p.setObjectName("Sun");
            p.setDetail("5 seconds left");
            p.setRange(100);
            p.setPosition(40);
            for (int i = 0; i < 500 && !release && !p.cancelled(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            return !p.cancelled();
        });
        ModalScript script([&](QWidget* modal) {
            // The last report has arrived.
            auto* bar = findControlAs<QProgressBar>(modal, ProgressWindow::kProgressId);
            if (!bar || bar->value() != 40)
                return false;
            during(modal);
            release = true;
            return true;
        });
        return window->run();
    }
};

TEST_F(ProgressTexts, EachModeHasItsTitleAndShowsWhatTheOperationReports)
{
    PtyPhone phone;
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    struct Mode {
        std::function<std::unique_ptr<ProgressWindow>()> make;
        const char* english;
        const char* french;
    };
    const Mode modes[] = {
        {[&] { return ProgressWindow::forSend(w.phoneAccess(), {}, 104, {}, 0, nullptr, &w); },
         "Transferring to mobile phone...", "Transfert vers le téléphone mobile..."},
        {[&] { return ProgressWindow::forSend(w.phoneAccess(), {}, 104, {}, 1, nullptr, &w); },
         "Transferring to mobile phone...", "Transfert vers le téléphone mobile..."},
        {[&] { return ProgressWindow::forReceive(w.phoneAccess(), dir_.path(), {}, 0, nullptr, &w); },
         "Transferring from mobile phone...", "Transfert depuis le téléphone mobile..."},
        {[&] { return ProgressWindow::forDelete(w.phoneAccess(), nullptr, &w); }, "Deleting...", "Suppression..."},
    };
    for (const LocaleId language : {kEnglishUs, kFrench}) {
        app_->SetUiLanguage(language);
        for (const Mode& m : modes) {
            QString title, counter, name, detail, cancel;
            int value = -1, maximum = -1;
            const TransferResult result = runWith(m.make(), [&](QWidget* modal) {
                title = modal->windowTitle();
                counter = label(modal, ProgressWindow::kCounterId);
                name = label(modal, ProgressWindow::kNameId);
                detail = label(modal, ProgressWindow::kDetailId);
                cancel = findControlAs<QAbstractButton>(modal, ProgressWindow::kCancelId)->text();
                value = findControlAs<QProgressBar>(modal, ProgressWindow::kProgressId)->value();
                maximum = findControlAs<QProgressBar>(modal, ProgressWindow::kProgressId)->maximum();
            });
            EXPECT_EQ(result, TransferResult::Succeeded);
            EXPECT_EQ(title, QString::fromUtf8(language == kFrench ? m.french : m.english));
            EXPECT_EQ(cancel, language == kFrench ? QStringLiteral("Annuler") : QStringLiteral("Cancel"));
            EXPECT_EQ(counter, QStringLiteral("(1/2)"));
            EXPECT_EQ(name, QStringLiteral("Sun"));
            EXPECT_EQ(detail, QStringLiteral("5 seconds left"));
            EXPECT_EQ(value, 40);
            EXPECT_EQ(maximum, 100);
        }
    }
    app_->SetUiLanguage(kEnglishUs);
}

TEST_F(ProgressTexts, CancelBeforeThePhoneIsFreeNeverStartsTheOperation)
{
    PtyPhone phone;
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    ConnectionState& connection = w.phone().connection();
    // Something else talks to the phone: the run waits for the lock.
    ASSERT_TRUE(connection.takePhoneLock([] { return false; }));
    auto window = ProgressWindow::forSend(w.phoneAccess(), {}, 104, {}, 0, nullptr, &w);
    bool ran = false;
    window->setOperation([&](TransferProgress&) { return ran = true; });
    ModalScript script([&](QWidget* modal) {
        clickControl(modal, ProgressWindow::kCancelId);
        return true;
    });
    EXPECT_EQ(window->run(), TransferResult::Cancelled);
    connection.phoneLock.release();
    EXPECT_FALSE(ran);
}

TEST_F(ProgressTexts, CancelDuringTheOperationEndsTheRunAsCancelled)
{
    PtyPhone phone;
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    QString step;
    const TransferResult result =
        runWith(ProgressWindow::forDelete(w.phoneAccess(), nullptr, &w), [&](QWidget* modal) {
            clickControl(modal, ProgressWindow::kCancelId);
            step = label(modal, ProgressWindow::kStepId);
            // Closing the window is a Cancel too: it stays until the run ends.
            modal->close();
            EXPECT_TRUE(modal->isVisible());
        });
    EXPECT_EQ(result, TransferResult::Cancelled);
    EXPECT_EQ(step, QStringLiteral("Stopping transfert... Please wait"));
}

} // namespace
