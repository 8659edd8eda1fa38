// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "ui_requests.h"

#include <QMetaObject>

namespace quillora {

std::optional<int> UiRequests::ask(std::function<int()> ask)
{
    auto pending = std::make_shared<Pending>();
    std::unique_lock lock(mutex_);
    if (!context_)
        return std::nullopt;
    pending_.insert(pending);
    // Posted under the lock, so the context cannot be abandoned meanwhile.
    const bool posted = QMetaObject::invokeMethod(
        context_,
        [this, pending, ask = std::move(ask)] {
            {
                std::lock_guard lock(mutex_);
                if (pending->abandoned)
                    return;
            }
            // The answer may take the user minutes; no lock is held meanwhile.
            const int answer = ask();
            std::lock_guard lock(mutex_);
            pending->answer = answer;
            pending->finished = true;
            changed_.notify_all();
        },
        Qt::QueuedConnection);
    if (posted)
        changed_.wait(lock, [&] { return pending->finished || pending->abandoned; });
    pending_.erase(pending);
    return pending->abandoned ? std::nullopt : pending->answer;
}

void UiRequests::abandonAll()
{
    std::lock_guard lock(mutex_);
    context_ = nullptr;
    for (const auto& p : pending_)
        p->abandoned = true;
    changed_.notify_all();
}

} // namespace quillora
