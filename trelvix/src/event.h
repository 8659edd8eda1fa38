// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

#include <chrono>

namespace trelvix {

// A manual-reset event over an eventfd, so that one set() wakes every poll(2)
// that includes fd() as well as every wait(). Stop paths use it to break
// blocked reads and writes.
class Event {
public:
    Event();
    ~Event();
    Event(const Event &) = delete;
    Event &operator=(const Event &) = delete;

    void set();
    void reset();
    bool isSet() const;
    // Waits until set or until the time passes; true when set.
    bool wait(std::chrono::milliseconds timeout) const;
    int fd() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

} // namespace trelvix
