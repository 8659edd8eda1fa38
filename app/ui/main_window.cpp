// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "main_window.h"

#include "app_settings.h"
#include "application.h"
#include "capabilities_dialog.h"
#include "device_watcher.h"
#include "dialog_texts.h"
#include "hyperlink_label.h"
#include "image_button.h"
#include "message_format.h"
#include "mime_file_types.h"
#include "phone_browser.h"
#include "program_art.h"
#include "send_flow.h"
#include "settings_quirks_store.h"
#include "shaded_button.h"
#include "status_list.h"
#include "ui_strings.h"
#include "ui_text_source.h"
#include "welcome_dialog.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QDropEvent>
#include <QMimeData>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace quillora {

namespace {

namespace text_id {
inline constexpr StringId kAbout = 101;
inline constexpr StringId kConnectionLost = 105;
inline constexpr StringId kSendReceive = 301;
inline constexpr StringId kSendOnly = 302;
} // namespace text_id

namespace control {
inline constexpr int kStatusList = 1000;
inline constexpr int kProgress = 1001;
inline constexpr int kModel = 1002;
inline constexpr int kDetecting = 1003;
inline constexpr int kHint = 1004;
inline constexpr int kModelLabel = 1006;
inline constexpr int kFrame = 1008;
inline constexpr int kPortLabel = 1010;
inline constexpr int kPort = 1011;
inline constexpr int kSpeed = 1012;
inline constexpr int kSend = 1013;
inline constexpr int kSpeedLabel = 1014;
inline constexpr int kTransfersLabel = 1041;
inline constexpr int kTransfers = 1042;
inline constexpr int kSettings = 1045;
inline constexpr int kFormats = 1069;
inline constexpr int kReceive = 10;
inline constexpr int kExit = 1;
inline constexpr int kHelp = 57670;
inline constexpr int kPending = 1071;
} // namespace control

// Names shown in the note of files waiting for a phone; the rest are counted.
constexpr qsizetype kPendingNamesShown = 3;

// The window's colour: the button face moved toward a light blue by as
// much as its red and green leave room for.
QColor faceColour(const QColor& face)
{
    const int r = face.red(), g = face.green(), b = face.blue();
    const int m = std::min(255 - std::max(r, g), b);
    return QColor(r + m, g + m, b - m);
}

QLabel* boldLabel(QWidget* parent, int id)
{
    auto* label = withControlId(new QLabel(parent), id);
    QFont bold = label->font();
    bold.setWeight(QFont::Bold);
    label->setFont(bold);
    return label;
}

} // namespace

