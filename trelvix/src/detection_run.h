// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// One detection run, from TrelvixAsync to TrelvixAsync_Stop, shared by its
// port threads so that threads still finishing after a stop never touch a
// newer run's state.

#include "event.h"
#include "port.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace trelvix {

class Prober;

struct DetectionRun {
    TrelvixStatusFn callback = nullptr;
    std::atomic<uint32_t> startFlags{0};
    std::atomic<bool> active{true};
    Event stopped; // set by stop(); Trelvix() waits on it

    std::mutex lock; // guards the live list and record flag changes from outside
    std::vector<Prober *> live;

    bool running() const { return active.load(); }
    void clearStartFlags(uint32_t mask) { startFlags.fetch_and(~mask); }
    OpenResult open(const std::string &path);
    // Ends the run: every live prober loses its continuous flag and wakes.
    void stop();
};

} // namespace trelvix
