// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary bytes from a port through ModemRecv until they run out (the
// first byte picks the buffer size), and as the phone's answer to
// ChangeKIPRSpeed. Every unit must be the very bytes it was read from.

#include "fuzz_check.h"
#include "port.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The port is the input: reads take its bytes, and once they are used up a
// read times out at once, as a port with no read time-out does. (The fake
// port would also do, but costs an eventfd a byte and cannot say how far
// the reads got.)
class InputPort final : public trelvix::Port {
public:
    explicit InputPort(std::string_view input) : input_(input) { settings_.speed = 115200; }

    size_t consumed() const { return pos_; }
    const std::string &written() const { return written_; }

    bool applySettings(const TrelvixLineSettings &settings) override
    {
        settings_ = settings;
        return true;
    }
    TrelvixLineSettings settings() const override { return settings_; }
    void setTimeouts(const trelvix::Timeouts &timeouts) override { timeouts_ = timeouts; }
    trelvix::Timeouts timeouts() const override { return timeouts_; }
    trelvix::IoResult read(void *buffer, size_t n, const trelvix::Event *) override
    {
        if (pos_ == input_.size() || n == 0)
            return {trelvix::IoResult::TimedOut, 0, 0};
        const size_t count = std::min(n, input_.size() - pos_);
        std::memcpy(buffer, input_.data() + pos_, count);
        pos_ += count;
        return {trelvix::IoResult::Ok, count, 0};
    }
    trelvix::IoResult write(const void *data, size_t n, const trelvix::Event *) override
    {
        written_.append(static_cast<const char *>(data), n);
        return {trelvix::IoResult::Ok, n, 0};
    }
    // The answer is what the input holds; nothing came before the command.
    void purge(unsigned) override {}
    int outputQueue() override { return 0; }
    bool drain(int) override { return true; }
    std::optional<uint32_t> modemStatus() override { return std::nullopt; }
    bool setDtr(bool) override { return true; }
    bool setRts(bool) override { return true; }
    bool setBreak(bool) override { return true; }
    uint32_t takeLineErrors() override { return 0; }

private:
    std::string_view input_;
    size_t pos_ = 0;
    std::string written_;
    TrelvixLineSettings settings_{};
    trelvix::Timeouts timeouts_{};
};

bool isFinalResult(std::string_view line)
{
    return line == "OK" || line == "ERROR" || line == "CONNECT" || line == "NO CARRIER" ||
           line.starts_with("+CME ERROR: ");
}

std::uint8_t xorOf(std::string_view bytes)
{
    std::uint8_t x = 0;
    for (const char c : bytes)
        x ^= static_cast<std::uint8_t>(c);
    return x;
}

// A line ends at CR or LF (a final result's CR also takes the byte after
// it), or is cut when the buffer is full.
void checkLine(std::string_view in, size_t end, std::string_view line, int capacity)
{
    check(line.size() <= static_cast<size_t>(capacity - 1));
    check(std::all_of(line.begin(), line.end(), [](char c) { return static_cast<std::uint8_t>(c) >= 0x20; }));
    const size_t n = line.size();
    const auto before = [&](size_t at) { return at >= n && in.substr(at - n, n) == line; };
    if (isFinalResult(line) && end >= 2 && in[end - 2] == '\r' && before(end - 2))
        return;
    if (end >= 1 && (in[end - 1] == '\r' || in[end - 1] == '\n') && before(end - 1)) {
        // Such a CR is followed by a byte that went with it, if there was one.
        check(!(in[end - 1] == '\r' && isFinalResult(line) && end < in.size()));
        return;
    }
    check(n == static_cast<size_t>(capacity - 1) && before(end));
}

// 02 LEN D2 05 01 payload CHK 03: LEN counts the payload and three, the
// bytes from 02 to CHK XOR to zero.
void checkShortFrame(std::string_view in, size_t end, std::string_view payload, int capacity)
{
    const size_t n = payload.size();
    check(n >= 1 && n <= static_cast<size_t>(capacity) && end >= n + 7);
    const std::string_view frame = in.substr(end - n - 7, n + 7);
    check(frame[0] == 0x02 && static_cast<std::uint8_t>(frame[1]) == n + 3 &&
          static_cast<std::uint8_t>(frame[2]) == 0xD2 && frame[3] == 0x05 && frame[4] == 0x01);
    check(frame.substr(5, n) == payload && frame[n + 6] == 0x03 && xorOf(frame.substr(0, n + 6)) == 0);
}

