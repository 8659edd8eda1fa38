// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The phone commands' command line: which command, its arguments, and the
// options each command takes, with the exit codes every command ends with.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quillora::cli {

namespace exit_code {
inline constexpr int kSuccess = 0;
inline constexpr int kFailed = 1;    // a phone or transfer error
inline constexpr int kUsage = 2;     // bad usage
inline constexpr int kNoPhone = 3;   // no phone found
inline constexpr int kCancelled = 4; // Ctrl-C
} // namespace exit_code

enum class Command { Ports, Detect, Info, List, Get, Send, Delete };

// How a question is settled: asked on the terminal (on a non-terminal stdin,
// the negative answer), or answered by the option.
enum class OverwriteChoice { Ask, All, Skip };
enum class PcmChoice { Ask, Always, Never };
enum class AnswerChoice { Ask, Yes, No };

struct CliOptions {
    Command command = Command::Ports;
    QStringList arguments;       // what follows the command, options removed
    QString port;                // --port: probe this port alone
    int timeoutSeconds = 30;     // --timeout: for detection
    bool json = false;           // --json
    bool hidden = false;         // --hidden: list hidden objects too
    QString outputDir = QStringLiteral("."); // -o / --output
    bool batch = false;          // --batch: one file goes the batch way too
    OverwriteChoice overwrite = OverwriteChoice::Ask;
    std::optional<PcmChoice> pcm = std::nullopt; // none: the settings' choice
    AnswerChoice answer = AnswerChoice::Ask;
    bool verbose = false;        // --verbose: every detection status line
    bool help = false;           // --help
};

struct ParseResult {
    std::optional<CliOptions> options; // none: bad usage, `error` says why
    QString error;
};

// True for the commands this parser handles ("send", "list", ...).
bool isPhoneCommand(const QString &name);
QString commandName(Command command);

// args: the command name first, then its arguments and options in any
// order ("--" ends the options). An option the command does not take, a
// missing value, a bad value or a wrong number of arguments is bad usage.
ParseResult parseCommandLine(const QStringList &args);

// The help text of a command, and the summary of every command.
QString commandHelp(Command command);
QString generalHelp();

} // namespace quillora::cli
