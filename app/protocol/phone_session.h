// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The program's side of the serial pipe once a phone is connected: the
// receive callback fills the reply ring, and the transaction primitives send
// a command and wait for its reply lines or raw bytes. Every reply time-out
// is a base value in milliseconds scaled by the DelayFactor setting.
//
// A transaction: ClearReplies, SendCommand, then ExpectLine / WaitLine /
// ReadBytes as the reply requires, all with the phone lock held.
#pragma once

#include "reply_buffer.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillora {

// Where commands go: the serial channel's writer (Comm_Send) in the
// program, a recorder or a scripted phone in tests.
class CommandSink {
public:
    virtual ~CommandSink() = default;
    // Queues the bytes; false when they cannot go out.
    virtual bool send(const void *data, size_t length) = 0;
};

// The library's channel: Comm_Send.
class ChannelSink final : public CommandSink {
public:
    bool send(const void *data, size_t length) override;
};

// Throws the ProtocolError of an error reply ("ERROR", "+CME ERROR: n",
// "+CMS ERROR: n", "+CME ERROR: 100,m"); returns for any other line.
void CheckErrorReply(std::string_view line);

class PhoneSession {
public:
    static constexpr std::chrono::milliseconds kReceiveLimit{2000};
    static constexpr size_t kLineCapacity = 256;

    explicit PhoneSession(CommandSink &sink, size_t capacity = ReplyBuffer::kDefaultCapacity,
                          std::chrono::milliseconds receiveLimit = kReceiveLimit);
    PhoneSession(const PhoneSession &) = delete;
    PhoneSession &operator=(const PhoneSession &) = delete;

    // The receive callback's work, on the serial reader thread: stores the
    // chunk, or drops it and sets receiveOverflow when the ring stays full
    // for the receive limit (kReceiveLimit unless a test sets a shorter one).
    // Always 1 (go on receiving).
    int receive(const char *data, std::uint32_t length);

    // Percent applied to every reply time-out; values below 1 mean 100.
    void setDelayFactor(int percent);
    int delayFactor() const { return delayFactor_.load(); }
    std::chrono::milliseconds scaled(int baseMs) const;

    void ClearReplies();
    // The text (8-bit, already in the code page), then one CR, as two sends;
    // the result of the second.
    bool SendCommand(std::string_view command);
    // The same for a command whose answer is waited for: throws 5 (the port
    // is unavailable) at once when the channel can no longer write, as after
    // the cable is pulled, rather than waiting out the answer's time-out.
    void Command(std::string_view command);
    bool SendBytes(const void *data, size_t length);
    bool WaitForData(std::chrono::milliseconds timeout);
    // The next non-empty line (at most capacity - 1 characters), or nothing
    // when none came within the scaled time-out.
    std::optional<std::string> WaitLine(int baseMs, size_t capacity = kLineCapacity);
    // Returns when the next line is `expected`; throws 128 when no line
    // came, the error reply's code, or 129 for any other line.
    void ExpectLine(std::string_view expected, int baseMs);
    // Reads up to `count` bytes, allowing the scaled time-out for each wait;
    // the number read (short only when a wait timed out).
    size_t ReadBytes(char *buffer, size_t count, int baseMs);

    ReplyBuffer &replies() { return replies_; }

    // Set when received bytes were dropped; an operation that needs every
    // byte clears it before and tests it after receiving.
    std::atomic<bool> receiveOverflow{false};
    // Bit 0: an object the phone listed has gone (set by ShowPhoneError);
    // the phone browser reloads its list.
    std::atomic<std::uint32_t> listStale{0};

private:
    CommandSink &sink_;
    ReplyBuffer replies_;
    const std::chrono::milliseconds receiveLimit_;
    std::atomic<int> delayFactor_{100};
};

// The receive callback handed to Comm_Start; forwards to the session given
// to SetReceiveSession (chunks arriving with none are dropped). The session
// must outlive the channel: clear it, or destroy it, only after Comm_Stop.
int ReceiveCallback(const char *data, std::uint32_t length);
void SetReceiveSession(PhoneSession *session);

} // namespace quillora
