// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_session.h"

#include "protocol_error.h"
#include "trelvix.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace quillora {

namespace {

std::atomic<PhoneSession *> g_receiveSession{nullptr};

// Reads a decimal number the way the phone writes it, with an optional
// sign; `end` receives the position after it.
long readNumber(std::string_view text, size_t &end)
{
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    long value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (value < LONG_MAX / 10)
            value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    end = pos;
    return negative ? -value : value;
}

[[noreturn]] void throwCode(std::int32_t code)
{
    throw ProtocolError{code};
}

} // namespace

bool ChannelSink::send(const void *data, size_t length)
{
    if (length == 0)
        return true;
    if (length > static_cast<size_t>(INT_MAX))
        return false;
    return Comm_Send(data, static_cast<int>(length)) == 1;
}

void CheckErrorReply(std::string_view line)
{
    static constexpr std::string_view kCme = "+CME ERROR: ";
    static constexpr std::string_view kCms = "+CMS ERROR: ";
    if (line.starts_with(kCme) || line.starts_with(kCms)) {
        const std::string_view rest = line.substr(kCme.size());
        size_t end = 0;
        const long n = readNumber(rest, end);
        std::int16_t phoneCode = 0;
        if (end < rest.size() && rest[end] == ',') {
            size_t ignored = 0;
            // The phone's own code travels as a signed 16-bit number.
            phoneCode = static_cast<std::int16_t>(static_cast<std::uint16_t>(readNumber(rest.substr(end + 1), ignored)));
        }
        if (n != 100) {
            // A garbled number must neither overflow nor come out negative,
            // which would read as one of the phone's own codes.
            const long clamped = std::clamp(n, -9999L, 1000000L);
            throwCode(error_code::kPhoneErrorBase + static_cast<std::int32_t>(clamped));
        }
        if (phoneCode < 0)
            throwCode(phoneCode);
        throwCode(error_code::kNotUnderstood);
    }
    if (line == "ERROR")
        throwCode(error_code::kNotUnderstood);
}

PhoneSession::PhoneSession(CommandSink &sink, size_t capacity, std::chrono::milliseconds receiveLimit)
    : sink_(sink), replies_(capacity), receiveLimit_(receiveLimit)
{
}

int PhoneSession::receive(const char *data, std::uint32_t length)
{
    if (!replies_.write(data, length, receiveLimit_))
        receiveOverflow.store(true);
    return 1;
}

void PhoneSession::setDelayFactor(int percent)
{
    delayFactor_.store(percent < 1 ? 100 : percent);
}

std::chrono::milliseconds PhoneSession::scaled(int baseMs) const
{
    return std::chrono::milliseconds(static_cast<std::int64_t>(baseMs) * delayFactor_.load() / 100);
}

void PhoneSession::ClearReplies()
{
    replies_.clear();
}

bool PhoneSession::SendCommand(std::string_view command)
{
    sink_.send(command.data(), command.size());
    return sink_.send("\r", 1);
}

void PhoneSession::Command(std::string_view command)
{
    if (!SendCommand(command))
        throwCode(error_code::kPortUnavailable);
}

bool PhoneSession::SendBytes(const void *data, size_t length)
{
    return sink_.send(data, length);
}

bool PhoneSession::WaitForData(std::chrono::milliseconds timeout)
{
    return replies_.waitForData(ReplyBuffer::Clock::now() + timeout);
}

std::optional<std::string> PhoneSession::WaitLine(int baseMs, size_t capacity)
{
    const auto deadline = ReplyBuffer::Clock::now() + scaled(baseMs);
    std::string line;
    for (;;) {
        std::uint64_t writes = 0;
        const auto status = replies_.readLine(line, capacity, &writes);
        if (status == ReplyBuffer::LineStatus::Complete) {
            if (!line.empty())
                return line;
            // Empty lines between replies are skipped, but a phone sending
            // nothing else must not keep us past the deadline.
            if (ReplyBuffer::Clock::now() >= deadline)
                return std::nullopt;
            continue;
        }
        // Sleep until the reader thread adds bytes; a partial line already
        // in the ring must not make this spin. Once the deadline has passed
        // nothing more is awaited, however busy the line is.
        if (ReplyBuffer::Clock::now() >= deadline || !replies_.waitForWriteAfter(writes, deadline))
            return std::nullopt;
    }
}

void PhoneSession::ExpectLine(std::string_view expected, int baseMs)
{
    const auto line = WaitLine(baseMs);
    if (!line)
        throwCode(error_code::kNoReply);
    if (*line == expected)
        return;
    CheckErrorReply(*line);
    throwCode(error_code::kUnexpectedReply);
}

size_t PhoneSession::ReadBytes(char *buffer, size_t count, int baseMs)
{
    const auto perWait = scaled(baseMs);
    size_t done = 0;
    while (done < count) {
        if (!replies_.waitForData(ReplyBuffer::Clock::now() + perWait))
            break;
        const size_t got = replies_.readBytes(buffer + done, count - done);
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

int ReceiveCallback(const char *data, std::uint32_t length)
{
    if (PhoneSession *session = g_receiveSession.load())
        return session->receive(data, length);
    return 1;
}

void SetReceiveSession(PhoneSession *session)
{
    g_receiveSession.store(session);
}

} // namespace quillora
