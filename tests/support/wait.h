// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

#include <chrono>
#include <thread>

namespace testing_support {

// For state that has no event to wait on (the library's counters): checks
// the condition every few milliseconds until it holds or the time is up.
template <typename Predicate>
bool eventually(Predicate &&condition, std::chrono::milliseconds timeout = std::chrono::milliseconds(5000))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace testing_support
