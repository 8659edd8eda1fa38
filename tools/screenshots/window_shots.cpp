// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "window_shots.h"

#include "app_settings.h"
#include "application.h"
#include "ask_setting.h"
#include "capabilities_dialog.h"
#include "detect.h"
#include "dialog_texts.h"
#include "main_window.h"
#include "phone_link.h"
#include "question_dialog.h"
#include "replace_confirm_dialog.h"
#include "settings_dialog.h"
#include "settings_store.h"
#include "ui_strings.h"
#include "welcome_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QtCore/qtestsupport_core.h>

#include <cerrno>
#include <chrono>
#include <mutex>
#include <span>
#include <system_error>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace quillora {
namespace {

// Bounds of the waits; the simulated phone connects in well under a second.
constexpr int kSettleMs = 3000;
constexpr int kDetectingMs = 5000;
constexpr int kStatusListMs = 10000;
constexpr int kConnectMs = 20000;
constexpr int kFormatsMs = 15000;
constexpr std::chrono::seconds kThreadsEnd{10};
// The detecting view is shown with its bar part-way, then held there.
constexpr int kDetectingProgress = 40;
constexpr int kHeldTickMs = 3600 * 1000;

constexpr int kStatusListId = 1000;
constexpr int kProgressId = 1001;
constexpr int kModelId = 1002;
constexpr int kFormatsId = 1069;
constexpr StringId kRestartNoticeId = 103;
constexpr StringId kConvertQuestionId = 212;

const QString kSoundFile = QStringLiteral("Birthday tune.amr");

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
    return {QStringLiteral("main-detecting"), QStringLiteral("main-status"),    QStringLiteral("main-connected"),
            QStringLiteral("capabilities"),   QStringLiteral("welcome"),        QStringLiteral("about"),
            QStringLiteral("settings"),       QStringLiteral("question-short"), QStringLiteral("question-long"),
            QStringLiteral("replace"),        QStringLiteral("restart-notice")};
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
    return dialog(window, name);
}

// ---------------------------------------------------------------------------
// The main window's three views

QString ShotSession::openMainWindow(bool withPhone)
{
    closeMainWindow();
    try {
        if (withPhone)
            phone_ = std::make_unique<phonesim::PtyPhone>();
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
        return {name, {}, {}, {}, failure};
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
            return {name, {}, {}, {}, failure};
    }
    window_->setDetectTickInterval(1);
    auto* list = findControlAs<QListWidget>(window_.get(), kStatusListId);
    const bool shown =
        list && QTest::qWaitFor([&] { return list->isVisible() && list->count() > 0; }, kStatusListMs);
    if (!shown)
        return {name, window_->windowTitle(), {}, {}, QStringLiteral("the status list never showed a port")};
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

Shot ShotSession::mainConnected(const QString& name)
{
    const QString failure = connectMainWindow();
    if (!failure.isEmpty())
        return {name, window_ ? window_->windowTitle() : QString(), {}, {}, failure};
    return shoot(*window_, name);
}

// ---------------------------------------------------------------------------
// The dialogs

Shot ShotSession::capabilities(const QString& name)
{
    // The report's rows name the formats in the language it was built in.
    if (capabilitiesLanguage_ != language_) {
        const QString failure = connectMainWindow();
        if (!failure.isEmpty())
            return {name, {}, {}, {}, failure};
    }
    CapabilitiesDialog dialog(capabilities_);
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
    return nullptr;
}

Shot ShotSession::dialog(const QString& window, const QString& name)
{
    const std::unique_ptr<QWidget> widget = makeDialog(window);
    if (!widget)
        return {name, {}, {}, {}, QStringLiteral("no window is called \"%1\"").arg(window)};
    return shoot(*widget, name);
}

Shot ShotSession::shoot(QWidget& window, const QString& name)
{
    window.show();
    Shot shot{name, window.windowTitle(), {}, {}, {}};
    if (!settle(window))
        shot.error = QStringLiteral("the layout kept changing");
    shot.image = window.grab().toImage();
    shot.clipped = FindClippedControls(window, name);
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
