// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "terminal_progress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quillora::cli {

namespace {

constexpr int kDefaultWidth = 80;
constexpr int kBarColumns = 24;
constexpr int kMinBarColumns = 8;
constexpr int kMinTextColumns = 8;

int terminalWidth(std::FILE *stream)
{
    winsize size{};
    if (ioctl(fileno(stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    if (const char *columns = std::getenv("COLUMNS"); columns && std::atoi(columns) > 0)
        return std::atoi(columns);
    return kDefaultWidth;
}

bool continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int columnsOf(const std::string &text)
{
    int count = 0;
    for (char c : text)
        count += !continuation(c);
    return count;
}

// The first `columns` characters, "..." standing for the rest.
std::string shortened(const std::string &text, int columns)
{
    if (columnsOf(text) <= columns)
        return text;
    if (columns <= 3)
        return std::string(static_cast<size_t>(std::max(columns, 0)), '.');
    int kept = 0;
    size_t end = 0;
    while (end < text.size() && kept < columns - 3) {
        ++end;
        while (end < text.size() && continuation(text[end]))
            ++end;
        ++kept;
    }
    return text.substr(0, end) + "...";
}

std::string bar(const ProgressState &state, int columns)
{
    const int percent = PercentOf(state.position, state.range);
    const int filled = percent * columns / 100;
    std::string text = "[";
    text.append(static_cast<size_t>(filled), '#');
    text.append(static_cast<size_t>(columns - filled), '.');
    text += "] ";
    const std::string number = std::to_string(percent);
    text.append(3 - std::min<size_t>(3, number.size()), ' ');
    return text + number + "%";
}

std::string joined(const std::vector<std::string> &parts)
{
    std::string line;
    for (const std::string &part : parts) {
        if (part.empty())
            continue;
        if (!line.empty())
            line += ' ';
        line += part;
    }
    return line;
}

} // namespace

Console::Console(std::FILE *out, std::FILE *err, bool outIsTerminal, int width)
    : out_(out), err_(err), terminal_(outIsTerminal), width_(width > 0 ? width : kDefaultWidth)
{
}

Console &Console::standard()
{
    static Console console(stdout, stderr, isatty(fileno(stdout)) == 1, terminalWidth(stdout));
    return console;
}

void Console::drawLine(const std::string &line)
{
    std::lock_guard lock(mutex_);
    // Clear to the end of the line: the new text may be shorter.
    std::fprintf(out_, "\r%s\x1b[K", line.c_str());
    std::fflush(out_);
    lineOpen_ = true;
}

void Console::endLineLocked()
{
    if (!lineOpen_)
        return;
    std::fputc('\n', out_);
    std::fflush(out_);
    lineOpen_ = false;
}

void Console::endLine()
{
    std::lock_guard lock(mutex_);
    endLineLocked();
}

void Console::out(const std::string &text)
{
    std::lock_guard lock(mutex_);
    endLineLocked();
    std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
}

void Console::err(const std::string &text)
{
    std::lock_guard lock(mutex_);
    endLineLocked();
    std::fflush(out_);
    std::fprintf(err_, "%s\n", text.c_str());
    std::fflush(err_);
}

int PercentOf(std::uint32_t position, std::uint32_t range)
{
    if (range == 0)
        return 0;
    return static_cast<int>(std::min<std::uint64_t>(100, std::uint64_t(position) * 100 / range));
}

std::string ProgressLine(const ProgressState &state, int width)
{
    width = std::max(width - 1, 1); // the last column would wrap on some terminals
    std::string name = state.name;
    std::string step = state.step;
    std::string detail = state.detail;
    int barColumns = kBarColumns;
    auto line = [&] { return joined({name, step, bar(state, barColumns), state.counter, detail}); };
    auto excess = [&] { return columnsOf(line()) - width; };
    if (excess() > 0)
        detail.clear();
    if (int over = excess(); over > 0 && columnsOf(name) > kMinTextColumns)
        name = shortened(name, std::max(kMinTextColumns, columnsOf(name) - over));
    if (int over = excess(); over > 0 && columnsOf(step) > kMinTextColumns)
        step = shortened(step, std::max(kMinTextColumns, columnsOf(step) - over));
    if (int over = excess(); over > 0)
        barColumns = std::max(kMinBarColumns, barColumns - over);
    std::string result = line();
    if (columnsOf(result) > width)
        result = shortened(result, width);
    return result;
}

TerminalProgress::TerminalProgress(Console &console) : console_(console) {}

TerminalProgress::~TerminalProgress()
{
    finish();
}

void TerminalProgress::finish()
{
    flushStep();
    console_.endLine();
    drawn_.clear();
}

std::string TerminalProgress::label() const
{
    std::string text = state_.name;
    if (!state_.counter.empty())
        text += (text.empty() ? "" : " ") + state_.counter;
    return text.empty() ? text : text + ": ";
}

void TerminalProgress::changed()
{
    // Nothing to say yet: a bar alone would only flicker.
    if (!console_.outIsTerminal() || (state_.name.empty() && state_.step.empty()))
        return;
    // The operations report every few milliseconds; only a visible change
    // is drawn.
    std::string line = ProgressLine(state_, console_.width());
    if (line == drawn_)
        return;
    console_.drawLine(line);
    drawn_ = std::move(line);
}

// An operation sets the step of a new object before its counter and name:
// the plain line waits for them, until anything else happens.
void TerminalProgress::flushStep()
{
    if (!stepPending_)
        return;
    stepPending_ = false;
    console_.out(label() + state_.step);
}

void TerminalProgress::setObjectName(const std::string &text)
{
    if (text != state_.name)
        shownTenth_ = 0;
    state_.name = text;
    flushStep();
    changed();
}

void TerminalProgress::setStep(const std::string &text)
{
    if (text == state_.step)
        return;
    flushStep();
    state_.step = text;
    stepPending_ = !console_.outIsTerminal() && !text.empty();
    changed();
}

void TerminalProgress::setCounter(const std::string &text)
{
    state_.counter = text;
    changed();
}

void TerminalProgress::setDetail(const std::string &text)
{
    state_.detail = text;
    changed();
}

void TerminalProgress::setRange(std::uint32_t total)
{
    flushStep();
    state_.range = total;
    shownTenth_ = PercentOf(state_.position, total) / 10;
    changed();
}

void TerminalProgress::setPosition(std::uint32_t value)
{
    state_.position = value;
    flushStep();
    if (!console_.outIsTerminal() && state_.range > 0) {
        const int tenth = PercentOf(value, state_.range) / 10;
        if (tenth > shownTenth_)
            console_.out(label() + std::to_string(tenth * 10) + "%");
        // A restart (the slow retry, a refused compressed sound) counts again.
        shownTenth_ = tenth;
    }
    changed();
}

} // namespace quillora::cli
