// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "fatal_report.h"

#include <atomic>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>
#include <unistd.h>

namespace quillora {
namespace {

std::atomic<FatalPrompt*> g_prompt{nullptr};

std::string fileNamePart(std::string_view path)
{
    const auto slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string programName()
{
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return "<unknown application>";
    std::string name = fileNamePart(std::string_view(buf, static_cast<size_t>(n)));
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

std::string hex8(std::uint32_t v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%.8X", v);
    return buf;
}

} // namespace

FatalChoice askWithoutWindow(const FatalMessage& m)
{
    if (::isatty(STDIN_FILENO)) {
        TerminalFatalPrompt terminal;
        return terminal.ask(m);
    }
    std::fprintf(stderr, "%s\n%s\n", m.caption.c_str(), m.body.c_str());
    return FatalChoice::Abort;
}

namespace {
FatalChoice askUser(const FatalMessage& m)
{
    FatalPrompt* p = g_prompt.load(std::memory_order_acquire);
    return p ? p->ask(m) : askWithoutWindow(m);
}
} // namespace

void setFatalPrompt(FatalPrompt* prompt) { g_prompt.store(prompt, std::memory_order_release); }

FatalMessage fatalMessage(const char* sourcePath, unsigned line, const char* reason, std::int32_t value)
{
    const std::string source = sourcePath ? fileNamePart(sourcePath) : "source";
    char valueLine[64];
    std::snprintf(valueLine, sizeof valueLine, "Value: %" PRId32 " (0x%" PRIX32 ")", value,
                  static_cast<std::uint32_t>(value));
    FatalMessage m;
    m.caption = programName() + " - Unexpected error";
    m.body = std::string(reason ? reason : "An unexpected error has occured !") + "\n" +
             "In: " + source + " line " + std::to_string(line) + "\n" +
             "\n" + // the context line, empty
             valueLine + "\n" +
             "\n" +
             "Please contact the author\n" +
             "(Press Ctrl-C to copy this information)";
    return m;
}

int ReportFatal(const char* sourcePath, unsigned line, const char* reason, std::int32_t value)
{
    switch (askUser(fatalMessage(sourcePath, line, reason, value))) {
    case FatalChoice::Retry:
        return 1;
    case FatalChoice::Ignore:
        return 0;
    case FatalChoice::Abort:
        break;
    }
    std::fflush(nullptr);
    std::_Exit(255);
}

int ReportErrnoFailure(const char* sourcePath, unsigned line)
{
    const int saved = errno;
    // strerrordesc_np has no text for an unknown number, where strerror
    // would make one up ("Unknown error 4242").
    const char* text = strerrordesc_np(saved);
    const std::string reason = text ? text : hex8(static_cast<std::uint32_t>(saved));
    const int answer = ReportFatal(sourcePath, line, reason.c_str(), saved);
    errno = saved;
    return answer;
}

FatalChoice TerminalFatalPrompt::ask(const FatalMessage& m)
{
    std::cerr << m.caption << "\n" << m.body << "\n";
    for (std::string answer;;) {
        std::cerr << "[A]bort, [R]etry or [I]gnore? " << std::flush;
        if (!std::getline(std::cin, answer))
            return FatalChoice::Abort;
        switch (answer.empty() ? '\0' : answer[0]) {
        case 'a': case 'A': return FatalChoice::Abort;
        case 'r': case 'R': return FatalChoice::Retry;
        case 'i': case 'I': return FatalChoice::Ignore;
        default: break;
        }
    }
}

} // namespace quillora
