// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "interrupt.h"

#include "cli_options.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace quillora::cli {

namespace {

// Only lock-free atomics may be touched from the handler.
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<std::atomic<bool> *>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);

std::atomic<std::atomic<bool> *> g_target{nullptr};
std::atomic<int> g_interrupts{0};
// Written once before the handler is installed, then only read by it.
char g_stoppingText[256];
size_t g_stoppingLength = 0;

extern "C" void onInterrupt(int)
{
    if (g_interrupts.fetch_add(1) > 0)
        _exit(exit_code::kCancelled);
    if (std::atomic<bool> *flag = g_target.load())
        flag->store(true);
    if (g_stoppingLength > 0) {
        const ssize_t written = write(STDERR_FILENO, g_stoppingText, g_stoppingLength);
        (void)written;
    }
}

} // namespace

void InstallInterruptHandler(const std::string &stoppingText)
{
    const std::string line = "\n" + stoppingText + "\n";
    g_stoppingLength = std::min(line.size(), sizeof g_stoppingText);
    std::memcpy(g_stoppingText, line.data(), g_stoppingLength);
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // Reads and waits go on after the handler; the flags end them.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

bool Interrupted()
{
    return g_interrupts.load() > 0;
}

void ResetInterrupted()
{
    g_interrupts.store(0);
}

CancelOnInterrupt::CancelOnInterrupt(std::atomic<bool> &flag) : previous_(g_target.exchange(&flag))
{
    if (Interrupted())
        flag.store(true);
}

CancelOnInterrupt::~CancelOnInterrupt()
{
    g_target.store(previous_);
}

} // namespace quillora::cli
