// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "event.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace trelvix {

Event::Event() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Event::~Event()
{
    if (fd_ >= 0)
        close(fd_);
}

void Event::set()
{
    // The counter saturates far beyond any number of calls; readers only test
    // it for non-zero, so setting twice is harmless.
    uint64_t one = 1;
    while (write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void Event::reset()
{
    uint64_t value;
    while (read(fd_, &value, sizeof value) < 0 && errno == EINTR) {
    }
}

bool Event::isSet() const
{
    return wait(std::chrono::milliseconds(0));
}

bool Event::wait(std::chrono::milliseconds timeout) const
{
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + timeout;
    for (;;) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - clock::now());
        pollfd p{fd_, POLLIN, 0};
        int rc = poll(&p, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
        if (rc > 0)
            return true;
        if (rc == 0 || (errno != EINTR))
            return false;
    }
}

} // namespace trelvix
