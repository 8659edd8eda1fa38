// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "reply_buffer.h"

#include <algorithm>
#include <cstring>

namespace quillora {

ReplyBuffer::ReplyBuffer(size_t capacity) : storage_(std::max<size_t>(capacity, 2)) {}

size_t ReplyBuffer::usedLocked() const
{
    return (writePos_ + storage_.size() - readPos_) % storage_.size();
}

size_t ReplyBuffer::size() const
{
    std::lock_guard lock(mutex_);
    return usedLocked();
}

std::uint64_t ReplyBuffer::writeCount() const
{
    std::lock_guard lock(mutex_);
    return writes_;
}

bool ReplyBuffer::write(const char *data, size_t length, std::chrono::milliseconds limit)
{
    if (length == 0)
        return true;
    std::unique_lock lock(mutex_);
    // Free space must stay strictly greater than the chunk: a full ring
    // would look empty (equal positions).
    const bool fits = space_.wait_for(lock, limit, [&] { return storage_.size() - usedLocked() > length; });
    if (!fits)
        return false;
    const size_t first = std::min(length, storage_.size() - writePos_);
    std::memcpy(storage_.data() + writePos_, data, first);
    std::memcpy(storage_.data(), data + first, length - first);
    writePos_ = (writePos_ + length) % storage_.size();
    ++writes_;
    lock.unlock();
    data_.notify_all();
    return true;
}

ReplyBuffer::LineStatus ReplyBuffer::readLine(std::string &text, size_t capacity, std::uint64_t *writes)
{
    // At least one character per piece, or a long line would come out as
    // endless empty pieces.
    const size_t maxChars = std::max<size_t>(capacity, 2) - 1;
    text.clear();
    std::unique_lock lock(mutex_);
    if (writes)
        *writes = writes_;
    if (readPos_ == writePos_)
        return LineStatus::Empty;
    size_t pos = readPos_;
    size_t walked = 0;
    bool complete = false;
    while (pos != writePos_) {
        const char c = storage_[pos];
        if (c == '\n') {
            pos = (pos + 1) % storage_.size();
            complete = true;
            break;
        }
        // Dropped bytes count towards a piece too: a ring full of CRs must
        // still come out, or it would refuse every later chunk.
        if (walked == maxChars) {
            complete = true; // the byte that did not fit stays for the next piece
            break;
        }
        ++walked;
        pos = (pos + 1) % storage_.size();
        if (c != '\r' && c != '\0')
            text += c;
    }
    if (!complete)
        return LineStatus::Partial;
    readPos_ = pos;
    lock.unlock();
    space_.notify_all();
    return LineStatus::Complete;
}

size_t ReplyBuffer::readBytes(char *destination, size_t length)
{
    std::unique_lock lock(mutex_);
    const size_t count = std::min(length, usedLocked());
    if (count == 0)
        return 0;
    const size_t first = std::min(count, storage_.size() - readPos_);
    std::memcpy(destination, storage_.data() + readPos_, first);
    std::memcpy(destination + first, storage_.data(), count - first);
    readPos_ = (readPos_ + count) % storage_.size();
    lock.unlock();
    space_.notify_all();
    return count;
}

void ReplyBuffer::clear()
{
    {
        std::lock_guard lock(mutex_);
        readPos_ = writePos_ = 0;
    }
    space_.notify_all();
}

bool ReplyBuffer::waitForData(Clock::time_point deadline)
{
    std::unique_lock lock(mutex_);
    return data_.wait_until(lock, deadline, [&] { return readPos_ != writePos_; });
}

bool ReplyBuffer::waitForWriteAfter(std::uint64_t writes, Clock::time_point deadline)
{
    std::unique_lock lock(mutex_);
    return data_.wait_until(lock, deadline, [&] { return writes_ != writes; });
}

} // namespace quillora
