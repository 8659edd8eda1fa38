// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_acceptance.h"

#include "connection_state.h"
#include "phone_session.h"
#include "trelvix.h"

namespace quillora {

namespace {

constexpr int kReplyCapacity = 128;
constexpr std::string_view kVersionPrefix = "+KPSV: ";

std::string text(const char *value)
{
    return value ? std::string(value) : std::string();
}

// The version line, or nothing when the query could not be sent or no line
// came. After a "+KPSV: " line the final OK is read and dropped, so the
// channel starts on a quiet line.
bool askProtocolVersion(TrelvixPort *port, int &version)
{
    static constexpr char kQuery[] = "AT+KPSV\r";
    char line[kReplyCapacity];
    if (!ModemSend(port, kQuery, sizeof kQuery - 1) ||
        ModemRecv(port, line, sizeof line, nullptr) != TRELVIX_UNIT_LINE)
        return false;
    const std::string_view reply(line);
    version = ParseProtocolVersion(reply);
    if (reply.starts_with(kVersionPrefix)) {
        char ok[kReplyCapacity];
        ModemRecv(port, ok, sizeof ok, nullptr);
    }
    return true;
}

} // namespace

bool NeedsSlowLink(std::string_view identification)
{
    const size_t zero = identification.find('\0');
    if (zero == std::string_view::npos)
        return false;
    std::string_view second = identification.substr(zero + 1);
    second = second.substr(0, second.find('\0'));
    return second.find(kSlowLinkMark) != std::string_view::npos;
}

AcceptanceResult AcceptDetectedPhone(const DetectResult &record, const AcceptanceContext &context)
{
    return AcceptDetectedPhone(record, text(record.identification), context);
}

std::uint32_t DetectionWarningFor(int code, int simState)
{
    constexpr std::uint32_t kSimLocked = 5000, kPhoneCode = 5001, kPin = 5002, kNoSim = 5003;
    if (code == TRELVIX_STATUS_NO_SIM)
        return kNoSim;
    if (code != TRELVIX_STATUS_SIM_LOCKED)
        return 0;
    switch (simState) {
    case 2: return kSimLocked;
    case 3: return kPhoneCode;
    default: return kPin;
    }
}

int ShownDetectionStatus(int code)
{
    switch (code) {
    case TRELVIX_STATUS_BAD_FRAME: return TRELVIX_STATUS_INCOMPATIBLE;
    case TRELVIX_STATUS_LONG_FRAME: return TRELVIX_STATUS_UNIDENTIFIED;
    default: return code;
    }
}

AcceptanceResult AcceptDetectedPhone(const DetectResult &record, std::string_view identification,
                                     const AcceptanceContext &context)
{
    AcceptanceResult result;
    result.portName = text(record.displayName);
    result.model = text(record.model);
    // The library's threads write the flags while we read them.
    const std::uint32_t flags = TRELVIX_COUNTER_READ(record.flags);
    if (!(flags & TRELVIX_FLAG_LEGACY_DOWNLOAD) || record.legacyDownloadVersion == 4) {
        result.outcome = AcceptanceOutcome::NoObjectDownload;
        return result;
    }
    if (context.connection.connected()) {
        result.outcome = AcceptanceOutcome::AnotherPhone;
        return result;
    }
    TrelvixPort *port = record.port;
    if (!port)
        return result; // nothing to talk to: treated as a phone without a version

    result.speed = kDefaultLinkSpeed;
    if (NeedsSlowLink(identification) && ChangeKIPRSpeed(port, kSlowLinkSpeed))
        result.speed = kSlowLinkSpeed;

    if (!askProtocolVersion(port, result.protocolVersion) || result.protocolVersion == 0) {
        result.outcome = AcceptanceOutcome::NoUsableVersion;
        return result;
    }

    PhoneInfo phone;
    phone.onInfrared = (flags & TRELVIX_FLAG_INFRARED) != 0;
    phone.modelName = result.model;
    phone.portName = result.portName;
    phone.port = port;
    phone.speed = result.speed;
    phone.detectionFlags = flags;
    phone.imei = text(record.imei);
    phone.protocolVersion = result.protocolVersion;
    if (!context.connection.TryAccept(std::move(phone), context.quirksStore)) {
        result.outcome = AcceptanceOutcome::AnotherPhone;
        return result;
    }

    // The session is in place before the first chunk can arrive.
    SetReceiveSession(&context.session);
    if (!Comm_Start(port, ReceiveCallback, record.line)) {
        SetReceiveSession(nullptr);
        context.connection.MarkLost();
        result.outcome = AcceptanceOutcome::ChannelFailed;
        return result;
    }
    result.outcome = AcceptanceOutcome::Accepted;
    return result;
}

} // namespace quillora
