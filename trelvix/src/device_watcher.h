// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// Follows tty devices coming and going (a udev monitor) and passes each as a
// device change to running detection. The program starts one beside
// detection; it is not part of the shared library's C interface.

#include "event.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <thread>

struct udev;
struct udev_monitor;

namespace trelvix {

// The device-change event for a udev action on a tty: arrival for "add",
// removal for "remove"; nothing for other actions.
std::optional<uint32_t> deviceChangeFor(std::string_view action);

class DeviceWatcher {
public:
    DeviceWatcher();
    ~DeviceWatcher(); // stops the thread
    DeviceWatcher(const DeviceWatcher &) = delete;
    DeviceWatcher &operator=(const DeviceWatcher &) = delete;

    // True when the monitor runs (udev may be missing in containers; then
    // detection still works, only without device changes).
    bool running() const { return thread_.joinable(); }
    // Passes one udev action on to detection, as the monitor thread does.
    static void deliver(std::string_view action);

private:
    void loop();

    udev *udev_ = nullptr;
    udev_monitor *monitor_ = nullptr;
    Event stop_;
    std::thread thread_;
};

} // namespace trelvix