// 02 xx HI LO, then HI*256+LO bytes from the 80 to the check byte: the
// buffer holds those, and the whole frame XORs to zero.
void checkLongFrame(std::string_view in, size_t end, std::string_view frame, int capacity)
{
    const size_t d = frame.size();
    check(d >= 2 && d <= static_cast<size_t>(capacity) && end >= d + 4);
    const std::string_view sent = in.substr(end - d - 4, d + 4);
    check(sent[0] == 0x02 && static_cast<std::uint8_t>(sent[2]) * 256u + static_cast<std::uint8_t>(sent[3]) == d);
    check(static_cast<std::uint8_t>(frame[0]) == 0x80 && sent.substr(4) == frame && xorOf(sent) == 0);
}

struct Unit {
    int kind;
    std::string bytes;
};

// Every unit of the input, each checked against the bytes it came from.
std::vector<Unit> receiveAll(std::string_view in, int capacity)
{
    InputPort port(in);
    std::vector<char> buffer(static_cast<size_t>(std::max(capacity, 1)));
    std::vector<Unit> units;
    for (;;) {
        const size_t before = port.consumed();
        int length = -1;
        const int kind = ModemRecv(&port, buffer.data(), capacity, &length);
        const size_t end = port.consumed();
        if (kind == TRELVIX_UNIT_NONE) {
            check(length == -1 && end == (capacity < 2 ? 0 : in.size()));
            return units;
        }
        if (kind == TRELVIX_UNIT_TIME_LIMIT)
            return units; // only a machine stalled for seconds gets here
        check(end > before && length >= 0 && length <= capacity);
        const std::string_view unit(buffer.data(), static_cast<size_t>(length));
        switch (kind) {
        case TRELVIX_UNIT_LINE:
            check(length < capacity && buffer[static_cast<size_t>(length)] == '\0');
            checkLine(in, end, unit, capacity);
            break;
        case TRELVIX_UNIT_SHORT_FRAME: checkShortFrame(in, end, unit, capacity); break;
        case TRELVIX_UNIT_LONG_FRAME: checkLongFrame(in, end, unit, capacity); break;
        default: check(false);
        }
        units.push_back({kind, std::string(unit)});
    }
}

// The speed change succeeds when the answer's first line (after an echo of
// the command) is OK or 0, and only then does the port follow.
void checkSpeedChange(std::string_view in, int speed)
{
    const std::vector<Unit> units = receiveAll(in, 128); // ChangeKIPRSpeed's own buffer
    size_t at = 0;
    if (!units.empty() && units[0].kind == TRELVIX_UNIT_LINE && units[0].bytes.starts_with("AT"))
        at = 1;
    const bool accepted = units.size() > at && units[0].kind == TRELVIX_UNIT_LINE &&
                          units[at].kind == TRELVIX_UNIT_LINE && (units[at].bytes == "OK" || units[at].bytes == "0");
    InputPort port(in);
    check(ChangeKIPRSpeed(&port, speed) == (accepted ? 1 : 0));
    check(port.written() == "AT+KIPR=" + std::to_string(speed) + "\r");
    check(port.settings().speed == (accepted && speed != 0 ? static_cast<uint32_t>(speed) : 115200u));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // 0 and 1 are refused; up to 199 for lines and short frames, and larger
    // buffers for long frames with a high length byte.
    const int capacity = data[0] < 200 ? data[0] : 256 * (data[0] - 199);
    const std::string_view in(reinterpret_cast<const char *>(data + 1), size - 1);
    receiveAll(in, capacity);
    static constexpr int kSpeeds[] = {0, 19200, 57600, 115200, 921600, -1, INT_MIN};
    checkSpeedChange(in, kSpeeds[data[0] % std::size(kSpeeds)]);
    return 0;
}
