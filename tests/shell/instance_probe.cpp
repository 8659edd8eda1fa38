// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// A program start in miniature, for the tests: instance_probe DIR [FILE...]
// The first instance prints "first", then one line per command it runs, and
// ends on [Quit] (or after 20 s). A later one hands its files over and
// prints "second 1" when the first instance acknowledged, "second 0" if not.
#include "instance_channel.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace quillora;

namespace {
struct PrintingTarget : CommandTarget {
    void openFile(const QString& path) override { std::printf("open %s\n", qUtf8Printable(path)); std::fflush(stdout); }
    void setForeground() override { std::printf("foreground\n"); std::fflush(stdout); }
    void quit() override { std::printf("quit\n"); std::fflush(stdout); QCoreApplication::quit(); }
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return 2;
    InstanceGuard guard(args.takeFirst());
    if (!guard.isFirst()) {
        const bool ok = sendInstanceCommand(guard.socketPath(), handOverText(args, QString()), 5000);
        std::printf("second %d\n", ok ? 1 : 0);
        return ok ? 0 : 1;
    }
    PrintingTarget target;
    InstanceServer server(guard.socketPath(), target, ::getuid());
    std::printf("first %d\n", server.listening() ? 1 : 0);
    std::fflush(stdout);
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}
