// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "transfer.h"

#include "connection_state.h"

namespace quillora {

int SingleItemSource::restart(TransferProgress &)
{
    return 1;
}

bool SingleItemSource::fetch(TransferProgress &progress, int index, TransferItem &item)
{
    if (index != 1)
        return false;
    item.name = progress.objectName;
    item.path = progress.filePath;
    item.third = progress.hasSecondPart ? progress.secondPath : std::string();
    item.types[0] = progress.objectType;
    item.types[1] = progress.hasSecondPart ? progress.secondType : kNoObjectType;
    return true;
}

TransferResult RunPhoneOperation(TransferProgress &progress, ConnectionState &connection,
                                 const PhoneOperation &operation)
{
    if (!connection.connected())
        return TransferResult::NoPhone;
    if (progress.cancelled())
        return TransferResult::Cancelled;
    // Cancel, or the phone going away, ends the wait for the lock: after a
    // lost phone, detection holds it until the next phone is accepted.
    if (!connection.takePhoneLock([&] { return progress.cancelled() || !connection.connected(); }))
        return progress.cancelled() ? TransferResult::Cancelled : TransferResult::NoPhone;
    bool succeeded = false;
    {
        PhoneLockHold hold(connection);
        // The still check may have found the phone gone while we waited.
        if (!connection.connected())
            return TransferResult::NoPhone;
        succeeded = operation(progress);
    }
    if (succeeded)
        return TransferResult::Succeeded;
    return progress.cancelled() ? TransferResult::Cancelled : TransferResult::Failed;
}

} // namespace quillora
