// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// The probe of one port: the steps from opening the device to a phone ready
// for hand-over, reported through the status callback.

#include "event.h"
#include "port.h"

#include <atomic>
#include <memory>
#include <string>

namespace trelvix {

struct DetectionRun;

class Prober {
public:
    Prober(std::shared_ptr<DetectionRun> run, std::string devicePath, std::string displayName,
           std::string stableName, uint32_t flags);

    // The port thread: probes until accepted, removed or stopped.
    void run();

    // Called under the run's lock by stop and device-change handling.
    void clearFlags(uint32_t mask) { std::atomic_ref<uint32_t>(record_.flags).fetch_and(~mask); }
    void setFlags(uint32_t mask) { std::atomic_ref<uint32_t>(record_.flags).fetch_or(mask); }
    uint32_t flags() const { return std::atomic_ref<uint32_t>(const_cast<uint32_t &>(record_.flags)).load(); }
    const std::string &devicePath() const { return devicePath_; }
    void wake() { wake_.set(); }

    // The probe's steps, public so that tests can drive each over a fake port.
    void probe();
    void adoptPort(std::unique_ptr<Port> port);
    void lineAnalysis();
    const DetectResult &record() const { return record_; }

private:
    bool report(int code); // true: stop answered, probing ends
    void refreshRecord();
    bool pause(int ms);    // false: probing must end (stop or removal)
    bool active() const;
    bool leaveLoop();
    void analyseHandshakeLines();
    void openPort();
    void configure();
    void applyLine();
    void setTimeouts(int readMs, int writeMs);
    void atProbe();
    bool speedSwitch();
    void identify();
    void checkSim();
    void phoneReady();
    void singleByteHandshake();
    void wakeUpHandshake();
    void finish();
    void closePort();
    bool send(const void *data, size_t n);
    bool send(const char *text);
    int recv(char *buffer, int capacity, int *length = nullptr);
    bool recvLine(char *buffer, int capacity);
    bool takeIdentification(const char *frame, int length);
    void applyFlowFromLines();

    std::shared_ptr<DetectionRun> run_;
    std::string devicePath_, displayName_, stableName_;
    std::string model_, identification_, imei_, manufacturer_, imsi_;
    std::string frame_;
    std::unique_ptr<Port> port_;
    DetectResult record_{};
    Event wake_;
    bool stopped_ = false; // a callback answered stop
};

} // namespace trelvix
