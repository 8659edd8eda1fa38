// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_supervisor.h"

#include "phone_acceptance.h"
#include "text_source.h"
#include "trelvix.h"

#include <QMetaObject>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <set>

namespace quillora {

namespace {

namespace text_id = detection_text;

constexpr int kStillPeriodMs = 1000;
constexpr int kStillPostponeStepMs = 5000;
constexpr int kLockRetryMs = 50;
constexpr std::uint32_t kDetectFlags = TRELVIX_FLAG_CONTINUOUS | TRELVIX_FLAG_HAND_OVER;

std::string textOf(const char* value)
{
    return value ? value : "";
}

QString qtext(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

// The detection threads' side. The library's callbacks carry no argument
// of ours, so the live core is process-wide (`current`); a callback counts
// itself in `inFlight` while it works, which lets shutdown wait for it.
struct PhoneSupervisor::Core {
    explicit Core(PhoneSupervisor* ui, const Setup& setup, StatusNotices& notices)
        : setup(setup), notices(notices), ui(ui), requests(ui)
    {
    }

    Setup setup;
    StatusNotices& notices;
    ConnectionState connection;
    ChannelSink sink;
    PhoneSession session{sink};
    ChannelLink link;

    std::mutex postMutex;
    PhoneSupervisor* ui; // null once the supervisor is going
    UiRequests requests;
    std::atomic<bool> closing{false};

    std::mutex statusMutex;
    // (device path, code) of every box of this detection run. Remembering
    // only the last pair would show two phones' boxes again and again as
    // detection probes them by turns.
    std::set<std::pair<std::string, int>> shownWarnings;

    mutable std::mutex reportMutex;
    CapabilityReport report;

    // Runs f(supervisor) on the UI thread, if the supervisor still exists
    // when the event is handled (Qt drops the events of a deleted object).
    template <typename F>
    void post(F f)
    {
        std::lock_guard lock(postMutex);
        if (ui)
            QMetaObject::invokeMethod(
                ui, [s = ui, f = std::move(f)] { f(s); }, Qt::QueuedConnection);
    }

    int handleStatus(int code, const DetectResult& record);
    int acceptPhone(const DetectResult& record);
    void reportStatus(int code, const DetectResult& record);
    void warnOnce(int code, const DetectResult& record, const QString& text);
    int stillStarts();
    void stillEnded(int result);
};

namespace {

struct CallbackGate {
    std::mutex mutex;
    std::condition_variable idle;
    std::shared_ptr<PhoneSupervisor::Core> current;
    int inFlight = 0;
};

CallbackGate& gate()
{
    static auto* g = new CallbackGate; // callbacks may come until the process ends
    return *g;
}

// The live core for one callback, counted while the callback runs.
class GateEntry {
public:
    GateEntry()
    {
        CallbackGate& g = gate();
        std::lock_guard lock(g.mutex);
        core_ = g.current;
        if (core_)
            ++g.inFlight;
    }
    ~GateEntry()
    {
        if (!core_)
            return;
        CallbackGate& g = gate();
        std::lock_guard lock(g.mutex);
        --g.inFlight;
        g.idle.notify_all();
    }
    GateEntry(const GateEntry&) = delete;
    GateEntry& operator=(const GateEntry&) = delete;
    PhoneSupervisor::Core* operator->() const { return core_.get(); }
    explicit operator bool() const { return core_ != nullptr; }

private:
    std::shared_ptr<PhoneSupervisor::Core> core_;
};

} // namespace

// ---------------------------------------------------------------------------
// Detection threads

int PhoneSupervisor::statusCallback(int code, DetectResult* record)
{
    GateEntry core;
    if (!core || !record || core->closing.load())
        return 0;
    return core->handleStatus(code, *record);
}

int PhoneSupervisor::Core::handleStatus(int code, const DetectResult& record)
{
    if (connection.connected())
        return 0;
    const std::string port = textOf(record.displayName);
    switch (ShownDetectionStatus(code)) {
    case TRELVIX_STATUS_LINES_CTS_DSR:
    case TRELVIX_STATUS_SPEED: return 0;
    case TRELVIX_STATUS_NO_SIM:
    case TRELVIX_STATUS_SIM_LOCKED:
        warnOnce(code, record, qtext(setup.texts.format(DetectionWarningFor(code, record.simState), {port})));
        reportStatus(code, record);
        return 0;
    case TRELVIX_STATUS_READY: return acceptPhone(record);
    default: reportStatus(ShownDetectionStatus(code), record); return 0;
    }
}

int PhoneSupervisor::Core::acceptPhone(const DetectResult& record)
{
    const AcceptanceResult result = AcceptDetectedPhone(record, {connection, session, setup.quirks});
    switch (result.outcome) {
    case AcceptanceOutcome::Accepted: break;
    case AcceptanceOutcome::NoObjectDownload:
        warnOnce(TRELVIX_STATUS_READY, record,
                 qtext(setup.texts.format(text_id::kNoObjectDownload, {result.portName, result.model})));
        reportStatus(TRELVIX_STATUS_READY, record);
        return 0;
    case AcceptanceOutcome::ChannelFailed:
        requests.ask([this] {
            notices.showPhoneError(qtext(setup.texts.text(text_id::kPortUnavailable)));
            return 0;
        });
        reportStatus(TRELVIX_STATUS_READY, record);
        return 0;
    case AcceptanceOutcome::NoUsableVersion:
    case AcceptanceOutcome::AnotherPhone: reportStatus(TRELVIX_STATUS_READY, record); return 0;
    }
    if (closing.load()) {
        // The window went while this phone was being taken over: nobody
        // will use the channel.
        Comm_Stop(1);
        SetReceiveSession(nullptr);
        connection.MarkLost();
        return 0;
    }
    ConnectedPhone phone;
    phone.model = qtext(result.model);
    phone.port = qtext(result.portName);
    phone.speed = result.speed;
    phone.usb = (TRELVIX_COUNTER_READ(record.flags) & 0x80u) != 0;
    phone.sendReceive = (connection.phoneCapabilities.load() & capability::kObjectProtocol) != 0;
    post([phone](PhoneSupervisor* s) { s->onConnected(phone); });
    // Detection took the lock for the phone it would find; it is ours now.
    connection.phoneLock.release();
    return 1;
}

void PhoneSupervisor::Core::reportStatus(int code, const DetectResult& record)
{
    const QString port = qtext(textOf(record.displayName));
    const QString text = qtext(setup.texts.format(
        text_id::kStatusBase + static_cast<std::uint32_t>(code),
        {static_cast<std::int64_t>(record.lineSettings.speed), textOf(record.model),
         setup.companyShortName.toStdString()}));
    post([port, code, text](PhoneSupervisor* s) { Q_EMIT s->statusReported(port, code, text); });
}

// The same status for the same port opens one box while a detection run
// lasts; a new run may show it again.
void PhoneSupervisor::Core::warnOnce(int code, const DetectResult& record, const QString& text)
{
    {
        std::lock_guard lock(statusMutex);
        if (!shownWarnings.emplace(textOf(record.devicePath), code).second)
            return;
    }
    // Only this port's thread waits for the user.
    requests.ask([this, text] {
        notices.showPhoneWarning(text);
        return 0;
    });
}

// ---------------------------------------------------------------------------
// Still check thread

int PhoneSupervisor::stillCallback(int result)
{
    GateEntry core;
    if (!core)
        return 1; // skip: no one is there to act on the answer
    if (result == -1)
        return core->stillStarts();
    core->stillEnded(result);
    return 0;
}

int PhoneSupervisor::Core::stillStarts()
{
    // A transfer holds the lock for its whole run; the check waits for it.
    if (!connection.takePhoneLock([this] { return closing.load(); }))
        return 1;
    if (const std::uint32_t postpone = connection.stillPostpone.exchange(0)) {
        post([postpone](PhoneSupervisor* s) { s->restartStillCheck(static_cast<int>(postpone) * kStillPostponeStepMs); });
        connection.phoneLock.release();
        return 1;
    }
    return 0; // the lock stays taken for the check
}

void PhoneSupervisor::Core::stillEnded(int result)
{
    if (result == 1) {
        post([](PhoneSupervisor* s) { s->restartStillCheck(kStillPeriodMs); });
    } else {
        Comm_Stop(1);
        connection.MarkLost();
        post([](PhoneSupervisor* s) { s->onLost(); });
    }
    connection.phoneLock.release();
}

// ---------------------------------------------------------------------------
// UI thread

PhoneSupervisor::PhoneSupervisor(const Setup& setup, StatusNotices& notices, QObject* parent)
    : QObject(parent), core_(std::make_shared<Core>(this, setup, notices))
{
    core_->session.setDelayFactor(setup.delayFactor);
    still_.setSingleShot(true);
    connect(&still_, &QTimer::timeout, this, &PhoneSupervisor::runStillCheck);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] { tryStartDetection(pendingFlags_); });
    CallbackGate& g = gate();
    std::lock_guard lock(g.mutex);
    g.current = core_;
}

PhoneSupervisor::~PhoneSupervisor()
{
    shutdown();
}

ConnectionState& PhoneSupervisor::connection()
{
    return core_->connection;
}

PhoneSession& PhoneSupervisor::session()
{
    return core_->session;
}

LinkControl& PhoneSupervisor::link()
{
    return core_->link;
}

CapabilityReport PhoneSupervisor::capabilities() const
{
    std::lock_guard lock(core_->reportMutex);
    return core_->report;
}

void PhoneSupervisor::startDetection()
{
    still_.stop();
    {
        std::lock_guard lock(core_->statusMutex);
        core_->shownWarnings.clear();
    }
    tryStartDetection(kDetectFlags);
}

// The lock is free at the first start; after a lost phone the formats
// report may still hold it for its exchange, so the UI thread retries
// instead of waiting.
void PhoneSupervisor::tryStartDetection(std::uint32_t flags)
{
    if (core_->closing.load())
        return;
    if (!core_->connection.phoneLock.try_acquire()) {
        pendingFlags_ = flags;
        retry_.start(kLockRetryMs);
        return;
    }
    TrelvixAsync(flags, &PhoneSupervisor::statusCallback);
}

void PhoneSupervisor::onConnected(const ConnectedPhone& phone)
{
    Q_EMIT phoneConnected(phone);
    core_->connection.stillPostpone.store(0);
    restartStillCheck(kStillPeriodMs);
    startCapabilityQuery();
}

void PhoneSupervisor::onLost()
{
    still_.stop();
    stopCapabilityQuery();
    Q_EMIT connectionLost();
    {
        std::lock_guard lock(core_->statusMutex);
        core_->shownWarnings.clear();
    }
    const bool infrared = core_->connection.phone().onInfrared;
    tryStartDetection(kDetectFlags | (infrared ? TRELVIX_FLAG_DELAY_INFRARED : 0u));
}

void PhoneSupervisor::restartStillCheck(int delayMs)
{
    if (!core_->closing.load() && core_->connection.connected())
        still_.start(delayMs);
}

void PhoneSupervisor::runStillCheck()
{
    const std::string imei = core_->connection.phone().imei;
    Trelvix_StillAsync(imei.c_str(), &PhoneSupervisor::stillCallback);
}

void PhoneSupervisor::startCapabilityQuery()
{
    stopCapabilityQuery();
    {
        std::lock_guard lock(core_->reportMutex);
        core_->report.supportedPatterns.clear();
    }
    core_->connection.phoneCapabilities.fetch_and(~capability::kFormatReport);
    std::shared_ptr<Core> core = core_;
    capabilityThread_ = std::jthread([core](std::stop_token stop) {
        const CapabilityQuery query{core->session, core->connection, core->setup.texts, core->setup.typeNames};
        std::optional<CapabilityReport> report = QueryCapabilities(query, stop);
        if (!report || stop.stop_requested())
            return;
        {
            std::lock_guard lock(core->reportMutex);
            core->report = std::move(*report);
        }
        core->post([](PhoneSupervisor* s) {
            s->core_->connection.phoneCapabilities.fetch_or(capability::kFormatReport);
            Q_EMIT s->capabilitiesReady();
        });
    });
}

void PhoneSupervisor::stopCapabilityQuery()
{
    if (capabilityThread_.joinable()) {
        capabilityThread_.request_stop();
        // It gives the lock up within 100 ms and a reply within its time-out.
        capabilityThread_.join();
    }
}

// No path here waits for a thread that waits for this one: the asks of the
// detection threads are abandoned before the wait, the still check gives up
// the lock when `closing` is set, and posting never blocks.
void PhoneSupervisor::shutdown(std::chrono::milliseconds bound)
{
    if (core_->closing.exchange(true))
        return;
    still_.stop();
    retry_.stop();
    TrelvixAsync_Stop();
    core_->requests.abandonAll();
    {
        std::lock_guard lock(core_->postMutex);
        core_->ui = nullptr;
    }
    bool idle = false;
    {
        CallbackGate& g = gate();
        std::unique_lock lock(g.mutex);
        if (g.current == core_)
            g.current.reset();
        idle = g.idle.wait_for(lock, bound, [&] { return g.inFlight == 0; });
    }
    if (!idle)
        std::fprintf(stderr, "quillora: a detection callback is still running; the phone is left to it\n");
    stopCapabilityQuery();
    if (idle && core_->connection.connected()) {
        Comm_Stop(1);
        core_->connection.MarkLost();
        SetReceiveSession(nullptr);
    }
}

} // namespace quillora
