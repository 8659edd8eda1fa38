// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The progress window of the command line. On a terminal one line is drawn
// again and again with \r: the object's name, the step, a bar, the counter
// and the detail. Anywhere else (a pipe, a log file) plain lines: one per
// step change and one each time another tenth of the object has gone.
#pragma once

#include "transfer.h"

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace quillora::cli {

// Standard output and standard error as the progress and the messages share
// them: a message first ends a progress line that is still open, so the two
// never run into each other on a terminal.
class Console {
public:
    Console(std::FILE *out, std::FILE *err, bool outIsTerminal, int width);
    // The process's own streams, with the terminal's width.
    static Console &standard();

    bool outIsTerminal() const { return terminal_; }
    int width() const { return width_; }

    // Replaces the open progress line (terminal) with `line`.
    void drawLine(const std::string &line);
    // Ends an open progress line.
    void endLine();
    // A line on standard output or standard error, after ending the
    // progress line.
    void out(const std::string &text);
    void err(const std::string &text);
    std::FILE *errStream() const { return err_; }

private:
    void endLineLocked();

    std::mutex mutex_;
    std::FILE *out_;
    std::FILE *err_;
    bool terminal_;
    int width_;
    bool lineOpen_ = false;
};

// What the progress line shows.
struct ProgressState {
    std::string name;
    std::string step;
    std::string counter;
    std::string detail;
    std::uint32_t range = 0;
    std::uint32_t position = 0;
};

// The line for a terminal `width` columns wide (one column per character):
// never wider. When it does not fit, the detail goes first, then the name
// and the step are shortened, then the bar.
std::string ProgressLine(const ProgressState &state, int width);

// 0..100; 0 while the range is 0.
int PercentOf(std::uint32_t position, std::uint32_t range);

class TerminalProgress final : public TransferProgress {
public:
    explicit TerminalProgress(Console &console);
    ~TerminalProgress() override;

    void setObjectName(const std::string &text) override;
    void setStep(const std::string &text) override;
    void setCounter(const std::string &text) override;
    void setDetail(const std::string &text) override;
    void setRange(std::uint32_t total) override;
    void setPosition(std::uint32_t value) override;

    // Ends the progress line; the next call starts a new one.
    void finish();

private:
    void changed();
    void flushStep();
    std::string label() const;

    Console &console_;
    ProgressState state_;
    std::string drawn_;
    int shownTenth_ = 0; // plain lines: the last tenth printed
    bool stepPending_ = false;
};

} // namespace quillora::cli
