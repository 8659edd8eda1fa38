// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "window_shots.h"

#include "app_settings.h"
#include "application.h"
#include "ask_setting.h"
#include "capabilities_dialog.h"
#include "delete_confirm_dialog.h"
#include "detect.h"
#include "dialog_texts.h"
#include "main_window.h"
#include "phone_browser.h"
#include "phone_link.h"
#include "picture_preview_dialog.h"
#include "progress_window.h"
#include "question_dialog.h"
#include "replace_confirm_dialog.h"
#include "settings_dialog.h"
#include "settings_store.h"
#include "ui_strings.h"
#include "welcome_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QLinearGradient>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QTreeWidget>
#include <QtCore/qtestsupport_core.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <iterator>
#include <memory>
#include <mutex>
#include <span>
#include <system_error>
#include <thread>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace quillora {
namespace {

Shot failedShot(const QString& name, const QString& error, const QString& title = QString())
{
    Shot shot;
    shot.name = name;
    shot.title = title;
    shot.error = error;
    return shot;
}

// Bounds of the waits; the simulated phone connects in well under a second.
constexpr int kSettleMs = 3000;
constexpr int kDetectingMs = 5000;
constexpr int kStatusListMs = 10000;
constexpr int kConnectMs = 20000;
constexpr int kFormatsMs = 15000;
constexpr int kProgressMs = 5000;
constexpr int kRunEndMs = 10000;
constexpr int kListingMs = 15000;
constexpr std::chrono::seconds kThreadsEnd{10};
// The detecting view is shown with its bar part-way, then held there.
constexpr int kDetectingProgress = 40;
constexpr int kHeldTickMs = 3600 * 1000;
// A progress window's run is shown part-way through its data, and held
// there until Cancel, or for this long at most.
constexpr int kShownRange = 100;
constexpr int kShownPosition = 40;
constexpr int kShownSecondsLeft = 25;
constexpr int kHeldRunMs = 10000;
constexpr int kCancelPollMs = 10;

constexpr int kStatusListId = 1000;
constexpr int kProgressId = 1001;
constexpr int kModelId = 1002;
constexpr int kFormatsId = 1069;
constexpr StringId kRestartNoticeId = 103;
constexpr StringId kConvertQuestionId = 212;
constexpr StringId kSendingDataId = 205;
constexpr StringId kReceivingDataId = 209;
constexpr StringId kDeletingId = 214;
constexpr StringId kPreviewTitleId = 603;
constexpr StringId kSecondsLeftId = 8740;
constexpr ObjectType kJpeg = 104;

const QString kSoundFile = QStringLiteral("Birthday tune.amr");
const QString kPictureName = QStringLiteral("Holiday picture");
const QString kPictureTitle = QStringLiteral("Holiday at the sea");
constexpr QSize kPreviewPictureSize{640, 480};
constexpr int kDeletedCount = 3;
constexpr int kPicturesTab = 0; // the browser opens on the animations by default

// What the simulated phone holds for the phone browser: titles a user gives.
struct PhonePicture {
    const char16_t* title;
    std::size_t bytes;
};
constexpr PhonePicture kPhonePictures[] = {
    {u"Holiday at the sea", 48 * 1024}, {u"Cat", 9 * 1024}, {u"Birthday party at grandma's", 23 * 1024}};

// The ports detection sees, read on the library's detection threads.
class Candidates {
public:
    void set(std::vector<std::string> paths)
    {
        const std::lock_guard lock(mutex_);
        paths_ = std::move(paths);
    }
    std::vector<trelvix::PortCandidate> get() const
    {
        const std::lock_guard lock(mutex_);
        std::vector<trelvix::PortCandidate> list;
        for (const std::string& path : paths_)
            list.push_back({path, 0, ""});
        return list;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> paths_;
};

// Process-wide, as the source is: it stays pointed at this (empty) list
// after the session, so nothing here ever enumerates the machine's ports.
Candidates& candidates()
{
    static Candidates list;
    return list;
}

// The settings dialog's target: the stored choices, applied nowhere.
class StoredChoices final : public SettingsTarget {
public:
    explicit StoredChoices(SettingsStore& store) : amr_(store, setting::AMR2PCM), adpcm_(store, setting::ADPCM2PCM)
    {
        amr_.load();
        adpcm_.load();
    }
    AskSetting& amrSetting() override { return amr_; }
    AskSetting& adpcmSetting() override { return adpcm_; }
    bool disableSounds() const override { return true; }
    void setDisableSounds(bool) override {}
    void reinitialise() override {}

private:
    AskSetting amr_;
    AskSetting adpcm_;
};

std::vector<QRect> geometries(const QWidget& window)
{
    std::vector<QRect> all{window.geometry()};
    for (const QWidget* w : window.findChildren<QWidget*>())
        all.push_back(w->isVisibleTo(&window) ? w->geometry() : QRect());
    return all;
}

// Layouts, posted resizes and the labels that fit themselves to their text
// all run from events: the window is laid out once three passes in a row
// leave every geometry as it was.
bool settle(QWidget& window)
{
    std::vector<QRect> last;
    int same = 0;
    return QTest::qWaitFor(
        [&] {
            if (QLayout* layout = window.layout())
                layout->activate();
            std::vector<QRect> now = geometries(window);
            same = now == last ? same + 1 : 0;
            last = std::move(now);
            return same >= 3;
        },
        kSettleMs);
}

// A JFIF header and filler bytes: the phone lists the size and the type,
// nothing reads the picture.
std::shared_ptr<const std::string> jfif(std::size_t size)
{
    std::string bytes("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 13);
    bytes.resize(std::max(size, bytes.size()), '\x55');
    return std::make_shared<const std::string>(std::move(bytes));
}

phonesim::PhoneOptions phoneWithPictures()
{
    phonesim::PhoneOptions options;
    for (const PhonePicture& picture : kPhonePictures)
        options.objects.push_back(
            {phonesim::Category::Pictures, {}, picture.title, "JPEG", false, jfif(picture.bytes)});
    return options;
}

StringId dataStepOf(TransferMode mode)
{
    switch (mode) {
    case TransferMode::Receive: return kReceivingDataId;
    case TransferMode::Delete: return kDeletingId;
    case TransferMode::SendOne:
    case TransferMode::SendMany: break;
    }
    return kSendingDataId;
}

// The texts a run shows in its data step, then a wait for Cancel. The texts
// are looked up here, in the session's language, not on the worker.
PhoneOperation heldRun(TransferMode mode)
{
    const std::string step = LoadUiString(dataStepOf(mode)).toStdString();
    const std::string left = FormatUiString(kSecondsLeftId, kShownSecondsLeft).toStdString();
    return [step, left, name = kPictureName.toStdString()](TransferProgress& progress) {
        progress.setStep(step);
        progress.setCounter("(2/3)");
        progress.setObjectName(name);
        progress.setDetail(left);
        progress.setRange(kShownRange);
        progress.setPosition(kShownPosition);
        // Cancel only sets a flag: there is no event to wait on.
        for (int waited = 0; waited < kHeldRunMs && !progress.cancelled(); waited += kCancelPollMs)
            std::this_thread::sleep_for(std::chrono::milliseconds(kCancelPollMs));
        return !progress.cancelled();
    };
}

bool selectFirstRow(QWidget& browser)
{
    auto* list = findControlAs<QTreeWidget>(&browser, PhoneBrowser::kListId);
    if (!list || list->topLevelItemCount() != static_cast<int>(std::size(kPhonePictures)))
        return false;
    list->topLevelItem(0)->setSelected(true); // Retrieve and Delete are enabled
    return true;
}

bool visible(const QWidget& window, int id)
{
    const QWidget* control = findControl(&window, id);
    return control && control->isVisible();
}

QString shortQuestion()
{
    const UiArg file(kSoundFile);
    return formatMessage(LoadUiText("dlg158.12291"), std::span(&file, 1));
}

} // namespace

// A serial line with nothing at the far end: detection gives it a line in
// the status list, and no warning box.
class QuietPort {
public:
    QuietPort()
    {
        char name[128];
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
            throw std::system_error(errno, std::generic_category(), "openpty");
        termios tio{};
        tcgetattr(slave_, &tio);
        cfmakeraw(&tio); // no echo of the probes back to the prober
        tcsetattr(slave_, TCSANOW, &tio);
        path_ = name;
    }
    ~QuietPort()
    {
        ::close(slave_);
        ::close(master_);
    }
    QuietPort(const QuietPort&) = delete;
    QuietPort& operator=(const QuietPort&) = delete;
    const std::string& path() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

ShotSession::ShotSession()
    : store_(std::make_unique<SettingsStore>(dir_.filePath(QStringLiteral("quillora.conf"))))
{
    writeSetting(*store_, setting::DisableSounds, 1);
    writeSetting(*store_, setting::ShowSplash, 1);
    app_ = std::make_unique<Application>(*store_, dir_.filePath(QStringLiteral("quillora")), QStringList{});
    setTheApplication(app_.get());
    candidates().set({});
    trelvix::setCandidateSource([](bool) { return candidates().get(); });
    app_->SetUiLanguage(language_);
}

ShotSession::~ShotSession()
{
    closeMainWindow();
    setTheApplication(nullptr);
}

QStringList ShotSession::windowNames()
{
    return {QStringLiteral("main-detecting"),   QStringLiteral("main-status"),      QStringLiteral("main-connected"),
            QStringLiteral("capabilities"),     QStringLiteral("progress-send"),    QStringLiteral("progress-receive"),
            QStringLiteral("progress-delete"),  QStringLiteral("browser"),          QStringLiteral("welcome"),
            QStringLiteral("about"),            QStringLiteral("settings"),         QStringLiteral("question-short"),
            QStringLiteral("question-long"),    QStringLiteral("replace"),          QStringLiteral("restart-notice"),
            QStringLiteral("delete-one"),       QStringLiteral("delete-many"),      QStringLiteral("preview")};
}

bool ShotSession::setLanguage(LocaleId id)
{
    if (!findUiLanguage(id))
        return false;
    // The main window's views are built again in the new language.
    closeMainWindow();
    language_ = id;
    app_->SetUiLanguage(id);
    QCoreApplication::processEvents();
    return true;
}

Shot ShotSession::render(const QString& window)
{
    const QString name = QStringLiteral("%1-%2").arg(window).arg(language_);
    if (window == QLatin1String("main-detecting"))
        return mainDetecting(name);
    if (window == QLatin1String("main-status"))
        return mainStatus(name);
    if (window == QLatin1String("main-connected"))
        return mainConnected(name);
    if (window == QLatin1String("capabilities"))
        return capabilities(name);
    if (window.startsWith(QLatin1String("progress-")))
        return progress(window, name);
    if (window == QLatin1String("browser"))
        return browser(name);
    if (window == QLatin1String("preview"))
        return preview(name);
    return dialog(window, name);
}

// ---------------------------------------------------------------------------
// The main window's three views

QString ShotSession::openMainWindow(bool withPhone)
{
    closeMainWindow();
    try {
        if (withPhone)
            phone_ = std::make_unique<phonesim::PtyPhone>(phoneWithPictures());
        else if (!quiet_)
            quiet_ = std::make_unique<QuietPort>();
    } catch (const std::system_error& e) {
        return QStringLiteral("no pseudo-terminal: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    candidates().set({withPhone ? phone_->slavePath() : quiet_->path()});
    windowHasPhone_ = withPhone;
    window_ = std::make_unique<MainWindow>(*app_);
    window_->show(); // starts detection
    return {};
}

void ShotSession::closeMainWindow()
{
    window_.reset();
    candidates().set({});
    trelvix::waitForDetectionThreads(kThreadsEnd);
    // The next connection gets a phone fresh from reset, as a replugged one is.
    phone_.reset();
    windowHasPhone_ = false;
}

Shot ShotSession::mainDetecting(const QString& name)
{
    if (const QString failure = openMainWindow(false); !failure.isEmpty())
        return failedShot(name, failure);
    window_->setDetectTickInterval(2);
    auto* progress = findControlAs<QProgressBar>(window_.get(), kProgressId);
    const bool moved = progress && QTest::qWaitFor([&] { return progress->value() >= kDetectingProgress; }, kDetectingMs);
    window_->setDetectTickInterval(kHeldTickMs);
    Shot shot = shoot(*window_, name);
    if (!moved)
        shot.error = QStringLiteral("the detecting view's progress bar did not move");
    return shot;
}

Shot ShotSession::mainStatus(const QString& name)
{
    // The detecting view's window goes on to this one.
    if (!window_ || windowHasPhone_) {
        if (const QString failure = openMainWindow(false); !failure.isEmpty())
            return failedShot(name, failure);
    }
    window_->setDetectTickInterval(1);
    auto* list = findControlAs<QListWidget>(window_.get(), kStatusListId);
    const bool shown =
        list && QTest::qWaitFor([&] { return list->isVisible() && list->count() > 0; }, kStatusListMs);
    if (!shown)
        return failedShot(name, QStringLiteral("the status list never showed a port"), window_->windowTitle());
    return shoot(*window_, name);
}

QString ShotSession::connectMainWindow()
{
    if (const QString failure = openMainWindow(true); !failure.isEmpty())
        return failure;
    if (!QTest::qWaitFor([&] { return visible(*window_, kModelId); }, kConnectMs))
        return QStringLiteral("the simulated phone was not found");
    if (!QTest::qWaitFor([&] { return visible(*window_, kFormatsId); }, kFormatsMs))
        return QStringLiteral("the phone's formats report did not come");
    // Detection goes on only for a later phone; there is none.
    candidates().set({});
    capabilities_ = window_->phone().capabilities().argument;
    capabilitiesLanguage_ = language_;
    return {};
}

QString ShotSession::ensureConnected()
{
    if (window_ && windowHasPhone_ && window_->phone().connection().connected())
        return {};
    return connectMainWindow();
}

Shot ShotSession::mainConnected(const QString& name)
{
    const QString failure = connectMainWindow();
    if (!failure.isEmpty())
        return failedShot(name, failure, window_ ? window_->windowTitle() : QString());
    return shoot(*window_, name);
}

// ---------------------------------------------------------------------------
// The windows over the connected main window

std::unique_ptr<ProgressWindow> ShotSession::makeProgress(const QString& window)
{
    const PhoneAccess access = window_->phoneAccess();
    if (window == QLatin1String("progress-send"))
        return ProgressWindow::forSend(access, previewPicture(), kJpeg, kPictureName, 0, nullptr, window_.get());
    if (window == QLatin1String("progress-receive"))
        return ProgressWindow::forReceive(access, dir_.path(), kPictureName + QStringLiteral(".jpg"), 0, nullptr,
                                          window_.get());
    if (window == QLatin1String("progress-delete"))
        return ProgressWindow::forDelete(access, nullptr, window_.get());
    return nullptr;
}

Shot ShotSession::progress(const QString& window, const QString& name)
{
    if (const QString failure = ensureConnected(); !failure.isEmpty())
        return failedShot(name, failure);
    const std::unique_ptr<ProgressWindow> progress = makeProgress(window);
    if (!progress)
        return failedShot(name, QStringLiteral("no window is called \"%1\"").arg(window));
    progress->setOperation(heldRun(progress->mode()));
    bool ended = false;
    QObject::connect(progress.get(), &ProgressWindow::finishedRun, progress.get(), [&ended] { ended = true; });
    // Shown without a modal loop of its own, so it is grabbed while it runs.
    progress->open();
    auto* bar = findControlAs<QProgressBar>(progress.get(), ProgressWindow::kProgressId);
    const bool shown = bar && QTest::qWaitFor([&] { return bar->value() == kShownPosition; }, kProgressMs);
    Shot shot = shoot(*progress, name);
    if (!shown)
        shot.error = QStringLiteral("the progress window never showed its run's texts");
    progress->reject(); // Cancel; the window closes itself when the run ends
    if (!QTest::qWaitFor([&] { return ended; }, kRunEndMs) && shot.error.isEmpty())
        shot.error = QStringLiteral("the run did not end after Cancel");
    return shot;
}

Shot ShotSession::browser(const QString& name)
{
    if (const QString failure = ensureConnected(); !failure.isEmpty())
        return failedShot(name, failure);
    PhoneBrowser::Host host;
    host.access = [this] { return window_->phoneAccess(); };
    host.settings = store_.get();
    host.allowVCardsVCals = true; // all five tabs
    writeSetting(*store_, setting::Category, kPicturesTab);
    PhoneBrowser browser(std::move(host), window_.get());
    browser.show();
    const bool listed = QTest::qWaitFor([&] { return !browser.listing(); }, kListingMs) && selectFirstRow(browser);
    Shot shot = shoot(browser, name);
    if (!listed)
        shot.error = QStringLiteral("the phone's pictures were not listed");
    return shot;
}

// ---------------------------------------------------------------------------
// The dialogs

Shot ShotSession::capabilities(const QString& name)
{
    // The report's rows name the formats in the language it was built in.
    if (capabilitiesLanguage_ != language_) {
        const QString failure = connectMainWindow();
        if (!failure.isEmpty())
            return failedShot(name, failure);
    }
    CapabilitiesDialog dialog(capabilities_);
    return shoot(dialog, name);
}

// A photo as the phone takes them, written once per session.
QString ShotSession::previewPicture()
{
    const QString path = dir_.filePath(kPictureTitle + QStringLiteral(".jpg"));
    if (QFileInfo::exists(path))
        return path;
    QImage image(kPreviewPictureSize, QImage::Format_RGB32);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(120, 180, 235));
    sky.setColorAt(0.6, QColor(230, 240, 250));
    sky.setColorAt(0.61, QColor(20, 90, 150));
    sky.setColorAt(1, QColor(10, 40, 90));
    QPainter(&image).fillRect(image.rect(), sky);
    return image.save(path, "JPEG") ? path : QString();
}

Shot ShotSession::preview(const QString& name)
{
    const QString picture = previewPicture();
    if (picture.isEmpty())
        return failedShot(name, QStringLiteral("the preview's picture could not be written"));
    PicturePreviewDialog dialog(LoadUiString(kPreviewTitleId), picture);
    return shoot(dialog, name);
}

std::unique_ptr<QWidget> ShotSession::makeDialog(const QString& window)
{
    if (window == QLatin1String("welcome"))
        return std::make_unique<WelcomeDialog>(true);
    if (window == QLatin1String("about"))
        return std::make_unique<WelcomeDialog>(false);
    if (window == QLatin1String("settings")) {
        if (!settingsTarget_)
            settingsTarget_ = std::make_unique<StoredChoices>(*store_);
        return std::make_unique<SettingsDialog>(*settingsTarget_, *store_);
    }
    if (window == QLatin1String("question-short"))
        return std::make_unique<QuestionDialog>(shortQuestion());
    if (window == QLatin1String("question-long"))
        return std::make_unique<QuestionDialog>(FormatUiString(kConvertQuestionId, QStringLiteral("AMR")));
    if (window == QLatin1String("replace"))
        return std::make_unique<ReplaceConfirmDialog>(kSoundFile, dir_.path());
    if (window == QLatin1String("restart-notice"))
        return std::make_unique<QMessageBox>(QMessageBox::Information, Application::name(),
                                             LoadUiString(kRestartNoticeId), QMessageBox::Ok);
    if (window == QLatin1String("delete-one"))
        return std::make_unique<DeleteConfirmDialog>(kPictureTitle);
    if (window == QLatin1String("delete-many"))
        return std::make_unique<DeleteConfirmDialog>(kDeletedCount);
    return nullptr;
}

Shot ShotSession::dialog(const QString& window, const QString& name)
{
    const std::unique_ptr<QWidget> widget = makeDialog(window);
    if (!widget)
        return failedShot(name, QStringLiteral("no window is called \"%1\"").arg(window));
    return shoot(*widget, name);
}

Shot ShotSession::shoot(QWidget& window, const QString& name)
{
    window.show();
    Shot shot;
    shot.name = name;
    shot.title = window.windowTitle();
    if (!settle(window))
        shot.error = QStringLiteral("the layout kept changing");
    shot.image = window.grab().toImage();
    shot.clipped = FindClippedControls(window, name);
    shot.clashes = FindMnemonicClashes(window);
    return shot;
}

QString SaveShot(const Shot& shot, const QString& dir)
{
    if (shot.image.isNull() || !QDir().mkpath(dir))
        return {};
    const QString path = QDir(dir).filePath(shot.name + QStringLiteral(".png"));
    return shot.image.save(path, "PNG") ? path : QString();
}

} // namespace quillora
