// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary text on the command channel (UTF-8, or UTF-16 as the first byte
// says) through scanCommands and runCommands: every command is a piece of the
// text in order, and an [Open] made for any path runs as exactly that path.

#include "fuzz_check.h"
#include "instance_commands.h"

#include <cstdlib>

namespace {

using namespace quillora;

struct Recorder final : CommandTarget {
    void openFile(const QString &path) override { log << QStringLiteral("open:") + path; }
    void quit() override { log << QStringLiteral("quit"); }
    void setForeground() override { log << QStringLiteral("foreground"); }
    QStringList log;
};

// Commands come out in text order; a bracketed one is the text from its "["
// to its "]" (with "()]" shortened to "]"), and only the last may be the
// unbracketed rest.
void checkScan(const QString &text, const QStringList &commands)
{
    qsizetype from = 0;
    for (qsizetype n = 0; n < commands.size(); ++n) {
        const QString &command = commands[n];
        check(!command.isEmpty());
        while (from < text.size() && text[from].unicode() <= 32)
            ++from;
        if (!command.startsWith(u'[')) {
            check(n == commands.size() - 1 && text.mid(from) == command);
            return;
        }
        check(command.endsWith(u']'));
        if (text.mid(from, command.size()) == command) {
            from += command.size();
            continue;
        }
        const QString longer = command.left(command.size() - 1) + QStringLiteral("()]");
        check(text.mid(from, longer.size()) == longer);
        from += longer.size();
    }
}

// What runCommands should do with the commands: Open with a path, Quit and
// SetForeground act, anything else is ignored.
QStringList expectedLog(const QStringList &commands)
{
    QStringList log;
    for (const QString &command : commands) {
        const ParsedCommand c = parseCommand(command);
        if (c.kind == CommandKind::Open && !c.path.isEmpty())
            log << QStringLiteral("open:") + c.path;
        else if (c.kind == CommandKind::Quit)
            log << QStringLiteral("quit");
        else if (c.kind == CommandKind::SetForeground)
            log << QStringLiteral("foreground");
    }
    return log;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // A copy, so the UTF-16 units are aligned.
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const QString text = (data[0] & 1)
                             ? QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2)
                             : QString::fromUtf8(bytes);

    const QStringList commands = scanCommands(text);
    checkScan(text, commands);

    // The text's first half as a path, then the whole text after the command.
    const QString path = text.left(text.size() / 2);
    const QString open = makeOpenCommand(path);
    check(scanCommands(open) == QStringList{open});
    const ParsedCommand parsed = parseCommand(open);
    check(parsed.kind == CommandKind::Open && parsed.path == path);
    QStringList expected = expectedLog(commands);
    if (!path.isEmpty())
        expected.prepend(QStringLiteral("open:") + path);
    Recorder recorder;
    check(runCommands(open + text, recorder) == expected.size() && recorder.log == expected);
    return 0;
}
