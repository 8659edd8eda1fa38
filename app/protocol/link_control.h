// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// What the object operations do to the serial line beneath the channel: the
// sent-byte counter and the driver's output queue for progress, purges and
// a DTR pulse to leave the phone's data mode, a speed change for the slow
// retry, and the line-error word. The program uses the library's channel;
// tests put a fake in its place.
#pragma once

#include <cstdint>

namespace quillora {

class LinkControl {
public:
    virtual ~LinkControl() = default;

    // Bytes handed to the port driver since the last reset.
    virtual std::uint32_t sentBytes() = 0;
    virtual void resetSentBytes() = 0;
    // Bytes still in the driver's output queue (0 where it cannot tell).
    virtual int outputQueue() = 0;
    // Waits until everything queued has left the port, at most timeoutMs.
    virtual bool drain(int timeoutMs) = 0;
    // Drops output not yet sent (a write in progress is abandoned), or
    // input not yet read.
    virtual void purgeOutput() = 0;
    virtual void purgeInput() = 0;
    virtual bool setDtr(bool on) = 0;
    virtual bool setSpeed(int bitsPerSecond) = 0;
    // TRELVIX_CE_* bits seen since the last reset.
    virtual std::uint32_t lineErrors() = 0;
    virtual void resetLineErrors() = 0;
};

// The library's serial channel (Comm_*).
class ChannelLink final : public LinkControl {
public:
    std::uint32_t sentBytes() override;
    void resetSentBytes() override;
    int outputQueue() override;
    bool drain(int timeoutMs) override;
    void purgeOutput() override;
    void purgeInput() override;
    bool setDtr(bool on) override;
    bool setSpeed(int bitsPerSecond) override;
    std::uint32_t lineErrors() override;
    void resetLineErrors() override;
};

} // namespace quillora