MainWindow::MainWindow(Application& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      texts_(std::make_unique<UiTextSource>()),
      typeNames_(std::make_unique<MimeFileTypeNames>()),
      quirks_(std::make_unique<SettingsQuirksStore>(app.settings())),
      amr_(app.settings(), setting::AMR2PCM),
      adpcm_(app.settings(), setting::ADPCM2PCM)
{
    setTemplateId(this, kTemplateId);
    const SettingsStore& store = app.settings();
    disableSounds_ = readSetting(store, setting::DisableSounds) != 0;
    allowVCardsVCals_ = readSetting(store, setting::AllowVCardsVCals) != 0;
    allowMultipleSend_ = readSetting(store, setting::AllowMultipleSend) != 0;
    setAcceptDrops(true);

    const PhoneSupervisor::Setup setup{*texts_, typeNames_.get(), quirks_.get(), app.companyShortName(),
                                       app.delayFactor()};
    phone_ = std::make_unique<PhoneSupervisor>(setup, *this);
    connect(phone_.get(), &PhoneSupervisor::statusReported, this, &MainWindow::onStatus);
    connect(phone_.get(), &PhoneSupervisor::phoneConnected, this, &MainWindow::onPhoneConnected);
    connect(phone_.get(), &PhoneSupervisor::connectionLost, this, &MainWindow::onConnectionLost);
    connect(phone_.get(), &PhoneSupervisor::capabilitiesReady, this, &MainWindow::onCapabilitiesReady);
    detectTimer_.setInterval(kDetectTickMs);
    connect(&detectTimer_, &QTimer::timeout, this, &MainWindow::onDetectTick);

    buildControls();
    ReapplyDialogTemplate(this, true, CurrentUiLanguage());
    setUpSendFlow();
}

MainWindow::~MainWindow()
{
    stopEverything();
}

// ---------------------------------------------------------------------------
// Controls

void MainWindow::buildControls()
{
    auto* root = new QVBoxLayout(this);
    auto* middle = new QGridLayout;
    // The three views share one place; only one of them shows at a time.
    auto* detectBox = new QWidget(this);
    auto* detectLayout = new QVBoxLayout(detectBox);
    detecting_ = boldLabel(detectBox, control::kDetecting);
    progress_ = withControlId(new QProgressBar(detectBox), control::kProgress);
    progress_->setRange(0, 100);
    progress_->setTextVisible(false);
    hint_ = withControlId(new QLabel(detectBox), control::kHint);
    detectLayout->addWidget(detecting_);
    detectLayout->addWidget(progress_);
    detectLayout->addWidget(hint_);
    detectLayout->addStretch();
    statusList_ = withControlId(new QListWidget(this), control::kStatusList);
    statusList_->setMinimumHeight(90);
    middle->addWidget(detectBox, 0, 0);
    middle->addWidget(buildPhoneView(), 0, 0);
    middle->addWidget(statusList_, 0, 0);
    root->addLayout(middle, 1);
    // Files opened before a phone is there say so until they go.
    pending_ = withControlId(new QLabel(this), control::kPending);
    pending_->setWordWrap(true);
    pending_->hide();
    root->addWidget(pending_);
    root->addWidget(buildButtons());
    help_ = withControlId(new HyperlinkLabel(this), control::kHelp);
    root->addWidget(help_, 0, Qt::AlignRight);
    setWindowIcon(applicationIcon());

    auto* about = new QAction(this);
    about->setObjectName(QStringLiteral("about"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QWidget* MainWindow::buildPhoneView()
{
    phoneFrame_ = withControlId(new QFrame(this), control::kFrame);
    phoneFrame_->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(phoneFrame_);
    auto label = [&](int id) {
        auto* l = withControlId(new QLabel(phoneFrame_), id);
        phoneLabels_.append(l);
        return l;
    };
    model_ = boldLabel(phoneFrame_, control::kModel);
    port_ = boldLabel(phoneFrame_, control::kPort);
    transfers_ = boldLabel(phoneFrame_, control::kTransfers);
    speed_ = boldLabel(phoneFrame_, control::kSpeed);
    formats_ = withControlId(new QPushButton(phoneFrame_), control::kFormats);
    formats_->setFixedWidth(formats_->fontMetrics().horizontalAdvance(QStringLiteral("??")) + 16);
    connect(formats_, &QPushButton::clicked, this, &MainWindow::showCapabilities);
    grid->addWidget(label(control::kModelLabel), 0, 0);
    grid->addWidget(model_, 0, 1);
    grid->addWidget(formats_, 0, 2);
    grid->addWidget(label(control::kPortLabel), 1, 0);
    grid->addWidget(port_, 1, 1, 1, 2);
    grid->addWidget(label(control::kTransfersLabel), 2, 0);
    grid->addWidget(transfers_, 2, 1, 1, 2);
    grid->addWidget(label(control::kSpeedLabel), 3, 0);
    grid->addWidget(speed_, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return phoneFrame_;
}

QWidget* MainWindow::buildButtons()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    send_ = withControlId(new ShadedButton(box), control::kSend);
    receive_ = withControlId(new ShadedButton(box), control::kReceive);
    settings_ = withControlId(new ImageButton(box), control::kSettings);
    exit_ = withControlId(new ImageButton(box), control::kExit);
    for (QAbstractButton* b : {send_, receive_})
        b->setMinimumSize(120, 48);
    row->addWidget(send_);
    row->addWidget(receive_);
    row->addStretch();
    row->addWidget(settings_);
    row->addWidget(exit_);
    connect(send_, &QAbstractButton::clicked, this, &MainWindow::sendRequested);
    connect(receive_, &QAbstractButton::clicked, this, &MainWindow::receiveRequested);
    connect(settings_, &QAbstractButton::clicked, this, &MainWindow::openSettings);
    connect(exit_, &QAbstractButton::clicked, this, &MainWindow::accept);
    return box;
}

void MainWindow::setUpButtons()
{
    auto* exit = static_cast<ImageButton*>(exit_);
    exit->setIcon(exitIcon(), QSize(24, 24), ImageButton::OutIcon::Grey);
    exit->offsetColor(ImageButton::ColorRole::InBackground, 30);
    auto* settings = static_cast<ImageButton*>(settings_);
    settings->setIcon(settingsIcon(), QSize(32, 32), ImageButton::OutIcon::Grey);
    settings->offsetColor(ImageButton::ColorRole::InBackground, 30);
    const QColor shade(192, 220, 255);
    auto* send = static_cast<ShadedButton*>(send_);
    auto* receive = static_cast<ShadedButton*>(receive_);
    send->setShade(6, 8, 50, 50, shade);
    receive->setShade(6, 8, 50, 50, shade);
    send->setIcon(sendIcon(), QSize(32, 32), ImageButton::OutIcon::Grey);
    receive->setIcon(receiveIcon(), QSize(32, 32), ImageButton::OutIcon::Grey);
    for (ImageButton* b : {static_cast<ImageButton*>(send), static_cast<ImageButton*>(receive)})
        b->setSounds(clickSoundUrl(), QUrl());
    ImageButton::setSoundsEnabled(!disableSounds_);
}

// ---------------------------------------------------------------------------
// Initialisation, again after a language change or the settings dialog

void MainWindow::initialise()
{
    const std::array<UiArg, 1> version{UiArg(app_.version().versionText())};
    setWindowTitle(formatMessage(templateText(kTemplateId, 0, CurrentUiLanguage()), version));
    const QString aboutText = LoadUiString(text_id::kAbout);
    for (QAction* a : actions())
        if (a->objectName() == QStringLiteral("about")) {
            a->setText(aboutText);
            a->setVisible(!aboutText.isEmpty());
        }
    help_->setLink(app_.helpFilePath());
    updatePendingNote();
    if (lostOnce_)
        hint_->setText(LoadUiString(text_id::kConnectionLost));
    // Of the texts the window fills in, only the transfers are words.
    if (phone_->connection().connected())
        showTransfers();
    setUpButtons();
    if (firstInit_) {
        firstInit_ = false;
        amr_.load();
        adpcm_.load();
        startDetection();
        if (phone_->connection().connected())
            showConnectedView(true);
    }
    send_->setFocus();
}

void MainWindow::updatePendingNote()
{
    QStringList names;
    for (const QString& path : pendingFiles_.first(std::min(pendingFiles_.size(), kPendingNamesShown)))
        names << QFileInfo(path).fileName();
    if (pendingFiles_.size() > kPendingNamesShown)
        names << QStringLiteral("(+%1)").arg(pendingFiles_.size() - kPendingNamesShown);
    const std::array<UiArg, 1> inserts{UiArg(names.join(QStringLiteral(", ")))};
    pending_->setText(formatMessage(LoadUiText("main.pending"), inserts));
    pending_->setVisible(!pendingFiles_.isEmpty());
}

void MainWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (firstInit_ && !event->spontaneous())
        initialise();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && !firstInit_) {
        // The texts the window fills in itself (model, port, speed) stay.
        ReapplyDialogTemplate(this, false, CurrentUiLanguage());
        initialise();
    }
    QDialog::changeEvent(event);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(QRect(area.topLeft(), QSize(area.width(), area.height() * 97 / 124)),
                     faceColour(palette().color(QPalette::Button)));
    QDialog::paintEvent(event);
}

// ---------------------------------------------------------------------------
// Detection and connection

void MainWindow::startDetection()
{
    if (!deviceWatcher_)
        deviceWatcher_ = std::make_unique<trelvix::DeviceWatcher>();
    showDetectingView();
    phone_->startDetection();
}

void MainWindow::showDetectingView()
{
    progress_->setValue(0);
    send_->setEnabled(false);
    receive_->setEnabled(false);
    phoneFrame_->hide();
    statusList_->hide();
    formats_->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{model_, port_, transfers_, speed_})
        w->hide();
    for (QLabel* l : phoneLabels_)
        l->hide();
    detecting_->parentWidget()->show();
    detecting_->show();
    progress_->show();
    hint_->show();
    detectTimer_.start();
}

void MainWindow::onDetectTick()
{
    progress_->setValue(progress_->value() + 1);
    if (progress_->value() >= progress_->maximum())
        showConnectedView(false);
}

void MainWindow::showConnectedView(bool connected)
{
    detectTimer_.stop();
    detecting_->parentWidget()->hide();
    if (connected) {
        statusList_->hide();
        phoneFrame_->show();
        send_->setEnabled(true);
        receive_->setEnabled((phone_->connection().phoneCapabilities.load() & capability::kObjectProtocol) != 0);
        lostOnce_ = true;
        hint_->setText(LoadUiString(text_id::kConnectionLost));
        for (QWidget* w : std::initializer_list<QWidget*>{model_, port_, transfers_, speed_})
            w->show();
        for (QLabel* l : phoneLabels_)
            l->show();
        formats_->setVisible((phone_->connection().phoneCapabilities.load() & capability::kFormatReport) != 0);
        send_->setFocus();
    } else {
        statusList_->show();
        phoneFrame_->hide();
    }
}

void MainWindow::onStatus(const QString& port, int code, const QString& text)
{
    UpdateStatusList(*statusList_, port, code, text);
}

void MainWindow::onPhoneConnected(const ConnectedPhone& phone)
{
    model_->setText(u' ' + phone.model);
    showTransfers();
    port_->setText(u' ' + phone.port);
    speed_->setText(phone.usb ? LoadUiText("main.usb") : fillNumbers(LoadUiText("main.speed"), {phone.speed}));
    showConnectedView(true);
    // Files opened before a phone was there go now, one run each.
    for (const QString& path : std::exchange(pendingFiles_, {}))
        QTimer::singleShot(0, this, [this, path] { sendFlow_->openFile(path); });
    updatePendingNote();
}

void MainWindow::showTransfers()
{
    const bool both = (phone_->connection().phoneCapabilities.load() & capability::kObjectProtocol) != 0;
    transfers_->setText(u' ' + LoadUiString(both ? text_id::kSendReceive : text_id::kSendOnly));
}

void MainWindow::onConnectionLost()
{
    // The browser's list means nothing without the phone.
    if (browser_)
        browser_->forceClose();
    statusList_->clear();
    showDetectingView();
}

void MainWindow::onCapabilitiesReady()
{
    formats_->show();
}

void MainWindow::showCapabilities()
{
    CapabilitiesDialog dialog(phone_->capabilities().argument, this);
    dialog.exec();
    activateWindow();
}

// ---------------------------------------------------------------------------
// Dialogs and commands

void MainWindow::openSettings()
{
    SettingsDialog dialog(*this, app_.settings(), this);
    dialog.exec();
}

void MainWindow::showAbout()
{
    WelcomeDialog dialog(false, this);
    dialog.exec();
}

void MainWindow::setDisableSounds(bool disabled)
{
    disableSounds_ = disabled;
    ImageButton::setSoundsEnabled(!disabled);
}

void MainWindow::showPhoneWarning(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, Application::name(), text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::showPhoneError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, Application::name(), text, QMessageBox::Ok, this);
    box.exec();
}

