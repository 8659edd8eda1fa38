// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "instance_commands.h"

namespace quillora {

QStringList scanCommands(const QString& text)
{
    QStringList commands;
    qsizetype i = 0;
    while (true) {
        while (i < text.size() && text[i].unicode() <= 32)
            ++i;
        if (i >= text.size())
            break;
        if (text[i] != u'[') {
            commands << text.mid(i);
            break;
        }
        qsizetype end = i + 1;
        bool quoted = false;
        for (; end < text.size(); ++end) {
            if (text[end] == u'"')
                quoted = !quoted;
            else if (text[end] == u']' && !quoted)
                break;
        }
        if (end >= text.size())
            break; // unclosed quote or bracket: the rest is not run
        QString command = text.mid(i, end - i + 1);
        if (command.endsWith(QStringLiteral("()]")))
            command.remove(command.size() - 3, 2);
        commands << command;
        i = end + 1;
    }
    return commands;
}

namespace {

// The path of [Open("...")]: up to the first double quote that is not
// doubled; a doubled one stands for one quote.
QString openPath(const QString& command)
{
    QString path;
    for (qsizetype i = 7; i < command.size(); ++i) {
        if (command[i] != u'"') {
            path += command[i];
        } else if (i + 1 < command.size() && command[i + 1] == u'"') {
            path += u'"';
            ++i;
        } else {
            break;
        }
    }
    return path;
}

} // namespace

ParsedCommand parseCommand(const QString& command)
{
    if (command.startsWith(QStringLiteral("[Open(\""), Qt::CaseInsensitive))
        return {CommandKind::Open, openPath(command)};
    if (command.compare(QStringLiteral("[Quit]"), Qt::CaseInsensitive) == 0 ||
        command.compare(QStringLiteral("[quit()]"), Qt::CaseInsensitive) == 0)
        return {CommandKind::Quit, {}};
    if (command.compare(QStringLiteral("[SetForeground]"), Qt::CaseInsensitive) == 0)
        return {CommandKind::SetForeground, {}};
    return {};
}

int runCommands(const QString& text, CommandTarget& target)
{
    int acted = 0;
    for (const QString& command : scanCommands(text)) {
        const ParsedCommand c = parseCommand(command);
        switch (c.kind) {
        case CommandKind::Open:
            if (!c.path.isEmpty()) {
                target.openFile(c.path);
                ++acted;
            }
            break;
        case CommandKind::Quit:
            target.quit();
            ++acted;
            break;
        case CommandKind::SetForeground:
            target.setForeground();
            ++acted;
            break;
        case CommandKind::Other:
            break;
        }
    }
    return acted;
}

QString makeOpenCommand(const QString& path)
{
    QString quoted = path;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return QStringLiteral("[Open(\"") + quoted + QStringLiteral("\")]");
}

} // namespace quillora
