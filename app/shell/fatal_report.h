// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The report of a system call that should not have failed (creating, reading
// or writing a file during a transfer, a conversion step): the source file
// and line, the system's text for the error and its number, and the choice
// of Abort (end the program), Retry (the caller repeats the call) or Ignore.
// Callers loop:  while (call fails && ReportErrnoFailure(__FILE__, __LINE__)) retry;
// Plain C++, so that the protocol and audio layers can report too; the
// program installs a prompt that asks on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>

namespace quillora {

enum class FatalChoice { Abort, Retry, Ignore };

struct FatalMessage {
    std::string caption; // UTF-8
    std::string body;
};

class FatalPrompt {
public:
    virtual ~FatalPrompt() = default;
    // Called on the reporting thread; may block until the user answers.
    virtual FatalChoice ask(const FatalMessage& message) = 0;
};

// The prompt every report goes through. Without one (or with null), a report
// asks on the terminal when standard input is one, and aborts otherwise.
void setFatalPrompt(FatalPrompt* prompt);

// The caption and body for a report; sourcePath and reason may be null.
FatalMessage fatalMessage(const char* sourcePath, unsigned line, const char* reason, std::int32_t value);

// 1 for Retry, 0 for Ignore; Abort ends the process with exit code 255.
int ReportFatal(const char* sourcePath, unsigned line, const char* reason, std::int32_t value);

// ReportFatal with errno and the system's text for it ("0x%08X" when the
// system has none); errno is the same after the call as before.
int ReportErrnoFailure(const char* sourcePath, unsigned line);

// The terminal prompt when standard input is a terminal, else Abort (the
// report has gone to standard error).
FatalChoice askWithoutWindow(const FatalMessage& message);

// The terminal prompt: shows the report on standard error and reads the
// answer from standard input; end of input answers Abort.
class TerminalFatalPrompt : public FatalPrompt {
public:
    FatalChoice ask(const FatalMessage& message) override;
};

} // namespace quillora