// ---------------------------------------------------------------------------
// Sending

void MainWindow::setUpSendFlow()
{
    SendFlow::Host host;
    host.window = this;
    host.settings = &app_.settings();
    host.access = [this] { return phoneAccess(); };
    host.allowMultiple = [this] { return allowMultipleSend_; };
    host.dialogTitle = [this] { return sendDialogTitle(); };
    host.model = [this] { return QString::fromStdString(phone_->connection().phone().modelName); };
    host.supportedPatterns = [this] {
        const bool complete = phone_->connection().phoneCapabilities.load() & capability::kFormatReport;
        return complete ? phone_->capabilities().supportedPatterns : std::string();
    };
    host.busy = [this] { return browser_ != nullptr || quitRequested_; };
    sendFlow_ = std::make_unique<SendFlow>(std::move(host));
    connect(this, &MainWindow::sendRequested, this, [this] { sendFlow_->chooseAndSend(); });
    connect(this, &MainWindow::receiveRequested, this, &MainWindow::openBrowser);
}

void MainWindow::openBrowser()
{
    if (browser_ || !phone_->connection().connected())
        return;
    PhoneBrowser::Host host;
    host.access = [this] { return phoneAccess(); };
    host.settings = &app_.settings();
    host.typeNames = typeNames_.get();
    host.showHidden = app_.showHidden();
    host.allowVCardsVCals = allowVCardsVCals_;
    PhoneBrowser browser(std::move(host), this);
    browser_ = &browser;
    browser.exec();
    browser_ = nullptr;
    if (!quitRequested_)
        sendFlow_->resumeWaiting();
}

