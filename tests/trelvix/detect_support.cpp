// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "detect_support.h"

#include <gtest/gtest.h>

namespace detect_support {

StatusLog g_log;

void StatusLog::reset(Answer answer)
{
    std::lock_guard lock(mutex_);
    log_.clear();
    answer_ = std::move(answer);
}

std::vector<Status> StatusLog::all() const
{
    std::lock_guard lock(mutex_);
    return log_;
}

std::vector<int> StatusLog::codes(const std::string &port) const
{
    std::lock_guard lock(mutex_);
    std::vector<int> out;
    for (const auto &s : log_)
        if (s.port == port)
            out.push_back(s.code);
    return out;
}

size_t StatusLog::count(int code, const std::string &port) const
{
    size_t n = 0;
    for (const auto &s : log_)
        n += s.code == code && (port.empty() || s.port == port);
    return n;
}

bool StatusLog::waitFor(int code, const std::string &port, std::chrono::milliseconds timeout) const
{
    return waitForCount(code, 1, port, timeout);
}

bool StatusLog::waitForCount(int code, size_t n, const std::string &port, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return count(code, port) >= n; });
}

int StatusLog::callback(int code, DetectResult *r)
{
    Answer answer;
    {
        std::lock_guard lock(g_log.mutex_);
        g_log.log_.push_back({code, r->displayName, TRELVIX_COUNTER_READ(r->flags), r->lineSettings.speed, r->simState,
                              r->model, r->imei, r->manufacturer, r->imsi, r->identification,
                              r->legacyDownloadVersion});
        g_log.changed_.notify_all();
        answer = g_log.answer_;
    }
    return answer ? answer(code, r) : 0;
}

void endDetection()
{
    TrelvixAsync_Stop();
    EXPECT_TRUE(trelvix::waitForDetectionThreads(std::chrono::seconds(10))) << "detection threads did not end";
    trelvix::setCandidateSource({});
    trelvix::setPortOpener({});
}

std::unique_ptr<TrelvixPort> g_taken;

int acceptPhone(int code, DetectResult *record)
{
    if (code != TRELVIX_STATUS_READY)
        return 0;
    g_taken.reset(record->port);
    return 1;
}

} // namespace detect_support
