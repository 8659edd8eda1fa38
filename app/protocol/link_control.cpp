// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "link_control.h"

#include "trelvix.h"

namespace quillora {

std::uint32_t ChannelLink::sentBytes()
{
    return TRELVIX_COUNTER_READ(Comm_Sent);
}

void ChannelLink::resetSentBytes()
{
    TRELVIX_COUNTER_TAKE(Comm_Sent);
}

int ChannelLink::outputQueue()
{
    const int queued = Comm_OutputQueue();
    return queued > 0 ? queued : 0;
}

bool ChannelLink::drain(int timeoutMs)
{
    return Comm_Drain(static_cast<std::uint32_t>(timeoutMs > 0 ? timeoutMs : 0)) != 0;
}

void ChannelLink::purgeOutput()
{
    Comm_Purge(TRELVIX_PURGE_TX);
}

void ChannelLink::purgeInput()
{
    Comm_Purge(TRELVIX_PURGE_RX);
}

bool ChannelLink::setDtr(bool on)
{
    return Comm_SetDtr(on ? 1 : 0) != 0;
}

bool ChannelLink::setSpeed(int bitsPerSecond)
{
    return bitsPerSecond > 0 && Comm_SetSpeed(static_cast<std::uint32_t>(bitsPerSecond)) != 0;
}

std::uint32_t ChannelLink::lineErrors()
{
    return TRELVIX_COUNTER_READ(Comm_Errors);
}

void ChannelLink::resetLineErrors()
{
    TRELVIX_COUNTER_TAKE(Comm_Errors);
}

} // namespace quillora
