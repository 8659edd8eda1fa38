// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Asks a failure report's question in a message box on the user-interface
// thread. A worker thread that reports waits there (a blocking queued call)
// for the answer, so the user-interface thread must never be waiting for
// that worker when it reports: windows cancel a worker before joining it.
#pragma once

#include "fatal_report.h"

namespace quillora {

class MessageBoxFatalPrompt : public FatalPrompt {
public:
    FatalChoice ask(const FatalMessage& message) override;
};

} // namespace quillora
