// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "connection_state.h"

#include <cctype>
#include <chrono>

namespace quillora {

int ParseProtocolVersion(std::string_view line)
{
    static constexpr std::string_view kPrefix = "+KPSV: ";
    if (line == "ERROR" || line.starts_with("+CME ERROR:"))
        return -1;
    if (!line.starts_with(kPrefix))
        return 0;
    const std::string_view text = line.substr(kPrefix.size());
    size_t pos = 0;
    int major = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && major < 100000)
        major = major * 10 + (text[pos++] - '0');
    int version = major * 100;
    // "2.01": one digit, a point and two more give the minor number.
    if (text.size() == 4 && pos == 1 && text[1] == '.' && std::isdigit(static_cast<unsigned char>(text[2])) &&
        std::isdigit(static_cast<unsigned char>(text[3])))
        version += (text[2] - '0') * 10 + (text[3] - '0');
    return version;
}

bool ConnectionState::TryAccept(PhoneInfo phone, QuirksStore *store)
{
    // The claim comes first, so that a second phone reported at the same
    // moment on another port is declined; connected() only turns true once
    // the record is whole. The settings file is read outside the lock.
    if (claimed_.exchange(1) != 0)
        return false;
    phone.quirks = store ? store->loadQuirks(phone.imei) : 0;
    phoneCapabilities.store(phone.protocolVersion >= 200 ? capability::kObjectProtocol : 0);
    {
        std::lock_guard lock(mutex_);
        phone_ = std::move(phone);
    }
    connected_.store(1);
    return true;
}

void ConnectionState::MarkLost()
{
    {
        std::lock_guard lock(mutex_);
        phone_.port = nullptr;
    }
    connected_.store(0);
    claimed_.store(0);
}

PhoneInfo ConnectionState::phone() const
{
    std::lock_guard lock(mutex_);
    return phone_;
}

std::uint32_t ConnectionState::quirks() const
{
    std::lock_guard lock(mutex_);
    return phone_.quirks;
}

void ConnectionState::SavePhoneQuirks(std::uint32_t quirks, QuirksStore *store)
{
    std::string imei;
    {
        std::lock_guard lock(mutex_);
        phone_.quirks = quirks;
        imei = phone_.imei;
    }
    if (store)
        store->saveQuirks(imei, quirks);
}

void ConnectionState::setSpeed(int speed)
{
    std::lock_guard lock(mutex_);
    phone_.speed = speed;
}

bool ConnectionState::takePhoneLock(const std::function<bool()> &giveUp)
{
    while (!giveUp())
        if (phoneLock.try_acquire_for(std::chrono::milliseconds(100)))
            return true;
    return false;
}

} // namespace quillora