PhoneAccess MainWindow::phoneAccess()
{
    PhoneAccess access;
    access.session = &phone_->session();
    access.connection = &phone_->connection();
    access.link = &phone_->link();
    access.texts = texts_.get();
    access.quirks = quirks_.get();
    access.amr = &amr_;
    access.adpcm = &adpcm_;
    // The slow retry changed the line: the speed line follows, on our thread.
    access.speedChanged = [this](int speed) {
        QMetaObject::invokeMethod(
            this, [this, speed] { speed_->setText(fillNumbers(LoadUiText("main.speed"), {speed})); },
            Qt::QueuedConnection);
    };
    return access;
}

// The Send button's caption without its tooltip part or accelerators.
QString MainWindow::sendDialogTitle() const
{
    QString caption = templateText(kTemplateId, control::kSend, CurrentUiLanguage());
    caption = caption.section(u'\n', 0, 0);
    return caption.remove(u'&');
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && phone_->connection().connected())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    event->acceptProposedAction();
    // The drop ends before the transfer starts, so the dragging program is
    // not held for the transfer's length.
    QTimer::singleShot(0, this, [this, files] { sendFlow_->sendDropped(files); });
}

void MainWindow::openFile(const QString& path)
{
    Q_EMIT filesOpened({path});
    if (!phone_->connection().connected()) {
        pendingFiles_.append(path);
        updatePendingNote();
        return;
    }
    // Not inside the command channel's read: the transfer runs its own
    // window. Without a phone the file waits for the next one.
    QTimer::singleShot(0, this, [this, path] { sendFlow_->openFile(path); });
}

