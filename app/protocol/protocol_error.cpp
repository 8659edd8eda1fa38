// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "protocol_error.h"

#include "prompt.h"
#include "text_source.h"

namespace quillora {

namespace {

namespace text_id {
inline constexpr std::uint32_t kAnError = 65000;
inline constexpr std::uint32_t kNoDownload = 65004;
inline constexpr std::uint32_t kUnexpectedReply = 65006;
inline constexpr std::uint32_t kPortUnavailable = 65009;
inline constexpr std::uint32_t kNotUnderstood = 65012;
inline constexpr std::uint32_t kNoAnswer = 65013;
inline constexpr std::uint32_t kPhoneUnexpected = 700;
inline constexpr std::uint32_t kTooBig = 701;
inline constexpr std::uint32_t kKindUnsupported = 702;
inline constexpr std::uint32_t kFormatUnsupported = 703;
inline constexpr std::uint32_t kObjectNotFound = 704;
inline constexpr std::uint32_t kSyncError = 705;
inline constexpr std::uint32_t kNothingStored = 706;
} // namespace text_id

ErrorText textOnly(std::uint32_t id)
{
    return {id, false, 0};
}

} // namespace

ErrorText StandardErrorText(std::int32_t code)
{
    switch (code) {
    case error_code::kPortUnavailable: return textOnly(text_id::kPortUnavailable);
    case error_code::kPhoneGone:
    case error_code::kNoReply: return textOnly(text_id::kNoAnswer);
    case error_code::kUnexpectedReply:
    case error_code::kUnexpectedData: return textOnly(text_id::kUnexpectedReply);
    case error_code::kNoObjectDownload: return textOnly(text_id::kNoDownload);
    case error_code::kNotUnderstood: return textOnly(text_id::kNotUnderstood);
    default: return {text_id::kAnError, true, code};
    }
}

ErrorText PhoneErrorText(std::int32_t code, bool *objectMissing)
{
    if (objectMissing)
        *objectMissing = false;
    switch (code) {
    case -13: return {text_id::kTooBig, true, code};
    case -12: return {text_id::kKindUnsupported, true, code};
    case -4: return {text_id::kFormatUnsupported, true, code};
    default: break;
    }
    if (code >= -15)
        return {text_id::kPhoneUnexpected, true, code};
    // The phone's codes are 16-bit: compare and show them as such (-34
    // shows as 65502).
    const auto low = static_cast<std::uint16_t>(code);
    const auto asPhoneSent = static_cast<std::int16_t>(low);
    if (asPhoneSent == -34)
        return {text_id::kNothingStored, true, low};
    if (asPhoneSent == -31 || asPhoneSent == -29) {
        if (objectMissing)
            *objectMissing = true;
        return {text_id::kObjectNotFound, true, low};
    }
    return {text_id::kSyncError, true, low};
}

void ShowPhoneError(Prompt &prompt, const TextSource &texts, std::int32_t code, std::atomic<std::uint32_t> &listStale)
{
    bool objectMissing = false;
    const ErrorText shown = PhoneErrorText(code, &objectMissing);
    if (objectMissing)
        listStale.fetch_or(1u);
    prompt.showMessage(MessageIcon::Error, texts.format(shown.id, {shown.number}));
}

void ShowProtocolError(Prompt &prompt, const TextSource &texts, std::int32_t code,
                       std::atomic<std::uint32_t> &listStale)
{
    if (code == error_code::kCancelled)
        return;
    if (code < 0) {
        ShowPhoneError(prompt, texts, code, listStale);
        return;
    }
    const ErrorText shown = StandardErrorText(code);
    prompt.showMessage(MessageIcon::Error,
                       shown.hasNumber ? texts.format(shown.id, {shown.number}) : texts.text(shown.id));
}

} // namespace quillora
