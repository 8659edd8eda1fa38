// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The messages and questions of an operation running on a worker thread,
// shown on the UI thread in boxes owned by the progress window; the worker
// waits for the answer. Abandoned requests (the window going away) answer
// No, Skip or "do not convert", never Yes.
#pragma once

#include "phone_operations.h"
#include "prompt.h"

class QWidget;

namespace quillora {

class AskSetting;
class UiRequests;

class WorkerPrompt final : public Prompt, public TransferQuestions {
public:
    WorkerPrompt(QWidget* owner, UiRequests& requests, AskSetting* amr, AskSetting* adpcm)
        : owner_(owner), requests_(requests), amr_(amr), adpcm_(adpcm)
    {
    }

    void showMessage(MessageIcon icon, const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    ReplaceAnswer confirmReplace(const std::string& path, std::string& newPath) override;
    bool convertToPcm(const std::string& format) override;

private:
    QWidget* owner_;
    UiRequests& requests_;
    AskSetting* amr_;
    AskSetting* adpcm_;
};

} // namespace quillora
