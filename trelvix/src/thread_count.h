// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// Detached library threads (port probes, still checks) that can be waited
// for as a group, so that a program or test can end without cutting one off.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace trelvix {

void countedThreadStarted();
void countedThreadEnded();
bool waitForCountedThreads(std::chrono::milliseconds timeout);

// Starts a detached thread running fn(args...); false when it cannot start.
template <typename Fn, typename... Args>
bool startCountedThread(Fn fn, Args &&...args)
{
    countedThreadStarted();
    try {
        std::thread([fn](auto... a) {
            fn(std::move(a)...);
            countedThreadEnded();
        }, std::forward<Args>(args)...).detach();
        return true;
    } catch (const std::system_error &) {
        countedThreadEnded();
        return false;
    }
}

} // namespace trelvix
