// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// A 1 MiB send and a 1 MiB retrieval through the program's windows, against
// the simulated phone (a process of its own) at a real line's pace
// (115200 bit/s: 11520 bytes a second): the longest the UI thread went
// without turning its event loop during each, and the time of each beside
// the same transfer as the command line runs it (the same operation under
// its terminal progress) in the same run.
//
//   transfer_window_bench [--kib=N]

#include "app_settings.h"
#include "application.h"
#include "connection_state.h"
#include "dialog_texts.h"
#include "file_chooser.h"
#include "main_window.h"
#include "phone_browser.h"
#include "phone_listing.h"
#include "phone_operations.h"
#include "picture_preview_dialog.h"
#include "prompt.h"
#include "settings_store.h"
#include "bench_options.h"
#include "simulated_phone.h"
#include "terminal_progress.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace quillora;
using cli::Console;
using cli::TerminalProgress;

class Answers final : public FileChooser {
public:
    QStringList openFiles(QWidget*, const OpenFileRequest&) override { return {file}; }
    QString saveFile(QWidget*, const SaveFileRequest&) override { return savePath; }
    QString chooseFolder(QWidget*, const FolderRequest&) override { return {}; }
    QString file;
    QString savePath;
};

class SilentPrompt final : public Prompt {
public:
    void showMessage(MessageIcon, const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool askYesNo(const std::string&) override { return false; }
};

// The largest gap between two turns of the event loop while it runs.
class StallWatch {
public:
    StallWatch()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            const qint64 now = clock_.nsecsElapsed();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
    }
    void start()
    {
        longest_ = 0;
        clock_.start();
        last_ = 0;
        timer_.start();
    }
    double stopMs()
    {
        timer_.stop();
        return longest_ / 1e6;
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

QString writeJfif(const QString& path, int bytes)
{
    QByteArray data("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 13);
    for (int i = data.size(); i < bytes; ++i)
        data.append(static_cast<char>((i * 7 + i / 251) & 0xFF));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        std::exit(1);
    return path;
}

// The command line's run of the same operation.
double commandLineRun(MainWindow& window, TransferProgress& progress, TransferMode mode)
{
    const PhoneAccess access = window.phoneAccess();
    SilentPrompt prompt;
    OperationContext context{*access.session, *access.connection, *access.link, *access.texts,
                             prompt,          access.quirks,      nullptr,       {}};
    QElapsedTimer clock;
    clock.start();
    const TransferResult result = RunPhoneOperation(progress, *access.connection, OperationFor(mode, context));
    if (result != TransferResult::Succeeded)
        std::fprintf(stderr, "the command line's run failed (%d)\n", static_cast<int>(result));
    return clock.nsecsElapsed() / 1e6;
}

// The command line lists before it fetches: the phone's name of the first picture.
std::string firstObjectName(MainWindow& window)
{
    class First final : public PhoneObjectSink {
    public:
        bool containsTitle(const std::string&) override { return false; }
        void addObject(const PhoneObject& object, const std::string&, const std::string&) override
        {
            if (name.empty())
                name = object.phoneName;
        }
        std::string name;
    } first;
    ConnectionState& connection = window.phone().connection();
    connection.phoneLock.acquire();
    PhoneLockHold hold(connection);
    ListGroup(window.phone().session(), 0, false, first);
    return first.name;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void report(const char* what, double stallMs, double guiMs, double cliMs)
{
    std::printf("%s: longest UI stall %.1f ms; program %.0f ms, command line %.0f ms (%+.2f%%)\n", what, stallMs,
                guiMs, cliMs, 100.0 * (guiMs - cliMs) / cliMs);
}

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int bytes = argValue(argc, argv, "--kib=", 1024) * 1024;
    QApplication qapp(argc, argv);
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("quillora.conf")));
    writeSetting(store, setting::DisableSounds, 1);
    writeSetting(store, setting::Category, 0);
    Application app(store, dir.filePath(QStringLiteral("quillora")), {});
    setTheApplication(&app);
    app.loadStartupSettings();
    const QString big = writeJfif(dir.filePath(QStringLiteral("Big.jpg")), bytes);
    Answers answers;
    answers.file = big;
    setFileChooser(&answers);

    SimulatedPhone phone({"--store=" + dir.filePath(QStringLiteral("store")).toStdString(), "--line-rate=11520",
                          "--object=pictures:JPEG:Stored:" + big.toStdString()});
    ::setenv("TRELVIX_PORTS", phone.path().c_str(), 1);
    ::setenv("TRELVIX_EXTRA_PORTS", "", 1);
    auto window = std::make_unique<MainWindow>(app);
    window->show();
    if (!QTest::qWaitFor([&] { return findControl(window.get(), 1069)->isVisible(); }, 30000)) {
        std::fprintf(stderr, "no phone with its formats report within 30 s\n");
        return 1;
    }
    std::printf("%d KiB at 11520 bytes a second: %.1f s of line time\n", bytes / 1024, bytes / 11520.0);

    StallWatch watch;
    QElapsedTimer clock;
    watch.start();
    clock.start();
    static_cast<QAbstractButton*>(findControl(window.get(), 1013))->click();
    const double guiSend = clock.nsecsElapsed() / 1e6;
    const double sendStall = watch.stopMs();

    Console quiet(std::fopen("/dev/null", "w"), std::fopen("/dev/null", "w"), false, 80);
    TerminalProgress sendProgress(quiet);
    sendProgress.mode = TransferMode::SendOne;
    sendProgress.objectType = 104;
    sendProgress.objectName = "Again";
    sendProgress.filePath = big.toStdString();
    report("send", sendStall, guiSend, commandLineRun(*window, sendProgress, TransferMode::SendOne));

    PhoneBrowser::Host host;
    host.access = [&] { return window->phoneAccess(); };
    host.settings = &store;
    auto owned = std::make_unique<PhoneBrowser>(host, window.get());
    PhoneBrowser& browser = *owned;
    browser.show();
    if (!QTest::qWaitFor([&] { return !browser.listing(); }, 30000))
        return 1;
    auto* list = findControlAs<QTreeWidget>(&browser, PhoneBrowser::kListId);
    if (!list || list->topLevelItemCount() < 1)
        return 1;
    list->topLevelItem(0)->setSelected(true);
    answers.savePath = dir.filePath(QStringLiteral("Received.jpg"));
    // The retrieved photo opens in the preview: the user closes it at once.
    QTimer closePreview;
    QObject::connect(&closePreview, &QTimer::timeout, &closePreview, [] {
        if (auto* preview = qobject_cast<PicturePreviewDialog*>(QApplication::activeModalWidget()))
            preview->accept();
    });
    closePreview.start(20);
    watch.start();
    clock.start();
    static_cast<QAbstractButton*>(findControl(&browser, PhoneBrowser::kRetrieveId))->click();
    const double guiReceive = clock.nsecsElapsed() / 1e6;
    const double receiveStall = watch.stopMs();
    browser.close();

    TerminalProgress receiveProgress(quiet);
    receiveProgress.mode = TransferMode::Receive;
    receiveProgress.objectType = 104;
    receiveProgress.filePath = dir.path().toStdString();
    receiveProgress.objectName = "Again.jpg";
    receiveProgress.secondPath = firstObjectName(*window);
    report("retrieval", receiveStall, guiReceive, commandLineRun(*window, receiveProgress, TransferMode::Receive));
    if (readAll(answers.savePath) != readAll(big) || readAll(dir.filePath(QStringLiteral("Again.jpg"))) != readAll(big)) {
        std::fprintf(stderr, "a retrieved file differs from the stored object\n");
        return 1;
    }
    owned.reset(); // before its parent, which would delete it too
    window.reset();
    setFileChooser(nullptr);
    setTheApplication(nullptr);
    return 0;
}
