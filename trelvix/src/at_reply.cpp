// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "at_reply.h"

#include <cstring>
#include <string_view>

namespace trelvix {

namespace {
constexpr uint8_t kStx = 0x02;
constexpr uint8_t kEtx = 0x03;
} // namespace

bool isFinalResultLine(const char *line, int length)
{
    std::string_view s(line, static_cast<size_t>(length));
    return s == "OK" || s == "ERROR" || s == "CONNECT" || s == "NO CARRIER" || s.starts_with("+CME ERROR: ");
}

// Idle: 02 starts a frame header, other control bytes are noise, anything
// printable starts a text line.
ReplyReader::Step ReplyReader::idle(uint8_t byte)
{
    if (byte == kStx) {
        state_ = State::H1;
    } else if (byte < 0x20) {
        state_ = State::Idle;
    } else {
        fill_ = 0;
        state_ = State::Text;
        return append(byte);
    }
    return {};
}

ReplyReader::Step ReplyReader::feed(uint8_t byte)
{
    if (!buf_ || capacity_ < 2)
        return {};
    switch (state_) {
    case State::Idle:
        return idle(byte);
    case State::H1:
    case State::H2:
    case State::H3:
        header_[static_cast<int>(state_) - static_cast<int>(State::H1)] = byte;
        state_ = static_cast<State>(static_cast<int>(state_) + 1);
        break;
    case State::H4:
        return header4(byte);
    case State::ShortPayload:
        buf_[fill_++] = static_cast<char>(byte);
        check_ ^= byte;
        if (fill_ == expected_)
            state_ = State::ShortCheck;
        break;
    case State::ShortCheck:
        if (byte != check_)
            return idle(byte);
        state_ = State::ShortEnd;
        break;
    case State::ShortEnd:
        if (byte == kEtx) {
            state_ = State::Idle;
            return {Unit::ShortFrame, expected_, false};
        }
        return idle(byte);
    case State::LongPayload:
        buf_[fill_++] = static_cast<char>(byte);
        check_ ^= byte;
        if (fill_ == expected_) {
            if (check_ == 0) {
                state_ = State::Idle;
                return {Unit::LongFrame, expected_, false};
            }
            return idle(byte);
        }
        break;
    case State::Text:
        return text(byte);
    }
    return {};
}

// The fourth byte after 02 tells a short frame (01 after D2 05) from a long
// one (80, with the length in header bytes 2 and 3).
ReplyReader::Step ReplyReader::header4(uint8_t byte)
{
    if (byte == 0x01) {
        const int n = header_[0] - 3;
        // A frame that cannot hold one payload byte, or does not fit, is dropped.
        if (header_[1] != 0xD2 || header_[2] != 0x05 || n < 1 || n > capacity_) {
            state_ = State::Idle;
            return {};
        }
        expected_ = n;
        fill_ = 0;
        check_ = static_cast<uint8_t>(header_[0] ^ 0xD4);
        state_ = State::ShortPayload;
        return {};
    }
    if (byte == 0x80) {
        const int d = header_[1] * 256 + header_[2];
        // The declared length counts the 80 and the check byte, so it is at
        // least 2; anything else cannot be a frame and reads as text.
        if (d > capacity_ || d < 2)
            return idle(byte);
        expected_ = d;
        buf_[0] = static_cast<char>(0x80);
        fill_ = 1;
        check_ = static_cast<uint8_t>(kStx ^ header_[0] ^ header_[1] ^ header_[2] ^ 0x80);
        state_ = State::LongPayload;
        return {};
    }
    return idle(byte);
}

ReplyReader::Step ReplyReader::text(uint8_t byte)
{
    if (byte == '\r' || byte == '\n')
        return endLine(byte == '\r');
    if (byte < 0x20)
        return idle(byte); // a control byte inside a line: the line is noise
    return append(byte);
}

// Adds a character to the line; a full line is complete.
ReplyReader::Step ReplyReader::append(uint8_t byte)
{
    buf_[fill_++] = static_cast<char>(byte);
    if (fill_ == capacity_ - 1) {
        buf_[fill_] = '\0';
        state_ = State::Idle;
        return {Unit::Line, fill_, false};
    }
    return {};
}

ReplyReader::Step ReplyReader::endLine(bool carriageReturn)
{
    buf_[fill_] = '\0';
    state_ = State::Idle;
    const bool drop = carriageReturn && fill_ >= 2 && isFinalResultLine(buf_, fill_);
    return {Unit::Line, fill_, drop};
}

} // namespace trelvix
