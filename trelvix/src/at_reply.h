// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// Sorts bytes from a phone into reply units: text lines, short binary frames
// (02 LEN D2 05 01 payload CHK 03) and long binary frames (02 B1 HI LO 80 ...
// with a closing check byte). Pure: no descriptor, no thread, no clock, so
// any split of the input can be fed to it.

#include <cstdint>

namespace trelvix {

class ReplyReader {
public:
    enum class Unit { None, Line, ShortFrame, LongFrame };
    struct Step {
        Unit unit = Unit::None; // None: feed more bytes
        int length = 0;         // characters of a line; payload / declared length of a frame
        bool dropNextByte = false; // a final result's CR: the LF after it belongs to it
    };

    // The reader writes units into buffer (capacity bytes). A line is cut at
    // capacity - 1 characters and zero-terminated; frames longer than the
    // capacity are not read as frames.
    ReplyReader(char *buffer, int capacity) : buf_(buffer), capacity_(capacity) {}

    Step feed(uint8_t byte);

private:
    enum class State { Idle, H1, H2, H3, H4, ShortPayload, ShortCheck, ShortEnd, LongPayload, Text };

    Step idle(uint8_t byte);
    Step header4(uint8_t byte);
    Step text(uint8_t byte);
    Step append(uint8_t byte);
    Step endLine(bool carriageReturn);

    char *buf_;
    int capacity_;
    State state_ = State::Idle;
    uint8_t header_[3] = {};
    int expected_ = 0; // payload bytes (short) or declared length (long)
    int fill_ = 0;
    uint8_t check_ = 0;
};

// True when a text line is a final result after which the phone sends LF.
bool isFinalResultLine(const char *line, int length);

} // namespace trelvix
