// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The main window against the simulated phone (a process of its own):
// the time from showing the window to the phone shown in it, and the
// program's processor time while it sits connected with the still check
// running every second.
//
//   window_bench [--runs=N] [--idle-seconds=S]

#include "app_settings.h"
#include "application.h"
#include "dialog_texts.h"
#include "main_window.h"
#include "settings_store.h"
#include "bench_options.h"
#include "simulated_phone.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace quillora;

double processSeconds()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return use.ru_utime.tv_sec + use.ru_stime.tv_sec + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

bool connectedView(const MainWindow& w)
{
    const QWidget* model = findControl(&w, 1002);
    return model && model->isVisible();
}

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argValue(argc, argv, "--runs=", 5);
    const int idleSeconds = argValue(argc, argv, "--idle-seconds=", 30);
    QApplication qapp(argc, argv);
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("quillora.conf")));
    writeSetting(store, setting::DisableSounds, 1);
    Application app(store, dir.filePath(QStringLiteral("quillora")), {});
    setTheApplication(&app);
    app.loadStartupSettings();

    SimulatedPhone phone({});
    // Only the phone's pty is probed.
    ::setenv("TRELVIX_PORTS", phone.path().c_str(), 1);
    ::setenv("TRELVIX_EXTRA_PORTS", "", 1);

    std::vector<double> found;
    std::unique_ptr<MainWindow> window;
    for (int i = 0; i < runs; ++i) {
        window = std::make_unique<MainWindow>(app);
        QElapsedTimer clock;
        clock.start();
        window->show();
        if (!QTest::qWaitFor([&] { return connectedView(*window); }, 30000)) {
            std::fprintf(stderr, "the phone was not found within 30 s\n");
            return 1;
        }
        found.push_back(clock.nsecsElapsed() / 1e6);
        if (i + 1 < runs)
            window.reset();
    }
    std::sort(found.begin(), found.end());
    std::printf("start to phone found: median %.0f ms, min %.0f ms, max %.0f ms (%d runs)\n",
                found[found.size() / 2], found.front(), found.back(), runs);

    // Let the formats report finish before measuring the quiet state.
    QTest::qWait(3000);
    const double cpuBefore = processSeconds();
    QElapsedTimer wall;
    wall.start();
    // A plain event loop, as the program runs: QTest::qWait polls.
    QEventLoop loop;
    QTimer::singleShot(idleSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = processSeconds() - cpuBefore;
    const double seconds = wall.nsecsElapsed() / 1e9;
    const bool stillConnected = connectedView(*window);
    std::printf("idle while connected: %.3f s of processor time in %.1f s = %.3f%% of a core (%s)\n", cpu, seconds,
                100.0 * cpu / seconds, stillConnected ? "still connected" : "CONNECTION LOST");
    window.reset();
    setTheApplication(nullptr);
    return stillConnected ? 0 : 1;
}
