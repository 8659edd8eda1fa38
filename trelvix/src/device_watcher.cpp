// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "device_watcher.h"

#include "trelvix.h"

#include <libudev.h>
#include <poll.h>

namespace trelvix {

std::optional<uint32_t> deviceChangeFor(std::string_view action)
{
    if (action == "add")
        return TRELVIX_DEVICE_ARRIVAL;
    if (action == "remove")
        return TRELVIX_DEVICE_REMOVE_COMPLETE;
    return std::nullopt;
}

void DeviceWatcher::deliver(std::string_view action)
{
    if (auto event = deviceChangeFor(action)) {
        const TrelvixDeviceHeader header{sizeof(TrelvixDeviceHeader), TRELVIX_DEVICE_PORT, 0};
        TrelvixAsync_DeviceChange(*event, &header);
    }
}

DeviceWatcher::DeviceWatcher()
{
    udev_ = udev_new();
    if (!udev_)
        return;
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0)
        return;
    thread_ = std::thread([this] { loop(); });
}

DeviceWatcher::~DeviceWatcher()
{
    stop_.set();
    if (thread_.joinable())
        thread_.join();
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (udev_)
        udev_unref(udev_);
}

void DeviceWatcher::loop()
{
    const int fd = udev_monitor_get_fd(monitor_);
    for (;;) {
        pollfd p[2] = {{fd, POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
        if (poll(p, 2, -1) < 0)
            continue;
        if (p[1].revents & POLLIN)
            return;
        if (!(p[0].revents & POLLIN))
            continue;
        if (udev_device *device = udev_monitor_receive_device(monitor_)) {
            if (const char *action = udev_device_get_action(device))
                deliver(action);
            udev_device_unref(device);
        }
    }
}

} // namespace trelvix
