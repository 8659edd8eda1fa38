// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "startup.h"

#include "app_settings.h"
#include "application.h"
#include "fatal_report.h"
#include "instance_channel.h"
#include "instance_commands.h"
#include "main_window.h"
#include "message_box_fatal_prompt.h"
#include "settings_store.h"
#include "welcome_dialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <unistd.h>

namespace quillora {

namespace {

// The installed manuals, after the program's own folder.
QStringList helpDirectories()
{
    QStringList dirs;
    const QDir programDir(QCoreApplication::applicationDirPath());
    dirs << programDir.absoluteFilePath(QStringLiteral("../share/doc/quillora"));
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dirs << d + QStringLiteral("/doc/quillora");
    return dirs;
}

struct ParsedStart {
    StartRequest request;
    bool exit = false;
    int exitCode = 0;
};

ParsedStart parseArguments(const QCoreApplication& qapp)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Exchanges pictures, sounds, vCards and vCalendars with a mobile phone."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption command(QStringLiteral("command"),
                                     QStringLiteral("Hands a command text such as [Quit] to the running program."),
                                     QStringLiteral("text"));
    parser.addOption(command);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Files to send to the phone."),
                                 QStringLiteral("[files...]"));
    parser.process(qapp); // --help and --version end the process here
    ParsedStart parsed;
    parsed.request.command = parser.value(command);
    for (const QString& f : parser.positionalArguments())
        parsed.request.files << QFileInfo(f).absoluteFilePath();
    return parsed;
}

// --help and --version answer in a terminal without a display too, where a
// QApplication could not start.
bool asksOnlyForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

// A command text that reaches no running program: [Quit] has nothing to
// end, so the start ends too; [Open("...")] is a file to send like a FILE
// argument. False when the start should end.
bool takeCommandsAsFirst(StartRequest& request)
{
    for (const QString& command : scanCommands(request.command)) {
        const ParsedCommand parsed = parseCommand(command);
        if (parsed.kind == CommandKind::Quit)
            return false;
        if (parsed.kind == CommandKind::Open)
            request.files << QFileInfo(parsed.path).absoluteFilePath();
    }
    request.command.clear();
    return true;
}

void nameTheApplication()
{
    QCoreApplication::setApplicationName(Application::name());
    QCoreApplication::setApplicationVersion(VersionInfo::current().versionText());
}

} // namespace

int RunFirstInstance(Application& app, const StartRequest& request, const QString& socketPath)
{
    app.loadStartupSettings();
    MainWindow window(app);
    std::unique_ptr<InstanceServer> server;
    if (!socketPath.isEmpty())
        server = std::make_unique<InstanceServer>(socketPath, window, getuid());
    if (readSetting(app.settings(), setting::ShowSplash) != 0) {
        WelcomeDialog welcome(true);
        if (welcome.exec() != QDialog::Accepted || window.quitRequested())
            return 0;
    }
    for (const QString& f : request.files)
        window.openFile(f);
    window.exec();
    return 0;
}

int RunQuillora(int argc, char** argv)
{
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication text(argc, argv);
        nameTheApplication();
        parseArguments(text); // prints and ends the process
        return 0;
    }
    QApplication qapp(argc, argv);
    nameTheApplication();
    // The desktop entry is org.quillora.Quillora.desktop; Wayland matches windows to it.
    QApplication::setDesktopFileName(QStringLiteral("org.quillora.Quillora"));
    ParsedStart parsed = parseArguments(qapp);

    InstanceGuard guard;
    if (!guard.isFirst()) {
        // A later start shows nothing and changes no setting.
        const bool delivered =
            sendInstanceCommand(guard.socketPath(), handOverText(parsed.request.files, parsed.request.command));
        if (!delivered)
            std::fprintf(stderr, "quillora: the running Quillora did not answer\n");
        return delivered ? 0 : 1;
    }
    if (!takeCommandsAsFirst(parsed.request)) {
        std::fprintf(stderr, "quillora: Quillora is not running\n");
        return 0;
    }
    const VersionInfo version = VersionInfo::current();
    SettingsStore settings(SettingsStore::defaultFilePath(version.stringValue(QStringLiteral("CompanyShortName"))));
    Application app(settings, QCoreApplication::applicationFilePath(), helpDirectories(), version);
    setTheApplication(&app);
    MessageBoxFatalPrompt fatalPrompt;
    setFatalPrompt(&fatalPrompt);
    const int code = RunFirstInstance(app, parsed.request, guard.socketPath());
    setFatalPrompt(nullptr);
    setTheApplication(nullptr);
    return code;
}

} // namespace quillora
