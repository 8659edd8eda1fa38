// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The command texts a running instance takes from outside: [Open("path")],
// [Quit] (or [quit()]) and [SetForeground], several in one text. A double
// quote inside a path is written twice, so any path arrives whole.
#pragma once

#include <QString>
#include <QStringList>

namespace quillora {

// What the commands act on; the main window (or a test) implements it.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual void openFile(const QString& path) = 0;
    virtual void quit() = 0;
    virtual void setForeground() = 0;
};

// Splits a command text: blanks and controls between commands are skipped;
// "[" runs to the next "]" outside double quotes, and "()]" at its end is
// shortened to "]"; any other start takes the rest of the text as one
// command. An unclosed quote or bracket ends the scan without that command.
QStringList scanCommands(const QString& text);

enum class CommandKind { Open, Quit, SetForeground, Other };
struct ParsedCommand {
    CommandKind kind = CommandKind::Other;
    QString path; // for Open
};
ParsedCommand parseCommand(const QString& command);

// Runs every command of a text, in order. Returns how many were acted on.
int runCommands(const QString& text, CommandTarget& target);

QString makeOpenCommand(const QString& path);
inline QString setForegroundCommand() { return QStringLiteral("[SetForeground]"); }
inline QString quitCommand() { return QStringLiteral("[Quit]"); }

} // namespace quillora
