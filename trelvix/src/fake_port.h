// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// An in-process port for tests and the in-process simulated phone: the far
// end feeds bytes and reads what was written, scripts the control lines and
// line errors, holds writes as flow control would, and cuts the cable.

#include "event.h"
#include "port.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

class FakePort final : public Port {
public:
    // Called on the writing thread after each write with the bytes written;
    // it may feed() a reply.
    using Responder = std::function<void(FakePort &, std::string_view)>;
    // Control lines as a function of DTR and RTS; empty means no lines at all.
    using LineModel = std::function<std::optional<uint32_t>(bool dtr, bool rts)>;
    // Called after DTR or RTS changed, on the thread that changed them, with
    // both levels: the far end sees its control lines move.
    using ControlObserver = std::function<void(bool dtr, bool rts)>;

    FakePort();
    ~FakePort() override;

    // --- the far end ---
    void feed(std::string_view bytes);
    void hangup();                       // reads and writes fail from now on
    void setResponder(Responder responder);
    void setLineModel(LineModel model);
    void setControlObserver(ControlObserver observer);
    void addLineErrors(uint32_t mask);
    void holdWrites(bool hold);          // while held, writes wait (flow control off)
    void failWrites(bool fail);          // writes fail at once
    std::string written() const;         // everything written so far
    std::vector<size_t> writeSizes() const;
    // Waits until at least n bytes were written in all; false on time-out.
    bool waitWritten(size_t n, std::chrono::milliseconds timeout) const;
    bool dtr() const;
    bool rts() const;
    int purges() const;
    // Set to true when the port is destroyed (closed), for ownership tests.
    void watchDestruction(bool *flag);

    // --- Port ---
    bool applySettings(const TrelvixLineSettings &settings) override;
    TrelvixLineSettings settings() const override;
    void setTimeouts(const Timeouts &timeouts) override;
    Timeouts timeouts() const override;
    IoResult read(void *buffer, size_t n, const Event *stop) override;
    IoResult write(const void *data, size_t n, const Event *stop) override;
    void purge(unsigned what) override;
    int outputQueue() override;
    bool drain(int timeoutMs) override;
    std::optional<uint32_t> modemStatus() override;
    bool setDtr(bool on) override;
    bool setRts(bool on) override;
    bool setBreak(bool on) override;
    uint32_t takeLineErrors() override;

private:
    enum class Woken { Ready, TimedOut, Stopped };
    // Waits for `ready` (evaluated under the lock) with the stop event and
    // the deadline; changed() wakes it.
    Woken waitUntil(std::unique_lock<std::mutex> &lock, const std::function<bool()> &ready,
                    const Event *stop, int timeoutMs);
    void changed();
    // Sets the lines given and tells the observer when one moved.
    void setLines(std::optional<bool> dtr, std::optional<bool> rts);

    mutable std::mutex mutex_;
    mutable std::condition_variable writtenCv_;
    std::vector<Event *> waiters_; // waits in progress, woken by changed()
    std::deque<char> incoming_;
    std::string written_;
    std::vector<size_t> writeSizes_;
    Responder responder_;
    LineModel lineModel_;
    ControlObserver controlObserver_;
    TrelvixLineSettings settings_{};
    Timeouts timeouts_{};
    uint32_t lineErrors_ = 0;
    bool hungUp_ = false;
    bool hold_ = false;
    bool failWrites_ = false;
    bool dtr_ = true;
    bool rts_ = true;
    int purges_ = 0;
    bool *destroyed_ = nullptr;
};

} // namespace trelvix
