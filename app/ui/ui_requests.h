// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// A worker thread that needs the user (a warning box from a detection
// thread) asks the user-interface thread and waits for the answer. Unlike a
// blocking queued call, the wait can be abandoned: before the UI thread
// waits for those workers (window close), it abandons every request, so a
// worker never waits for a UI thread that is waiting for it.
#pragma once

#include <QObject>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>

namespace quillora {

class UiRequests {
public:
    // The requests outlive the context; abandonAll() must run before the
    // context is destroyed.
    explicit UiRequests(QObject* uiContext) : context_(uiContext) {}

    // Runs `ask` on the context's thread and returns its answer; nothing
    // when the requests were abandoned (before or while waiting). Never call
    // it on the context's own thread.
    std::optional<int> ask(std::function<int()> ask);

    // Wakes every waiting worker with no answer, and makes later asks
    // return at once; a question not yet shown is never shown.
    void abandonAll();

private:
    struct Pending {
        std::optional<int> answer;
        bool finished = false;
        bool abandoned = false;
    };
    QObject* context_; // null once abandoned
    std::mutex mutex_;
    std::condition_variable changed_;
    std::set<std::shared_ptr<Pending>> pending_;
};

} // namespace quillora
