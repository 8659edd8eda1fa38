// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The program's hold on the phone: detection until a phone is accepted, the
// serial channel and the formats report on it, the still check every second
// and, when the phone is gone, detection again. It lives on the UI thread;
// the library calls it back on its own threads, and those callbacks never
// touch a widget: they post to this object (the window connects to its
// signals) or ask the UI thread through UiRequests.
#pragma once

#include "capabilities.h"
#include "connection_state.h"
#include "link_control.h"
#include "phone_session.h"
#include "ui_requests.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct DetectResult;

namespace quillora {

class FileTypeNames;
class TextSource;

// What the connected view shows of an accepted phone.
struct ConnectedPhone {
    QString model;
    QString port;
    int speed = 0;
    bool usb = false;          // the phone's own USB port: no line speed to show
    bool sendReceive = false;  // object protocol 2.00 or later
};

// How the user is told of a phone that cannot be used (the warning boxes
// of the statuses); called on the UI thread.
class StatusNotices {
public:
    virtual ~StatusNotices() = default;
    virtual void showPhoneWarning(const QString& text) = 0;
    virtual void showPhoneError(const QString& text) = 0;
};

class PhoneSupervisor : public QObject {
    Q_OBJECT
public:
    struct Setup {
        const TextSource& texts;
        const FileTypeNames* typeNames = nullptr;
        QuirksStore* quirks = nullptr;
        QString companyShortName; // %3 of the status texts
        int delayFactor = 100;
    };
    PhoneSupervisor(const Setup& setup, StatusNotices& notices, QObject* parent = nullptr);
    // shutdown()
    ~PhoneSupervisor() override;

    // Takes the phone lock for detection and starts it (continuous, handing
    // the phone over); the lock is held until a phone is accepted.
    void startDetection();
    // Stops detection, the still check, the formats report and the channel.
    // Returns once no callback of ours runs any more, or after `bound`.
    void shutdown(std::chrono::milliseconds bound = std::chrono::milliseconds(5000));

    ConnectionState& connection();
    PhoneSession& session();
    LinkControl& link();
    // The formats report; complete once capabilitiesReady was signalled.
    CapabilityReport capabilities() const;
    // The next still check waits `times` × 5 s (a send has just begun).
    void postponeStill(std::uint32_t times) { connection().stillPostpone.store(times); }

    // The library's callbacks (C function pointers, so process-wide; they
    // reach the live supervisor, or answer 0 when there is none).
    static int statusCallback(int code, DetectResult* record);
    static int stillCallback(int result);

Q_SIGNALS:
    // One line of the status list: `code` 4 removes the port's line.
    void statusReported(const QString& port, int code, const QString& text);
    void phoneConnected(const quillora::ConnectedPhone& phone);
    void connectionLost();
    void capabilitiesReady();

public:
    // The state the library's threads share (defined in the .cpp).
    struct Core;

private:
    void onConnected(const ConnectedPhone& phone);
    void onLost();
    void runStillCheck();
    void restartStillCheck(int delayMs);
    void startCapabilityQuery();
    void stopCapabilityQuery();
    void tryStartDetection(std::uint32_t flags);

    // What the library's threads reach: shared with them, so a callback
    // still running after a bounded shutdown never touches freed state.
    std::shared_ptr<Core> core_;
    QTimer still_;
    QTimer retry_;
    std::uint32_t pendingFlags_ = 0;
    std::jthread capabilityThread_;
};

} // namespace quillora

Q_DECLARE_METATYPE(quillora::ConnectedPhone)
