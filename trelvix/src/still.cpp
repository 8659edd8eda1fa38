// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The still check: is the same phone still on the open channel? A binary
// IMEI query goes out through the channel and the answer is read by a
// receive callback put in place for the time of the check.

#include "channel.h"
#include "event.h"
#include "thread_count.h"

#include <cstring>
#include <mutex>
#include <string>

namespace trelvix {

namespace {

constexpr uint8_t kStillQuery[] = {0x02, 0x04, 0xD2, 0x05, 0x00, 0xD7, 0x06, 0x03, 0x00};
constexpr size_t kReplyLength = 16;
constexpr auto kStillWait = std::chrono::milliseconds(6000);

struct StillCheck {
    std::mutex mutex;
    Event *answered = nullptr; // null when no check runs
    uint8_t buffer[64];
    size_t fill = 0;
    std::string expected;
    bool matched = false;
} g_still;

// Bytes 6..12 hold IMEI digits 1..14 packed two to a byte, high nibble
// first; byte 13 holds digit 15 as a plain value.
bool imeiMatches(const uint8_t *reply, const std::string &imei)
{
    if (imei.size() != 15)
        return false;
    for (size_t i = 0; i < 14; ++i) {
        const uint8_t byte = reply[6 + i / 2];
        const int digit = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (imei[i] != '0' + digit)
            return false;
    }
    return imei[14] == '0' + reply[13];
}

// The length byte is 12 (0x0C), the bytes from D2 up to the last IMEI byte
// as every frame counts them; 0x12 is taken too, as some phones send it.
bool isStillReply(const uint8_t *b)
{
    return b[2] == 0xD2 && b[3] == 0x05 && b[4] == 0x01 && b[5] == 0xD7 && b[15] == 0x03;
}

// Looks for the answer in the buffer; true when the check is decided.
bool scan(StillCheck &s)
{
    while (s.fill > 0) {
        if (s.buffer[0] == 0x02) {
            if (s.fill < 2)
                return false;
            if (s.buffer[1] == 0x0C || s.buffer[1] == 0x12) {
                if (s.fill < kReplyLength)
                    return false;
                if (isStillReply(s.buffer)) {
                    s.matched = imeiMatches(s.buffer, s.expected);
                    return true;
                }
            }
        }
        memmove(s.buffer, s.buffer + 1, --s.fill);
    }
    return false;
}

int stillReceiver(const char *data, uint32_t length)
{
    std::lock_guard lock(g_still.mutex);
    if (!g_still.answered || g_still.answered->isSet())
        return 1;
    const size_t room = sizeof g_still.buffer - g_still.fill;
    const size_t take = std::min<size_t>(room, length);
    memcpy(g_still.buffer + g_still.fill, data, take);
    g_still.fill += take;
    if (scan(g_still))
        g_still.answered->set();
    return 1;
}

} // namespace

} // namespace trelvix

using namespace trelvix;

extern "C" TRELVIX_API int Trelvix_Still(const char *imei)
{
    if (!imei)
        return 0;
    Event answered;
    {
        std::lock_guard lock(g_still.mutex);
        if (g_still.answered)
            return 0; // one check at a time
        g_still.answered = &answered;
        g_still.fill = 0;
        g_still.expected = imei;
        g_still.matched = false;
    }
    const TrelvixReceiveFn previous = exchangeReceiveCallback(stillReceiver);
    const bool sent = previous && Comm_Send(kStillQuery, sizeof kStillQuery);
    const bool decided = sent && answered.wait(kStillWait);
    if (previous)
        exchangeReceiveCallback(previous);
    std::lock_guard lock(g_still.mutex);
    const bool same = decided && g_still.matched;
    g_still.answered = nullptr;
    return same ? 1 : 0;
}

extern "C" TRELVIX_API void Trelvix_StillAsync(const char *imei, TrelvixStillFn callback)
{
    if (!callback)
        return;
    std::string copy = imei ? imei : "";
    auto check = [](std::string imeiText, TrelvixStillFn done) {
        if (done(-1) == 0)
            done(Trelvix_Still(imeiText.c_str()));
    };
    if (!startCountedThread(check, std::move(copy), callback))
        callback(0);
}
