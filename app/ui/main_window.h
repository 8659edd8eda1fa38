// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The program's main window: finds the phone by itself, shows its model,
// port, speed and possible transfers, and goes back to detecting when the
// phone is gone. It shows what PhoneSupervisor reports and never talks to
// the library's threads itself.
#pragma once

#include "ask_setting.h"
#include "instance_commands.h"
#include "phone_supervisor.h"
#include "progress_window.h"
#include "settings_dialog.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <memory>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QAbstractButton;
class QFrame;

namespace trelvix {
class DeviceWatcher;
}

namespace quillora {

class Application;
class HyperlinkLabel;
class PhoneBrowser;
class SendFlow;
class FileTypeNames;
class QuirksStore;
class TextSource;

class MainWindow : public QDialog, public SettingsTarget, public StatusNotices, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 102;
    // Ticks of the detecting view's progress bar (100 of them, about 10 s).
    static constexpr int kDetectTickMs = 100;

    explicit MainWindow(Application& app, QWidget* parent = nullptr);
    // Stops detection, the still check and the channel.
    ~MainWindow() override;

    PhoneSupervisor& phone() { return *phone_; }
    // Tests shorten the detecting view's ten seconds.
    void setDetectTickInterval(int ms) { detectTimer_.setInterval(ms); }
    // Files opened while no phone was connected; sent once one is.
    QStringList pendingFiles() const { return pendingFiles_; }
    bool quitRequested() const { return quitRequested_; }
    bool allowMultipleSend() const { return allowMultipleSend_; }
    bool allowVCardsVCals() const { return allowVCardsVCals_; }
    // What a progress window needs to run an operation on the phone.
    PhoneAccess phoneAccess();
    // The open phone browser, if any.
    PhoneBrowser* browser() const { return browser_; }

    // SettingsTarget
    AskSetting& amrSetting() override { return amr_; }
    AskSetting& adpcmSetting() override { return adpcm_; }
    bool disableSounds() const override { return disableSounds_; }
    void setDisableSounds(bool disabled) override;
    void reinitialise() override { initialise(); }

    // StatusNotices (on the UI thread)
    void showPhoneWarning(const QString& text) override;
    void showPhoneError(const QString& text) override;

    // CommandTarget
    void openFile(const QString& path) override;
    void quit() override;
    void setForeground() override;

Q_SIGNALS:
    // The send flow and the phone browser take these up.
    void sendRequested();
    void receiveRequested();
    void filesOpened(const QStringList& paths);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void done(int result) override;

private:
    void buildControls();
    QWidget* buildPhoneView();
    QWidget* buildButtons();
    void setUpButtons();
    void initialise();
    void updatePendingNote();
    void startDetection();
    void showDetectingView();
    void showConnectedView(bool connected);
    void onDetectTick();
    void onStatus(const QString& port, int code, const QString& text);
    void onPhoneConnected(const ConnectedPhone& phone);
    void showTransfers();
    void onConnectionLost();
    void onCapabilitiesReady();
    void showCapabilities();
    void openSettings();
    void showAbout();
    void stopEverything();
    void setUpSendFlow();
    QString sendDialogTitle() const;
    void openBrowser();
    void rejectModalsAbove(QWidget* run);

    Application& app_;
    std::unique_ptr<TextSource> texts_;
    std::unique_ptr<FileTypeNames> typeNames_;
    std::unique_ptr<QuirksStore> quirks_;
    std::unique_ptr<PhoneSupervisor> phone_;
    std::unique_ptr<trelvix::DeviceWatcher> deviceWatcher_;
    std::unique_ptr<SendFlow> sendFlow_;
    PhoneBrowser* browser_ = nullptr;
    AskSetting amr_;
    AskSetting adpcm_;
    bool disableSounds_ = false;
    bool allowVCardsVCals_ = false;
    bool allowMultipleSend_ = false;
    bool firstInit_ = true;
    bool lostOnce_ = false; // the hint says the connection was lost
    bool stopped_ = false;
    bool quitRequested_ = false;
    QStringList pendingFiles_;
    QTimer detectTimer_;

    QFrame* phoneFrame_ = nullptr;     // 1008
    QLabel* detecting_ = nullptr;      // 1003
    QProgressBar* progress_ = nullptr; // 1001
    QLabel* hint_ = nullptr;           // 1004
    QLabel* pending_ = nullptr;        // 1071, files waiting for a phone
    QListWidget* statusList_ = nullptr; // 1000
    QLabel* model_ = nullptr;          // 1002
    QLabel* port_ = nullptr;           // 1011
    QLabel* transfers_ = nullptr;      // 1042
    QLabel* speed_ = nullptr;          // 1012
    QPushButton* formats_ = nullptr;   // 1069
    QAbstractButton* send_ = nullptr;  // 1013
    QAbstractButton* receive_ = nullptr; // 10
    QAbstractButton* settings_ = nullptr; // 1045
    QAbstractButton* exit_ = nullptr;  // 1
    HyperlinkLabel* help_ = nullptr;   // 57670
    QList<QLabel*> phoneLabels_;       // 1006, 1010, 1041, 1014
};

} // namespace quillora
