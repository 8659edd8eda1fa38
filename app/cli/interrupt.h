// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Ctrl-C on the command line: the first one asks the running transfer to
// stop, as the progress window's Cancel button does, and ends any wait that
// has no transfer yet (detection, the phone lock); a second one ends the
// program at once with the exit code for a cancel.
#pragma once

#include <atomic>
#include <string>

namespace quillora::cli {

// Installs the SIGINT handler; `stoppingText` is printed on standard error
// at the first Ctrl-C (the handler itself may only write it out).
void InstallInterruptHandler(const std::string &stoppingText);

// Whether a Ctrl-C came since the handler was installed (or reset).
bool Interrupted();
// For tests: forget the Ctrl-Cs seen so far.
void ResetInterrupted();

// While it lives, a Ctrl-C sets `flag` (a transfer's cancelRequested). A
// Ctrl-C that came before sets it at once.
class CancelOnInterrupt {
public:
    explicit CancelOnInterrupt(std::atomic<bool> &flag);
    ~CancelOnInterrupt();
    CancelOnInterrupt(const CancelOnInterrupt &) = delete;
    CancelOnInterrupt &operator=(const CancelOnInterrupt &) = delete;

private:
    std::atomic<bool> *previous_;
};

} // namespace quillora::cli
