// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

#include "instance_commands.h"

// Writes down every command it is given, in order.
struct CommandRecorder : quillora::CommandTarget {
    QStringList log;
    void openFile(const QString& path) override { log << QStringLiteral("open:") + path; }
    void quit() override { log << QStringLiteral("quit"); }
    void setForeground() override { log << QStringLiteral("foreground"); }
};
