// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Taking over a phone that detection reports ready (status 128): the
// checks that decline it, the protocol version query on the handed-over
// port, the claim on the connection, and the serial channel started on the
// port. Every front end calls it from its status callback, on the port's
// detection thread, and shows the outcome in its own way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct DetectResult;

namespace quillora {

class ConnectionState;
class PhoneSession;
class QuirksStore;

enum class AcceptanceOutcome {
    Accepted,         // the connection holds the phone and the channel runs on its port
    NoObjectDownload, // no +KDOBJ, or its version 4: message 4239 (port, model)
    NoUsableVersion,  // AT+KPSV could not be sent, got no line or no version
    AnotherPhone,     // a phone is connected already, or won the race meanwhile
    ChannelFailed,    // Comm_Start failed: message 65009; the claim is given up
};

struct AcceptanceResult {
    AcceptanceOutcome outcome = AcceptanceOutcome::NoUsableVersion;
    std::string portName; // the record's display name
    std::string model;
    int speed = 0;           // the line speed agreed with the phone
    int protocolVersion = 0; // as ParseProtocolVersion reads the AT+KPSV line
};

struct AcceptanceContext {
    ConnectionState &connection;
    // Receives the channel's chunks once it runs (SetReceiveSession); it
    // must outlive the channel.
    PhoneSession &session;
    QuirksStore *quirksStore = nullptr;
};

// The texts detection's outcomes are told with, shared by the front ends.
namespace detection_text {
inline constexpr std::uint32_t kStatusBase = 4096; // + the status code
inline constexpr std::uint32_t kNoObjectDownload = 4239;
inline constexpr std::uint32_t kPortUnavailable = 65009;
} // namespace detection_text

// The warning a status calls for: 97 (no SIM) and 99 by the SIM state;
// 0 for every other status.
std::uint32_t DetectionWarningFor(int code, int simState);

// The status shown for a code: an unusable reply reads as an incompatible
// device, a long frame as an unidentified one.
int ShownDetectionStatus(int code);

// The phones whose identification carries " JC3,6" in its second part lose
// bytes at 115200 bps; they are moved to 57600.
inline constexpr std::string_view kSlowLinkMark = " JC3,6";
inline constexpr int kSlowLinkSpeed = 57600;
inline constexpr int kDefaultLinkSpeed = 115200;

// True when the part after the first zero of the identification's bytes
// holds kSlowLinkMark.
bool NeedsSlowLink(std::string_view identification);

// Accepted: the record's port now runs the channel, the connection is
// filled (quirks loaded), and the caller answers 1 to detection, then
// releases the phone lock it took for detection once it has shown the
// phone. Any other outcome: the caller answers 0 and detection keeps the
// port.
//
// The record carries no length for its identification, so only the text up
// to its first zero is known from it; the overload with `identification`
// takes the bytes with every zero-separated part.
AcceptanceResult AcceptDetectedPhone(const DetectResult &record, const AcceptanceContext &context);
AcceptanceResult AcceptDetectedPhone(const DetectResult &record, std::string_view identification,
                                     const AcceptanceContext &context);

} // namespace quillora