// [Quit] from another start: whatever dialog is open goes too (a welcome
// dialog still up at start-up ends the program).
void MainWindow::quit()
{
    quitRequested_ = true;
    pendingFiles_.clear();
    updatePendingNote();
    sendFlow_->dropWaiting();
    // A transfer is stopped first; the window goes once the run's window has.
    if (auto* run = findChild<ProgressWindow*>()) {
        connect(run, &QObject::destroyed, this, &MainWindow::quit, Qt::QueuedConnection);
        rejectModalsAbove(run);
        run->reject();
        return;
    }
    // The browser would refuse while its listing runs.
    if (browser_)
        browser_->forceClose();
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()); modal && modal != this)
        modal->reject();
    accept();
}

// The run's questions (and a dialog they opened, such as the save dialog of
// Rename) are answered as Cancel or No, top first.
void MainWindow::rejectModalsAbove(QWidget* run)
{
    for (int i = 0; i < 8; ++i) {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || modal == run || modal == this)
            return;
        modal->reject();
        if (QApplication::activeModalWidget() == modal)
            return; // it refused to go (a dialog that stays until its work ends)
    }
}

void MainWindow::setForeground()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::done(int result)
{
    stopEverything();
    QDialog::done(result);
}

void MainWindow::stopEverything()
{
    if (stopped_)
        return;
    stopped_ = true;
    detectTimer_.stop();
    deviceWatcher_.reset();
    phone_->shutdown();
}

} // namespace quillora
