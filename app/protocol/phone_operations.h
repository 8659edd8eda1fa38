// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The long operations on the phone's objects: sending files (one object
// over the legacy download commands, or a batch over +KPSW), fetching
// objects into files (+KPSR) and deleting them (+KPSD). Each runs on a
// worker thread with the phone lock held (RunPhoneOperation), reports
// through its TransferProgress, and shows its own errors through the
// context's Prompt; the result is false after an error or a cancel.
#pragma once

#include "transfer.h"

#include <chrono>
#include <functional>
#include <string>

namespace quillora {

class ConnectionState;
class LinkControl;
class PhoneSession;
class Prompt;
class QuirksStore;
class TextSource;

namespace phone_quirk {
inline constexpr std::uint32_t kNoCompressedSounds = 0x1; // error -4 to a compressed sound
inline constexpr std::uint32_t kByteTitles = 0x2;         // the UCS-2 title phase was refused
} // namespace phone_quirk

namespace transfer_option {
inline constexpr std::uint32_t kNoPackage = 1u << 1; // the data phase is the object's bytes alone
} // namespace transfer_option

enum class ReplaceAnswer { Yes, All, Rename, Skip, Cancel };

// The questions a run asks beyond yes/no. The GUI shows its dialogs on the
// UI thread and blocks the worker until they are answered; the command line
// asks on the terminal or answers from its flags.
class TransferQuestions {
public:
    virtual ~TransferQuestions() = default;
    // A file that would be written exists. Rename fills `newPath` (a full
    // path chosen by the user).
    virtual ReplaceAnswer confirmReplace(const std::string &path, std::string &newPath) = 0;
    // Whether to write a PCM WAV copy of a sound in `format` ("ADPCM",
    // "AMR"): the setting's Always / Never, or the question.
    virtual bool convertToPcm(const std::string &format) = 0;
};

// Everything an operation reaches besides its TransferProgress.
struct OperationContext {
    PhoneSession &session;
    ConnectionState &connection;
    LinkControl &link;
    const TextSource &texts;
    Prompt &prompt;
    QuirksStore *quirksStore = nullptr;
    TransferQuestions *questions = nullptr; // none: no replacing, no copies
    // The line speed changed (the slow retry); the main window shows it.
    std::function<void(int)> speedChanged = {};
    // A data phase whose sent count stands still this long has stalled.
    std::chrono::milliseconds stallLimit{10000};
};

bool SendSingleObject(OperationContext &context, TransferProgress &progress);
bool SendObjectBatch(OperationContext &context, TransferProgress &progress);
bool ReceiveObjects(OperationContext &context, TransferProgress &progress);
bool DeleteObjects(OperationContext &context, TransferProgress &progress);

// The operation for a run's mode, bound to the context.
PhoneOperation OperationFor(TransferMode mode, OperationContext &context);

} // namespace quillora
