// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "fake_port.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <utility>

namespace trelvix {

using Clock = std::chrono::steady_clock;

FakePort::FakePort()
{
    settings_ = {115200, 8, TRELVIX_PARITY_NONE, 1, 0, 0, TRELVIX_DTR_ON, TRELVIX_RTS_ON, 0};
}

FakePort::~FakePort()
{
    if (destroyed_)
        *destroyed_ = true;
}

void FakePort::changed()
{
    for (Event *waiter : waiters_)
        waiter->set();
    writtenCv_.notify_all();
}

FakePort::Woken FakePort::waitUntil(std::unique_lock<std::mutex> &lock, const std::function<bool()> &ready,
                                    const Event *stop, int timeoutMs)
{
    // Each waiter has its own event: a shared one could be reset by one
    // waiter after it was set for another.
    Event mine;
    waiters_.push_back(&mine);
    const bool forever = timeoutMs < 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(forever ? 0 : timeoutMs);
    Woken result = Woken::TimedOut;
    for (;;) {
        if (stop && stop->isSet()) {
            result = Woken::Stopped;
            break;
        }
        if (ready()) {
            result = Woken::Ready;
            break;
        }
        int left = -1;
        if (!forever) {
            auto ms = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (ms <= 0)
                break;
            left = static_cast<int>(ms);
        }
        mine.reset();
        lock.unlock();
        pollfd p[2] = {{mine.fd(), POLLIN, 0}, {stop ? stop->fd() : -1, POLLIN, 0}};
        poll(p, stop ? 2 : 1, left);
        lock.lock();
    }
    waiters_.erase(std::find(waiters_.begin(), waiters_.end(), &mine));
    return result;
}

void FakePort::feed(std::string_view bytes)
{
    std::lock_guard lock(mutex_);
    incoming_.insert(incoming_.end(), bytes.begin(), bytes.end());
    changed();
}

void FakePort::hangup()
{
    std::lock_guard lock(mutex_);
    hungUp_ = true;
    changed();
}

void FakePort::setResponder(Responder responder)
{
    std::lock_guard lock(mutex_);
    responder_ = std::move(responder);
}

void FakePort::setLineModel(LineModel model)
{
    std::lock_guard lock(mutex_);
    lineModel_ = std::move(model);
}

void FakePort::setControlObserver(ControlObserver observer)
{
    std::lock_guard lock(mutex_);
    controlObserver_ = std::move(observer);
}

void FakePort::setLines(std::optional<bool> dtr, std::optional<bool> rts)
{
    ControlObserver observer;
    bool dtrNow = false, rtsNow = false;
    {
        std::lock_guard lock(mutex_);
        if (dtr.value_or(dtr_) == dtr_ && rts.value_or(rts_) == rts_)
            return;
        dtrNow = dtr_ = dtr.value_or(dtr_);
        rtsNow = rts_ = rts.value_or(rts_);
        observer = controlObserver_;
    }
    // Outside the lock: the observer may write or feed the port.
    if (observer)
        observer(dtrNow, rtsNow);
}

void FakePort::addLineErrors(uint32_t mask)
{
    std::lock_guard lock(mutex_);
    lineErrors_ |= mask;
    changed();
}

void FakePort::holdWrites(bool hold)
{
    std::lock_guard lock(mutex_);
    hold_ = hold;
    changed();
}

void FakePort::failWrites(bool fail)
{
    std::lock_guard lock(mutex_);
    failWrites_ = fail;
}

std::string FakePort::written() const
{
    std::lock_guard lock(mutex_);
    return written_;
}

std::vector<size_t> FakePort::writeSizes() const
{
    std::lock_guard lock(mutex_);
    return writeSizes_;
}

bool FakePort::waitWritten(size_t n, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return writtenCv_.wait_for(lock, timeout, [&] { return written_.size() >= n; });
}

bool FakePort::dtr() const
{
    std::lock_guard lock(mutex_);
    return dtr_;
}

bool FakePort::rts() const
{
    std::lock_guard lock(mutex_);
    return rts_;
}

int FakePort::purges() const
{
    std::lock_guard lock(mutex_);
    return purges_;
}

void FakePort::watchDestruction(bool *flag)
{
    destroyed_ = flag;
}

bool FakePort::applySettings(const TrelvixLineSettings &settings)
{
    {
        std::lock_guard lock(mutex_);
        settings_ = settings;
    }
    setLines(settings.dtrControl != TRELVIX_DTR_OFF, settings.rtsControl != TRELVIX_RTS_OFF);
    return true;
}

TrelvixLineSettings FakePort::settings() const
{
    std::lock_guard lock(mutex_);
    return settings_;
}

void FakePort::setTimeouts(const Timeouts &timeouts)
{
    std::lock_guard lock(mutex_);
    timeouts_ = timeouts;
}

Timeouts FakePort::timeouts() const
{
    std::lock_guard lock(mutex_);
    return timeouts_;
}

IoResult FakePort::read(void *buffer, size_t n, const Event *stop)
{
    std::unique_lock lock(mutex_);
    auto woken = waitUntil(lock, [&] { return hungUp_ || !incoming_.empty() || lineErrors_ != 0; }, stop,
                           timeouts_.readTotalMs);
    if (woken == Woken::Stopped)
        return {IoResult::Stopped, 0, 0};
    if (!incoming_.empty()) {
        const size_t count = std::min(n, incoming_.size());
        std::copy_n(incoming_.begin(), count, static_cast<char *>(buffer));
        incoming_.erase(incoming_.begin(), incoming_.begin() + static_cast<std::ptrdiff_t>(count));
        return {IoResult::Ok, count, 0};
    }
    if (hungUp_)
        return {IoResult::Hangup, 0, EIO};
    // A line error with no data ends the wait like an idle time-out would, so
    // the reader collects it promptly.
    return {IoResult::TimedOut, 0, 0};
}

IoResult FakePort::write(const void *data, size_t n, const Event *stop)
{
    Responder responder;
    {
        std::unique_lock lock(mutex_);
        if (failWrites_)
            return {IoResult::Failed, 0, EIO};
        const int limit = timeouts_.writeTotalMs > 0 ? timeouts_.writeTotalMs : -1;
        auto woken = waitUntil(lock, [&] { return hungUp_ || !hold_; }, stop, limit);
        if (woken == Woken::Stopped)
            return {IoResult::Stopped, 0, 0};
        if (woken == Woken::TimedOut)
            return {IoResult::TimedOut, 0, 0};
        if (hungUp_)
            return {IoResult::Hangup, 0, EIO};
        written_.append(static_cast<const char *>(data), n);
        writeSizes_.push_back(n);
        responder = responder_;
        writtenCv_.notify_all();
    }
    if (responder)
        responder(*this, std::string_view(static_cast<const char *>(data), n));
    return {IoResult::Ok, n, 0};
}

void FakePort::purge(unsigned what)
{
    std::lock_guard lock(mutex_);
    ++purges_;
    if (what & kPurgeRx)
        incoming_.clear();
}

int FakePort::outputQueue()
{
    return 0;
}

bool FakePort::drain(int)
{
    return true;
}

std::optional<uint32_t> FakePort::modemStatus()
{
    std::lock_guard lock(mutex_);
    if (!lineModel_)
        return std::nullopt;
    return lineModel_(dtr_, rts_);
}

bool FakePort::setDtr(bool on)
{
    setLines(on, std::nullopt);
    return true;
}

bool FakePort::setRts(bool on)
{
    setLines(std::nullopt, on);
    return true;
}

bool FakePort::setBreak(bool)
{
    return true;
}

uint32_t FakePort::takeLineErrors()
{
    std::lock_guard lock(mutex_);
    return std::exchange(lineErrors_, 0);
}

} // namespace trelvix
