// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The synchronous AT exchange: ModemSend, ModemRecv, ChangeKIPRSpeed. Used
// on a port that no channel thread reads.

#include "at_reply.h"
#include "port.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kUnitTimeLimit = std::chrono::milliseconds(2000);
constexpr auto kNotReadyRetry = std::chrono::milliseconds(500);

bool isOk(std::string_view line)
{
    return line == "OK" || line == "0";
}

} // namespace

extern "C" TRELVIX_API int ModemSend(TrelvixPort *port, const void *data, int length)
{
    if (!port || length < 0 || (length > 0 && !data))
        return 0;
    const size_t n = static_cast<size_t>(length);
    trelvix::IoResult r = port->write(data, n, nullptr);
    // A device that takes nothing within the write time-out (flow control
    // holding the line) gets one more chance, as a modem that is not ready yet.
    if (r.status == trelvix::IoResult::TimedOut && r.count == 0) {
        std::this_thread::sleep_for(kNotReadyRetry);
        r = port->write(data, n, nullptr);
    }
    return r.status == trelvix::IoResult::Ok && r.count == n ? 1 : 0;
}

extern "C" TRELVIX_API int ModemRecv(TrelvixPort *port, char *buffer, int capacity, int *length)
{
    if (!port || !buffer || capacity < 2)
        return TRELVIX_UNIT_NONE;
    trelvix::ReplyReader reader(buffer, capacity);
    const auto start = Clock::now();
    for (;;) {
        uint8_t byte;
        if (port->read(&byte, 1, nullptr).status != trelvix::IoResult::Ok)
            return TRELVIX_UNIT_NONE;
        const auto step = reader.feed(byte);
        if (step.unit != trelvix::ReplyReader::Unit::None) {
            if (length)
                *length = step.length;
            if (step.dropNextByte)
                port->read(&byte, 1, nullptr);
            switch (step.unit) {
            case trelvix::ReplyReader::Unit::Line: return TRELVIX_UNIT_LINE;
            case trelvix::ReplyReader::Unit::ShortFrame: return TRELVIX_UNIT_SHORT_FRAME;
            default: return TRELVIX_UNIT_LONG_FRAME;
            }
        }
        if (Clock::now() - start >= kUnitTimeLimit)
            return TRELVIX_UNIT_TIME_LIMIT;
    }
}

extern "C" TRELVIX_API int ChangeKIPRSpeed(TrelvixPort *port, int speed)
{
    if (!port)
        return 0;
    port->purge(trelvix::kPurgeAll);
    char command[32];
    const int n = snprintf(command, sizeof command, "AT+KIPR=%d\r", speed);
    if (!ModemSend(port, command, n))
        return 0;
    char line[128];
    if (ModemRecv(port, line, sizeof line, nullptr) != TRELVIX_UNIT_LINE)
        return 0;
    if (std::string_view(line).starts_with("AT") && ModemRecv(port, line, sizeof line, nullptr) != TRELVIX_UNIT_LINE)
        return 0;
    if (!isOk(line))
        return 0;
    if (speed != 0) {
        // The port follows the phone to the speed it agreed to; a port left at
        // another speed than the phone's would lose the link.
        TrelvixLineSettings settings = port->settings();
        settings.speed = static_cast<uint32_t>(speed);
        if (!port->applySettings(settings))
            return 0;
    }
    return 1;
}
