// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary chunks through the reply ring, read back as lines and raw bytes
// in an order the input chooses, checked against a plain copy of the
// stream; every line also goes through the error-reply check.

#include "fuzz_check.h"
#include "phone_session.h"
#include "protocol_error.h"
#include "reply_buffer.h"

#include <cstdlib>
#include <deque>
#include <string>

// The session's sink is never used here.
extern "C" int Comm_Send(const void *, int)
{
    return 1;
}

namespace {

void checkErrorCode(const std::string &line)
{
    try {
        quillora::CheckErrorReply(line);
    } catch (const quillora::ProtocolError &e) {
        // 10000 + a clamped number (never below 1), or the phone's own
        // 16-bit negative code.
        check((e.code >= 1 && e.code <= 1010000) || (e.code < 0 && e.code >= -32768));
    }
}

// A line taken out must be exactly the consumed bytes without CR, NUL and
// the LF that ended it.
void checkLine(std::deque<char> &model, size_t consumed, const std::string &text, size_t capacity)
{
    check(consumed <= model.size());
    std::string expected;
    for (size_t i = 0; i < consumed; ++i) {
        const char c = model.front();
        model.pop_front();
        check(c != '\n' || i + 1 == consumed);
        if (c != '\r' && c != '\0' && c != '\n')
            expected += c;
    }
    check(text == expected);
    check(text.size() <= (capacity < 2 ? 1 : capacity - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    quillora::ReplyBuffer ring(16 + data[0]);
    const size_t lineCapacity = 1 + data[1] % 64;
    std::deque<char> model;
    size_t pos = 2;
    while (pos < size) {
        const uint8_t control = data[pos++];
        const size_t length = std::min<size_t>(control % 32, size - pos);
        const char *chunk = reinterpret_cast<const char *>(data + pos);
        pos += length;
        // A chunk fits while the free space stays greater than it. Offering
        // one that does not costs a futex time-out: one in four is offered.
        const bool fits = length == 0 || ring.capacity() - ring.size() > length;
        if (fits || (control & 0x60) == 0x60)
            check(ring.write(chunk, length, std::chrono::milliseconds(0)) == fits);
        if (fits)
            model.insert(model.end(), chunk, chunk + length);
        check(ring.size() == model.size() && ring.size() < ring.capacity());
        if (control & 0x80) {
            char out[64];
            const size_t got = ring.readBytes(out, control % 64);
            for (size_t i = 0; i < got; ++i) {
                check(out[i] == model.front());
                model.pop_front();
            }
            continue;
        }
        std::string text;
        const size_t before = ring.size();
        const auto status = ring.readLine(text, lineCapacity);
        if (status == quillora::ReplyBuffer::LineStatus::Complete) {
            checkLine(model, before - ring.size(), text, lineCapacity);
            checkErrorCode(text);
        } else {
            check(ring.size() == before);
        }
    }
    return 0;
}
