// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// How files reach the phone: chosen in the Send button's file dialog,
// dropped on the main window, or opened through the command channel. Each
// way ends in a send progress window; several files go as one batch fed by
// a list of paths.
#pragma once

#include "progress_window.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QWidget;

namespace quillora {

class SettingsStore;

// The open dialog's filters: the phone's own formats first when its report
// gave them, then the fixed entries, in the form Qt's dialog reads.
QStringList SendDialogFilters(const TextSource& texts, const QString& model, const std::string& supportedPatterns);

// The files of a run with several objects, in order. A file of unknown type
// is named in the window, refused in an error box captioned with its name,
// and skipped.
class FileListSource final : public ItemSource {
public:
    FileListSource(QStringList paths, ProgressWindow& window, const TextSource& texts)
        : paths_(std::move(paths)), window_(window), texts_(texts)
    {
    }
    int restart(TransferProgress& progress) override;
    bool fetch(TransferProgress& progress, int index, TransferItem& item) override;
    void done(TransferProgress&, int) override {}

private:
    QStringList paths_;
    ProgressWindow& window_;
    const TextSource& texts_;
};

class SendFlow {
public:
    struct Host {
        QWidget* window = nullptr; // owns the dialogs and progress windows
        SettingsStore* settings = nullptr;
        std::function<PhoneAccess()> access;
        std::function<bool()> allowMultiple;
        // The Send button's caption, accelerators removed.
        std::function<QString()> dialogTitle;
        std::function<QString()> model;
        // The phone's own patterns once its formats report is complete.
        std::function<std::string()> supportedPatterns;
        // Another window works with the phone (the phone browser): opens wait.
        std::function<bool()> busy;
    };
    explicit SendFlow(Host host) : host_(std::move(host)) {}

    // The Send button.
    void chooseAndSend();
    // Files dropped on the main window; ignored while no phone is connected.
    void sendDropped(const QStringList& paths);
    // [Open("...")]: sent as one chosen file when a phone is connected. An
    // open that arrives during a run waits for the run to end.
    void openFile(const QString& path);

    // Sends the opens that waited for a run or the browser to end.
    void resumeWaiting();
    // The program is closing: the opens that waited are dropped.
    void dropWaiting() { waiting_.clear(); }

private:
    bool connected() const;
    void sendOne(const QString& path);
    void sendMany(const QStringList& paths);
    void runWindow(std::unique_ptr<ProgressWindow> window);
    void showUnknownFormat();

    Host host_;
    bool running_ = false;
    QStringList waiting_;
};

} // namespace quillora
