// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The contract between a long phone operation (upload, retrieval, deletion),
// which runs on a worker thread, and the progress window that runs it: what
// the operation reads about its run, how it reports progress, where its
// objects come from, and how the run ends.
#pragma once

#include "object_types.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace quillora {

class ConnectionState;

enum class TransferMode : std::uint32_t { SendOne = 0, Receive = 1, Delete = 2, SendMany = 3 };

enum class TransferResult : std::uint32_t {
    Succeeded = 1, // the operation returned true
    Failed = 2,    // it returned false and Cancel was not pressed
    Cancelled = 3, // Cancel came before the start, or the operation failed after it
    NoPhone = 4,   // no phone was connected
};

namespace transfer_option {
inline constexpr std::uint32_t kManyItems = 1u << 0; // the item source enumerates the run's objects
} // namespace transfer_option

// One object of a run, as an item source fills it.
struct TransferItem {
    std::string name;       // title, without extension
    std::string path;       // the file (a retrieval: where it goes)
    std::string third;      // upload: the optional second part; retrieval and
                            // deletion: the phone's name of the object
    ObjectType types[2] = {kNoObjectType, kNoObjectType}; // deletion: types[0] is the size
};

class TransferProgress;

// Feeds a run its objects.
class ItemSource {
public:
    virtual ~ItemSource() = default;
    // The number of items; restarts the enumeration.
    virtual int restart(TransferProgress &progress) = 0;
    // Fills item `index` (1-based; types preset to none); false skips it.
    virtual bool fetch(TransferProgress &progress, int index, TransferItem &item) = 0;
    // Item `index` is done (the phone browser drops a deleted row).
    virtual void done(TransferProgress &progress, int index) = 0;
};

// What an operation sees of its run. The progress calls are synchronous: each
// has taken effect in the window when it returns, so callers need no lock.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;

    virtual void setObjectName(const std::string &text) = 0;
    virtual void setStep(const std::string &text) = 0;
    virtual void setCounter(const std::string &text) = 0;
    virtual void setDetail(const std::string &text) = 0;
    virtual void setRange(std::uint32_t total) = 0;
    virtual void setPosition(std::uint32_t value) = 0;

    bool cancelled() const { return cancelRequested.load(); }

    TransferMode mode = TransferMode::SendOne;
    // Set by the UI thread on Cancel or close; never cleared during a run.
    std::atomic<bool> cancelRequested{false};
    ObjectType objectType = kNoObjectType;
    std::uint32_t options = 0; // transfer_option bits; the others pass through
    std::string objectName;
    std::string filePath;
    std::string secondPath;
    bool hasSecondPart = false;
    ObjectType secondType = kNoObjectType;
    ItemSource *itemSource = nullptr; // none: the operation serves its single object
};

// The source an operation uses when its run names one object itself.
class SingleItemSource final : public ItemSource {
public:
    int restart(TransferProgress &progress) override;
    bool fetch(TransferProgress &progress, int index, TransferItem &item) override;
    void done(TransferProgress &, int) override {}
};

// True on success; failures have been shown to the user already.
using PhoneOperation = std::function<bool(TransferProgress &)>;

// Runs an operation as the progress window's worker does: not at all when
// no phone is connected or Cancel came first, otherwise with the phone lock
// held for the whole operation.
TransferResult RunPhoneOperation(TransferProgress &progress, ConnectionState &connection,
                                 const PhoneOperation &operation);

} // namespace quillora
