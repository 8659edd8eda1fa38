// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "thread_count.h"

namespace trelvix {

namespace {
std::mutex g_mutex;
std::condition_variable g_ended;
int g_count = 0;
} // namespace

void countedThreadStarted()
{
    std::lock_guard lock(g_mutex);
    ++g_count;
}

void countedThreadEnded()
{
    std::lock_guard lock(g_mutex);
    if (--g_count == 0)
        g_ended.notify_all();
}

bool waitForCountedThreads(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(g_mutex);
    return g_ended.wait_for(lock, timeout, [] { return g_count == 0; });
}

} // namespace trelvix
