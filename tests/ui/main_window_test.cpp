// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The main window against the simulated phone on pseudo-terminals: finding
// the phone and showing it, the protocol versions, the status list and its
// warning boxes, the formats report, and an unplugged phone.

#include "app_settings.h"
#include "application.h"
#include "detect.h"
#include "dialog_texts.h"
#include "image_button.h"
#include "language_combo_box.h"
#include "main_window.h"
#include "modal_dialogs.h"
#include "phone_window_env.h"
#include "phone_link.h"
#include "pty_pair.h"
#include "settings_store.h"
#include "status_list.h"
#include "trelvix.h"
#include "ui_strings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>

namespace {

using namespace quillora;
using phonesim::PhoneOptions;
using phonesim::PtyPhone;
using phonesim::SimState;

using testing_support::candidates;

template <typename Port>
QString nameOf(const Port& port)
{
    return QString::fromStdString(port.slavePath().substr(5));
}

// Answers every message box that opens, recording its text, until destroyed.
class BoxAnswerer {
public:
    BoxAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                box->accept();
            }
        });
        timer_.start(20);
    }
    QStringList texts;

private:
    QTimer timer_;
};

class MainWindowStory : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        store_ = std::make_unique<SettingsStore>(dir_.filePath(QStringLiteral("quillora.conf")));
        writeSetting(*store_, setting::DisableSounds, 1);
        app_ = std::make_unique<Application>(*store_, dir_.filePath(QStringLiteral("quillora")), QStringList{});
        setTheApplication(app_.get());
        trelvix::setCandidateSource([](bool) { return candidates().get(); });
    }
    void TearDown() override
    {
        window_.reset();
        candidates().set({});
        EXPECT_TRUE(trelvix::waitForDetectionThreads(std::chrono::seconds(10)));
        setTheApplication(nullptr);
    }

    MainWindow& open(std::vector<std::string> ports)
    {
        candidates().set(std::move(ports));
        window_ = std::make_unique<MainWindow>(*app_);
        window_->show();
        return *window_;
    }
    QString textOf(int id) const { return findControlAs<QLabel>(window_.get(), id)->text(); }
    QWidget* control(int id) const { return findControl(window_.get(), id); }
    bool waitConnected(int ms = 20000)
    {
        return QTest::qWaitFor([&] { return control(1002)->isVisible(); }, ms);
    }

    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Application> app_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowStory, FindsThePhoneAndShowsModelPortSpeedAndTransfers)
{
    testing_support::PtyPair quiet;
    PtyPhone phone;
    MainWindow& w = open({quiet.slavePath(), phone.slavePath()});
    EXPECT_TRUE(control(1003)->isVisible());
    EXPECT_FALSE(control(1013)->isEnabled());
    ASSERT_TRUE(waitConnected());
    EXPECT_EQ(textOf(1002), QStringLiteral(" QP-200"));
    EXPECT_EQ(textOf(1011), u' ' + nameOf(phone));
    EXPECT_EQ(textOf(1012), QStringLiteral(" 115200 bps"));
    EXPECT_EQ(textOf(1042), QStringLiteral(" Send/Receive"));
    EXPECT_TRUE(control(1013)->isEnabled());
    EXPECT_TRUE(control(1013)->hasFocus() || !w.isActiveWindow());
    EXPECT_TRUE(control(10)->isEnabled());
    EXPECT_FALSE(control(1003)->isVisible());
    EXPECT_FALSE(control(1000)->isVisible());
    EXPECT_TRUE(w.phone().connection().connected());
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Quillora ")));
}

// The texts the window fills in itself come from the tables too: German
// writes line speeds in bit/s.
TEST_F(MainWindowStory, APhoneFoundInGermanShowsItsSpeedInGerman)
{
    constexpr LocaleId kGerman = 1031;
    app_->SetUiLanguage(kGerman);
    PtyPhone phone;
    open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    EXPECT_EQ(textOf(1012), QStringLiteral(" 115200 bit/s"));
    EXPECT_EQ(textOf(1042), u' ' + LoadUiString(301, kGerman));
    EXPECT_EQ(textOf(1006), LoadUiText("dlg102.1006", kGerman));
    app_->SetUiLanguage(kEnglishUs);
}

