// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_connection.h"

#include "interrupt.h"
#include "phone_acceptance.h"
#include "prompt.h"
#include "terminal_progress.h"
#include "text_source.h"
#include "trelvix.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <set>
#include <utility>

namespace quillora::cli {

namespace {

namespace text_id = detection_text;

// The status callback has no argument of ours, and a probe may still report
// after detection was stopped: the state it reaches lives as long as the
// process, and `open` tells whether anyone still listens.
struct DetectionWait {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int accepting = 0; // acceptances in progress, which use the connection
    bool found = false;
    AcceptanceContext *acceptance = nullptr;
    FoundPhone *foundPhone = nullptr;
    const TextSource *texts = nullptr;
    Prompt *prompt = nullptr;
    Console *console = nullptr;
    bool verbose = false;
    std::string company;
    // (code, port) of the warnings shown in this run: each once.
    std::set<std::pair<int, std::string>> shown;
};

DetectionWait &detectionWait()
{
    static DetectionWait *wait = new DetectionWait;
    return *wait;
}

std::string textOf(const char *value)
{
    return value ? value : "";
}

// Under the wait's lock.
void showOnce(DetectionWait &wait, int code, const std::string &port, const std::string &text)
{
    if (wait.shown.emplace(code, port).second)
        wait.prompt->showMessage(MessageIcon::Warning, text);
}

void printStatus(DetectionWait &wait, int code, const DetectResult &record)
{
    const int shownCode = ShownDetectionStatus(code);
    std::string text = wait.texts->format(
        text_id::kStatusBase + static_cast<std::uint32_t>(shownCode),
        {static_cast<std::int64_t>(record.lineSettings.speed), textOf(record.model), wait.company});
    // The table has no text for every step; the speed tried says enough.
    if (text.empty() && code == TRELVIX_STATUS_SPEED)
        text = std::to_string(record.lineSettings.speed) + " bps";
    wait.console->err(textOf(record.displayName) + ": " + text + " [" + std::to_string(code) + "]");
}

int onStatus(int code, DetectResult *record)
{
    DetectionWait &wait = detectionWait();
    std::unique_lock lock(wait.mutex);
    if (!wait.open || !record)
        return 0;
    if (wait.verbose)
        printStatus(wait, code, *record);
    const std::string port = textOf(record->displayName);
    if (const std::uint32_t warning = DetectionWarningFor(code, record->simState))
        showOnce(wait, code, port, wait.texts->format(warning, {port}));
    if (code != TRELVIX_STATUS_READY || wait.found)
        return 0;

    ++wait.accepting;
    lock.unlock();
    const AcceptanceResult result = AcceptDetectedPhone(*record, *wait.acceptance);
    lock.lock();
    --wait.accepting;
    wait.changed.notify_all();
    switch (result.outcome) {
    case AcceptanceOutcome::Accepted: {
        FoundPhone &found = *wait.foundPhone;
        found.devicePath = textOf(record->devicePath);
        found.manufacturer = textOf(record->manufacturer);
        found.stableName = textOf(record->stableName);
        found.usb = (TRELVIX_COUNTER_READ(record->flags) & TRELVIX_FLAG_PHONE_USB) == TRELVIX_FLAG_PHONE_USB;
        wait.found = true;
        // Detection took the lock for the phone it would find; the phone is
        // ours now, so operations may have it.
        wait.acceptance->connection.phoneLock.release();
        return 1;
    }
    case AcceptanceOutcome::NoObjectDownload:
        showOnce(wait, code, port, wait.texts->format(text_id::kNoObjectDownload, {result.portName, result.model}));
        return 0;
    case AcceptanceOutcome::ChannelFailed:
        wait.prompt->showMessage(MessageIcon::Error, wait.texts->text(text_id::kPortUnavailable));
        return 0;
    case AcceptanceOutcome::NoUsableVersion:
    case AcceptanceOutcome::AnotherPhone: return 0;
    }
    return 0;
}

} // namespace

PhoneConnection::PhoneConnection(const TextSource &texts, Prompt &prompt, Console &console, QuirksStore *quirks,
                                 int delayFactor)
    : texts_(texts), prompt_(prompt), console_(console), quirks_(quirks)
{
    session_.setDelayFactor(delayFactor);
}

PhoneConnection::~PhoneConnection()
{
    TrelvixAsync_Stop();
    if (connection_.connected()) {
        Comm_Stop(1);
        connection_.MarkLost();
    }
    SetReceiveSession(nullptr);
}

DetectionEnd PhoneConnection::detect(const DetectionSettings &settings)
{
    if (!settings.port.empty()) {
        // The library reads its candidates from the environment; only this
        // port is probed.
        setenv("TRELVIX_PORTS", settings.port.c_str(), 1);
        unsetenv("TRELVIX_EXTRA_PORTS");
    }
    AcceptanceContext acceptance{connection_, session_, quirks_};
    DetectionWait &wait = detectionWait();
    {
        std::lock_guard lock(wait.mutex);
        wait.open = true;
        wait.found = false;
        wait.acceptance = &acceptance;
        wait.foundPhone = &found_;
        wait.texts = &texts_;
        wait.prompt = &prompt_;
        wait.console = &console_;
        wait.verbose = settings.verbose;
        wait.company = settings.companyName;
        wait.shown.clear();
    }
    // As the window does: detection holds the lock until it hands a phone over.
    connection_.phoneLock.acquire();
    const int ports = TrelvixAsync(TRELVIX_FLAG_CONTINUOUS | TRELVIX_FLAG_HAND_OVER, onStatus);
    if (ports > 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(settings.timeoutSeconds);
        std::unique_lock lock(wait.mutex);
        // Ctrl-C has no event to wake us: look at it every tenth of a second.
        while (!wait.found && !Interrupted() && std::chrono::steady_clock::now() < deadline)
            wait.changed.wait_for(lock, std::chrono::milliseconds(100));
    }
    TrelvixAsync_Stop();
    {
        std::unique_lock lock(wait.mutex);
        wait.open = false;
        // An acceptance under way when the time ran out still ends, within
        // its own reply time-outs, and may have won the phone.
        wait.changed.wait(lock, [&] { return wait.accepting == 0; });
        wait.acceptance = nullptr;
    }
    if (connection_.connected())
        return DetectionEnd::Found;
    connection_.phoneLock.release();
    if (ports == 0)
        return DetectionEnd::NoPorts;
    return Interrupted() ? DetectionEnd::Cancelled : DetectionEnd::NotFound;
}

OperationContext PhoneConnection::context(TransferQuestions *questions)
{
    return OperationContext{session_, connection_, link_, texts_, prompt_, quirks_, questions, [](int) {}};
}

} // namespace quillora::cli
