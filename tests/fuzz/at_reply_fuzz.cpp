// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary bytes into the reply reader. The first byte picks the capacity;
// the buffer is allocated at exactly that size so ASan sees any overrun.

#include "at_reply.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int capacity = 2 + data[0] % 160;
    std::vector<char> buffer(static_cast<size_t>(capacity));
    trelvix::ReplyReader reader(buffer.data(), capacity);
    for (size_t i = 1; i < size; ++i) {
        const auto step = reader.feed(data[i]);
        using Unit = trelvix::ReplyReader::Unit;
        if (step.unit == Unit::Line && (step.length >= capacity || buffer[static_cast<size_t>(step.length)] != '\0'))
            abort();
        if ((step.unit == Unit::ShortFrame || step.unit == Unit::LongFrame) && step.length > capacity)
            abort();
    }
    return 0;
}
