// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The program's start: one instance per user (a later start hands its files
// or command to the first and ends), the settings and the language, the
// welcome dialog, then the main window until the user leaves.
#pragma once

#include <QString>
#include <QStringList>

namespace quillora {

class Application;

struct StartRequest {
    QStringList files; // to send, as given on the command line
    QString command;   // a command text for the running instance ("[Quit]")
};

// The whole start of the program; its exit code.
int RunQuillora(int argc, char** argv);

// What the first instance does once the application object exists: reads
// the start-up settings, shows the welcome dialog when ShowSplash says so
// (its Cancel ends the program: 0 without the main window), then runs the
// main window, which takes the instance channel's commands when
// `socketPath` is not empty. Files given are opened in the main window.
int RunFirstInstance(Application& app, const StartRequest& request, const QString& socketPath);

} // namespace quillora
