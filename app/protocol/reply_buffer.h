// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The ring that everything the phone sends passes through: the serial
// reader thread writes each received chunk, the thread running a phone
// operation reads lines and raw bytes out of it. One writer, one reader.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace quillora {

class ReplyBuffer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr size_t kDefaultCapacity = 8192;

    explicit ReplyBuffer(size_t capacity = kDefaultCapacity);
    ReplyBuffer(const ReplyBuffer &) = delete;
    ReplyBuffer &operator=(const ReplyBuffer &) = delete;

    // Writer side. Stores the whole chunk, waiting up to `limit` for the
    // reader to make room; false (and nothing stored) when it did not. The
    // ring never fills completely, so a chunk must be shorter than the
    // capacity to fit at all.
    bool write(const char *data, size_t length, std::chrono::milliseconds limit);

    // Reader side.
    enum class LineStatus {
        Empty,    // nothing buffered
        Partial,  // bytes but no complete line yet; nothing was consumed
        Complete, // a line was taken out (it may be empty)
    };
    // Takes the next line: LF ends it and is consumed, CR and NUL bytes are
    // dropped. A line longer than capacity - 1 bytes (dropped ones included)
    // comes out in pieces of that length. `text` receives the line (or, for Partial, the
    // characters seen so far); `writes` receives the write count at the time
    // of the look, for waitForWriteAfter.
    LineStatus readLine(std::string &text, size_t capacity, std::uint64_t *writes = nullptr);
    // Copies up to `length` bytes out; the number copied (0 when empty).
    size_t readBytes(char *destination, size_t length);
    // Empties the ring, e.g. so that late bytes of an earlier exchange are
    // not taken for the next reply.
    void clear();

    // True as soon as the ring holds data, false when the deadline passes.
    bool waitForData(Clock::time_point deadline);
    // True as soon as a chunk was written after the look that gave
    // `writes`, even if the deadline has passed meanwhile.
    bool waitForWriteAfter(std::uint64_t writes, Clock::time_point deadline);

    size_t capacity() const { return storage_.size(); }
    size_t size() const;
    std::uint64_t writeCount() const;

private:
    size_t usedLocked() const;

    mutable std::mutex mutex_;
    std::condition_variable data_;  // bytes were added
    std::condition_variable space_; // bytes were removed
    std::vector<char> storage_;
    size_t readPos_ = 0;
    size_t writePos_ = 0;
    std::uint64_t writes_ = 0;
};

} // namespace quillora
