// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The command line's connection to the phone: the library's detection with
// the hand-over, the shared acceptance of the first ready phone, and what
// every operation then needs (connection state, session, channel link).
// One per process, like the channel.
#pragma once

#include "connection_state.h"
#include "link_control.h"
#include "phone_operations.h"
#include "phone_session.h"

#include <string>

namespace quillora {
class Prompt;
class TextSource;
} // namespace quillora

namespace quillora::cli {

class Console;

// What the record said of the accepted phone beyond the connection state.
struct FoundPhone {
    std::string devicePath;
    std::string manufacturer;
    std::string stableName;
    bool usb = false; // the phone's own USB port: no line speed to speak of
};

struct DetectionSettings {
    std::string port;        // probe this port alone; empty: the library's own list
    int timeoutSeconds = 30;
    bool verbose = false;    // every status line on standard error
    std::string companyName; // %3 of the status texts
};

enum class DetectionEnd { Found, NotFound, NoPorts, Cancelled };

class PhoneConnection {
public:
    PhoneConnection(const TextSource &texts, Prompt &prompt, Console &console, QuirksStore *quirks, int delayFactor);
    // Stops detection and the channel (closing the port).
    ~PhoneConnection();
    PhoneConnection(const PhoneConnection &) = delete;
    PhoneConnection &operator=(const PhoneConnection &) = delete;

    // Runs detection until a phone is accepted, the time is up or Ctrl-C.
    DetectionEnd detect(const DetectionSettings &settings);

    ConnectionState &connection() { return connection_; }
    PhoneSession &session() { return session_; }
    LinkControl &link() { return link_; }
    const FoundPhone &found() const { return found_; }
    QuirksStore *quirksStore() const { return quirks_; }

    // The context of an operation on this phone.
    OperationContext context(TransferQuestions *questions);

private:
    const TextSource &texts_;
    Prompt &prompt_;
    Console &console_;
    QuirksStore *quirks_;
    ConnectionState connection_;
    ChannelSink sink_;
    PhoneSession session_{sink_};
    ChannelLink link_;
    FoundPhone found_;
};

} // namespace quillora::cli