TEST_F(MainWindowStory, TheFormatsButtonAppearsWithTheCompleteReportAndOpensIt)
{
    PtyPhone phone;
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    ASSERT_TRUE(QTest::qWaitFor([&] { return control(1069)->isVisible(); }, 15000));
    EXPECT_NE(w.phone().connection().phoneCapabilities.load() & capability::kFormatReport, 0u);
    QString shown;
    QTimer::singleShot(0, &w, [&] {
        // exec() below runs the dialog; read it and close it from its loop.
        QTimer::singleShot(200, &w, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                if (auto* browser = dialog->findChild<QTextBrowser*>())
                    shown = browser->toPlainText();
                dialog->close();
            }
        });
    });
    static_cast<QAbstractButton*>(control(1069))->click();
    EXPECT_TRUE(shown.contains(QStringLiteral("640x480"))) << shown.left(300).toStdString();
}

struct VersionCase {
    const char* name;
    std::string version;     // the phone's +KPSV answer; empty: ERROR
    std::string forcedReply; // in place of the answer
    bool accepted;
    const char* transfers;
    bool receive;
};

class ProtocolVersions : public MainWindowStory, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ProtocolVersions, DecideTheTransfersOrDeclineThePhone)
{
    const VersionCase& c = GetParam();
    PhoneOptions options;
    options.protocolVersion = c.version;
    if (!c.forcedReply.empty())
        options.forcedErrors["+KPSV"] = c.forcedReply;
    PtyPhone phone(options);
    MainWindow& w = open({phone.slavePath()});
    if (!c.accepted) {
        auto* list = findControlAs<QListWidget>(&w, 1000);
        ASSERT_TRUE(QTest::qWaitFor([&] { return StatusCodeOf(*list, nameOf(phone)) == 128; }, 20000));
        EXPECT_TRUE(list->item(0)->text().endsWith(QStringLiteral("Mobile phone \"QP-200\" found !")))
            << list->item(0)->text().toStdString();
        EXPECT_FALSE(w.phone().connection().connected());
        return;
    }
    ASSERT_TRUE(waitConnected());
    EXPECT_EQ(textOf(1042), QString::fromLatin1(c.transfers));
    EXPECT_EQ(control(10)->isEnabled(), c.receive);
    EXPECT_TRUE(control(1013)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Kpsv, ProtocolVersions,
    ::testing::Values(VersionCase{"V201", "2.01", "", true, " Send/Receive", true},
                      VersionCase{"V3", "3", "", true, " Send/Receive", true},
                      VersionCase{"V150", "1.50", "", true, " Send only", false},
                      VersionCase{"Error", "", "", true, " Send only", false},
                      VersionCase{"OkAlone", "2.01", "OK", false, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowStory, StatusListKeepsOneLinePerPortAndWarnsOncePerPortAndCode)
{
    BoxAnswerer boxes;
    PhoneOptions pin;
    pin.simState = SimState::SimPin;
    PhoneOptions noSim;
    noSim.simState = SimState::NoSim;
    PtyPhone locked(pin), empty(noSim);
    testing_support::PtyPair quiet;
    MainWindow& w = open({locked.slavePath(), empty.slavePath(), quiet.slavePath()});
    w.setDetectTickInterval(1);
    QSignalSpy reports(&w.phone(), &PhoneSupervisor::statusReported);
    auto reportsOf = [&](const QString& port, int code) {
        int n = 0;
        for (const auto& r : reports)
            n += r.at(0).toString() == port && r.at(1).toInt() == code;
        return n;
    };
    // Detection probes every port again and again: the same status comes
    // back for each phone, and its box does not.
    ASSERT_TRUE(QTest::qWaitFor([&] { return reportsOf(nameOf(locked), 99) >= 3 && reportsOf(nameOf(empty), 97) >= 3; },
                                30000));
    EXPECT_EQ(boxes.texts.filter(nameOf(locked)), QStringList{FormatUiString(5002, nameOf(locked))})
        << boxes.texts.join(u'|').toStdString();
    EXPECT_EQ(boxes.texts.filter(nameOf(empty)), QStringList{FormatUiString(5003, nameOf(empty))})
        << boxes.texts.join(u'|').toStdString();
    auto* list = findControlAs<QListWidget>(&w, 1000);
    EXPECT_TRUE(list->isVisible()); // the detecting view gave way to the list
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(StatusCodeOf(*list, nameOf(locked)), 99);
    EXPECT_EQ(StatusCodeOf(*list, nameOf(empty)), 97);
    EXPECT_GE(StatusCodeOf(*list, nameOf(quiet)), 0);
    EXPECT_FALSE(w.phone().connection().connected());
}

TEST_F(MainWindowStory, AnUnpluggedPhoneTakesTheWindowBackToDetectingAndTheNextIsFound)
{
    auto first = std::make_unique<PtyPhone>();
    MainWindow& w = open({first->slavePath()});
    ASSERT_TRUE(waitConnected());
    QSignalSpy lost(&w.phone(), &PhoneSupervisor::connectionLost);
    PhoneOptions other;
    other.model = "QP-300";
    other.imei = "359876543210987";
    auto second = std::make_unique<PtyPhone>(other);
    candidates().set({second->slavePath()});
    first.reset(); // the cable is pulled
    // The still check runs every second and gives up after its 6 s wait.
    ASSERT_TRUE(QTest::qWaitFor([&] { return control(1003)->isVisible() || lost.count() > 0; }, 9000));
    EXPECT_EQ(lost.count(), 1);
    EXPECT_FALSE(control(1013)->isEnabled());
    EXPECT_EQ(textOf(1004), QStringLiteral("(connection with mobile phone lost)"));
    ASSERT_TRUE(waitConnected());
    EXPECT_EQ(textOf(1002), QStringLiteral(" QP-300"));
    EXPECT_EQ(textOf(1011), u' ' + nameOf(*second));
}

// The settings dialog from the main window: conversion choices and sounds
// are stored, and a new language reaches the open window at once, the
// phone's own texts kept.
TEST_F(MainWindowStory, SettingsChangeConversionsSoundsAndTheWindowsLanguage)
{
    PtyPhone phone;
    MainWindow& w = open({phone.slavePath()});
    ASSERT_TRUE(waitConnected());
    QString notice;
    auto answerNotice = std::make_unique<testing_support::ModalWatch>([](QWidget*) {}, 1);
    auto settings = testing_support::whenModalAppears([&](QWidget* dialog) {
        findControlAs<QComboBox>(dialog, 1058)->setCurrentIndex(2); // AMR: Always
        findControlAs<QComboBox>(dialog, 1062)->setCurrentIndex(0); // ADPCM: Never
        findControlAs<QAbstractButton>(dialog, 1070)->setChecked(false);
        findControlAs<LanguageComboBox>(dialog, 1060)->selectLanguage(kFrench);
        answerNotice = std::make_unique<testing_support::ModalWatch>([&](QWidget* box) {
            if (auto* b = qobject_cast<QMessageBox*>(box))
                notice = b->text();
            box->close();
        });
        findControlAs<QAbstractButton>(dialog, 1)->click();
    });
    static_cast<QAbstractButton*>(control(1045))->click();
    ASSERT_TRUE(settings.acted());
    EXPECT_EQ(notice, LoadUiString(103, kFrench));
    EXPECT_EQ(readSetting(*store_, setting::AMR2PCM), 2);
    EXPECT_EQ(readSetting(*store_, setting::ADPCM2PCM), 0);
    EXPECT_EQ(w.amrSetting().value(), AskChoice::Always);
    EXPECT_EQ(readSetting(*store_, setting::DisableSounds), 0);
    EXPECT_TRUE(ImageButton::soundsEnabled());
    EXPECT_EQ(readLanguageSetting(*store_, 0), kFrench);
    // The language change reaches the window through the event loop.
    ASSERT_TRUE(QTest::qWaitFor([&] { return textOf(1006) == LoadUiText("dlg102.1006", kFrench); }, 2000));
    EXPECT_NE(textOf(1006), LoadUiText("dlg102.1006", kEnglishUs));
    EXPECT_EQ(static_cast<QAbstractButton*>(control(1045))->text(),
              QString(LoadUiText("dlg102.1045", kFrench)).split(QStringLiteral("\n\t")).first());
    EXPECT_EQ(textOf(1002), QStringLiteral(" QP-200"));
    EXPECT_EQ(textOf(1042), u' ' + LoadUiString(301, kFrench));
    app_->SetUiLanguage(kEnglishUs);
    QCoreApplication::processEvents();
}

TEST_F(MainWindowStory, ClosingWhileDetectingEndsWithoutLateUpdates)
{
    PhoneOptions slow;
    slow.replyDelayMs = 300;
    PtyPhone phone(slow);
    testing_support::PtyPair quiet;
    MainWindow& w = open({phone.slavePath(), quiet.slavePath()});
    QSignalSpy reports(&w.phone(), &PhoneSupervisor::statusReported);
    ASSERT_TRUE(reports.wait(5000));
    QElapsedTimer closing;
    closing.start();
    window_.reset();
    EXPECT_LT(closing.elapsed(), 6000);
    ASSERT_TRUE(trelvix::waitForDetectionThreads(std::chrono::seconds(10)));
    // No acceptance finished after the close: no channel was left open.
    EXPECT_EQ(Comm_Send("AT\r", 3), 0);
}

} // namespace
