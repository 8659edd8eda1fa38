// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The error value every phone operation throws, and the texts the program
// shows for it. An operation catches at its own top level, shows the text
// (code 0, a cancellation, is never shown) and reports failure.
#pragma once

#include <atomic>
#include <cstdint>

namespace quillora {

class Prompt;
class TextSource;

struct ProtocolError {
    std::int32_t code;
};

namespace error_code {
inline constexpr std::int32_t kCancelled = 0;
inline constexpr std::int32_t kReplyOverflow = 1;       // the ring had no room for 2000 ms
inline constexpr std::int32_t kPortUnavailable = 5;
inline constexpr std::int32_t kPhoneGone = 6;
inline constexpr std::int32_t kNoReply = 128;           // no reply line in time
inline constexpr std::int32_t kUnexpectedReply = 129;   // neither the expected line nor an error
inline constexpr std::int32_t kUnexpectedData = 130;
inline constexpr std::int32_t kPhoneErrorBase = 10000;  // + the +CME/+CMS number
inline constexpr std::int32_t kNoObjectDownload = 10004;
inline constexpr std::int32_t kNotUnderstood = 10100;   // ERROR, or +CME ERROR: 100
} // namespace error_code

// A text to show: a string id and, when `hasNumber`, the number for its
// first insert.
struct ErrorText {
    std::uint32_t id;
    bool hasNumber;
    std::int64_t number;
};

// The standard text of a code that is not the phone's own (code >= 0).
ErrorText StandardErrorText(std::int32_t code);
// The text of one of the phone's own negative codes; also says whether the
// code means the object is gone from the phone (the listing is stale).
ErrorText PhoneErrorText(std::int32_t code, bool *objectMissing = nullptr);

// Shows a phone code with the error icon; sets bit 0 of listStale for the
// codes that mean "object not found".
void ShowPhoneError(Prompt &prompt, const TextSource &texts, std::int32_t code, std::atomic<std::uint32_t> &listStale);
// Shows any code as an operation's top level does: nothing for 0, the
// phone's text for negative codes, the standard text otherwise.
void ShowProtocolError(Prompt &prompt, const TextSource &texts, std::int32_t code,
                       std::atomic<std::uint32_t> &listStale);

} // namespace quillora
