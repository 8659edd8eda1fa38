// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Pieces the upload and the retrieval share: whole-file images, the error
// report of an operation, the DTR pulse that leaves the phone's data mode.
// Internal to the protocol library.
#pragma once

#include "phone_operations.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::operation {

namespace text_id {
inline constexpr std::uint32_t kReadingFile = 202;
inline constexpr std::uint32_t kOpeningSession = 203;
inline constexpr std::uint32_t kSendingTitle = 204;
inline constexpr std::uint32_t kSendingData = 205;
inline constexpr std::uint32_t kWaitingAck = 206;
inline constexpr std::uint32_t kClosingSession = 207;
inline constexpr std::uint32_t kRequestingFile = 208;
inline constexpr std::uint32_t kReceivingData = 209;
inline constexpr std::uint32_t kSendingCompressed = 210;
inline constexpr std::uint32_t kConvertQuestion = 212;
inline constexpr std::uint32_t kLowSpeedQuestion = 213;
inline constexpr std::uint32_t kDeleting = 214;
inline constexpr std::uint32_t kMinutesLeft = 8739;
inline constexpr std::uint32_t kSecondsLeft = 8740;
inline constexpr std::uint32_t kBytesReceived = 8741;
} // namespace text_id

// A file read whole (or mapped read-only) for one transfer. The failures
// are the operations' own codes: 1 cannot open (or map), 2 empty, 3 short
// read.
class FileImage {
public:
    enum class Mode { Read, Map };
    FileImage() = default;
    ~FileImage();
    FileImage(const FileImage &) = delete;
    FileImage &operator=(const FileImage &) = delete;

    // Throws ProtocolError with the code above.
    void load(const std::string &path, Mode mode);
    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }
    void release();

private:
    std::vector<std::uint8_t> buffer_;
    const std::uint8_t *data_ = nullptr;
    size_t size_ = 0;
    void *mapping_ = nullptr;
};

// An operation's own text for a code, with %1 the code and %2 the file name.
struct CodeText {
    std::int32_t code;
    std::uint32_t textId;
};

// The message for a failed item: none after a cancel or for code 0, the
// phone's own text for negative codes, then the operation's table, then the
// standard texts.
void ReportFailure(OperationContext &context, TransferProgress &progress, std::int32_t code,
                   const std::string &name, std::span<const CodeText> table);

std::string FileNameOf(std::string_view path);
std::string Counter(int index, int count); // "(2/5)"
// printf-style, for the commands with numbers in them.
std::string Format(const char *format, ...) __attribute__((format(printf, 1, 2)));
// The decimal number a reply starts with (leading blanks allowed); none
// when it has no digits or does not fit 32 bits.
std::optional<std::uint32_t> LeadingNumber(std::string_view text);

// Leaves the phone's data mode: DTR low for `lowMs`, then high again.
void PulseDtr(LinkControl &link, int lowMs);

} // namespace quillora::operation
