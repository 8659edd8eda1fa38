// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The one connected phone: who it is, how it is reached, and the lock that
// serialises every exchange with it. Detection fills the record when it
// accepts a phone; the still check marks it lost.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <semaphore>
#include <string>
#include <string_view>

struct TrelvixPort;

namespace quillora {

// Where each phone's quirk flags are kept between runs, by IMEI.
class QuirksStore {
public:
    virtual ~QuirksStore() = default;
    virtual std::uint32_t loadQuirks(const std::string &imei) = 0; // 0 when none stored
    virtual void saveQuirks(const std::string &imei, std::uint32_t quirks) = 0;
};

namespace capability {
inline constexpr std::uint32_t kObjectProtocol = 1u << 0; // version >= 2.00: list and send back
inline constexpr std::uint32_t kFormatReport = 1u << 1;   // the formats report is complete
} // namespace capability

// What detection found out about the phone it hands over.
struct PhoneInfo {
    bool onInfrared = false;
    std::string modelName;
    std::string portName;
    TrelvixPort *port = nullptr;
    int speed = 0;
    std::uint32_t detectionFlags = 0;
    std::string imei;
    int protocolVersion = 0;
    std::uint32_t quirks = 0;
};

// "+KPSV: 2.01" gives 201, "+KPSV: 3" 300; an error reply gives -1; any
// other line 0 (no usable version).
int ParseProtocolVersion(std::string_view line);

class ConnectionState {
public:
    // Taken by detection until it accepts a phone, by each still check, and
    // for every transaction. Binary, and released by whichever thread the
    // hand-over rules say, so a semaphore and not a mutex.
    std::binary_semaphore phoneLock{1};
    std::atomic<std::uint32_t> stillPostpone{0};
    std::atomic<std::uint32_t> phoneCapabilities{0};

    // Claims the connection for a phone detection found ready: only the
    // first of racing callers gets true, and only it fills the record and
    // loads the phone's quirks.
    bool TryAccept(PhoneInfo phone, QuirksStore *store);
    // The connection is gone (the still check stopped the channel): the port
    // is forgotten, the other fields keep the last phone's values.
    void MarkLost();
    bool connected() const { return connected_.load() != 0; }

    // A consistent copy of the record; filled fields are never seen half
    // written.
    PhoneInfo phone() const;
    std::uint32_t quirks() const;
    // Stores new quirk flags for the connected phone and keeps them under
    // its IMEI.
    void SavePhoneQuirks(std::uint32_t quirks, QuirksStore *store);
    // The line speed after a change made with the phone lock held (the
    // slow retry of an upload).
    void setSpeed(int speed);

    // Takes phoneLock, checking `giveUp` every 100 ms while another exchange
    // (or a detection waiting for the next phone) holds it; false when it
    // gave up.
    bool takePhoneLock(const std::function<bool()> &giveUp);

private:
    std::atomic<int> claimed_{0};   // a phone is being accepted or is connected
    std::atomic<int> connected_{0}; // ... and its record is filled
    mutable std::mutex mutex_;
    PhoneInfo phone_;
};

// Releases a phoneLock that was taken, however the exchange ends.
class PhoneLockHold {
public:
    explicit PhoneLockHold(ConnectionState &connection) : connection_(connection) {}
    ~PhoneLockHold() { connection_.phoneLock.release(); }
    PhoneLockHold(const PhoneLockHold &) = delete;
    PhoneLockHold &operator=(const PhoneLockHold &) = delete;

private:
    ConnectionState &connection_;
};

} // namespace quillora
