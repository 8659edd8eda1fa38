// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "send_flow.h"

#include "app_settings.h"
#include "application.h"
#include "connection_state.h"
#include "file_chooser.h"
#include "mime_file_types.h"
#include "text_source.h"
#include "ui_strings.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace quillora {

namespace {

constexpr std::uint32_t kUnknownFormat = 606;

} // namespace

QStringList SendDialogFilters(const TextSource& texts, const QString& model, const std::string& supportedPatterns)
{
    const std::string filter = BuildOpenFilter(texts, !supportedPatterns.empty(), model.toStdString(), supportedPatterns);
    QStringList filters;
    for (const std::string& f : NameFilters(filter))
        filters << QString::fromStdString(f);
    return filters;
}

int FileListSource::restart(TransferProgress&) { return static_cast<int>(paths_.size()); }

bool FileListSource::fetch(TransferProgress& progress, int index, TransferItem& item)
{
    if (index < 1 || index > paths_.size())
        return false;
    const QFileInfo file(paths_[index - 1]);
    item.path = file.absoluteFilePath().toStdString();
    item.name = file.completeBaseName().toStdString();
    item.types[0] = TypeOfFile(file.fileName());
    if (item.types[0] != kNoObjectType)
        return true;
    progress.setObjectName(file.fileName().toStdString());
    window_.showError(file.fileName(), QString::fromStdString(texts_.text(kUnknownFormat)));
    return false;
}

bool SendFlow::connected() const
{
    const PhoneAccess access = host_.access();
    return access.connection && access.connection->connected();
}

void SendFlow::chooseAndSend()
{
    if (running_)
        return;
    const PhoneAccess access = host_.access();
    OpenFileRequest request;
    request.caption = host_.dialogTitle();
    request.folder = readPathSetting(*host_.settings);
    request.filters = SendDialogFilters(*access.texts, host_.model(), host_.supportedPatterns());
    request.multiple = host_.allowMultiple();
    QStringList files = fileChooser().openFiles(host_.window, request);
    if (files.isEmpty())
        return;
    if (!request.multiple)
        files = files.mid(0, 1);
    // The still check keeps off the line while the user's send begins.
    if (access.connection)
        access.connection->stillPostpone.fetch_add(1);
    writePathSetting(*host_.settings, QFileInfo(files.constLast()).absolutePath());
    if (files.size() == 1)
        sendOne(files.constFirst());
    else
        sendMany(files);
}

void SendFlow::sendDropped(const QStringList& paths)
{
    if (running_ || paths.isEmpty() || !connected())
        return;
    if (!host_.allowMultiple() || paths.size() == 1)
        sendOne(paths.constFirst());
    else
        sendMany(paths);
}

void SendFlow::openFile(const QString& path)
{
    if (running_ || (host_.busy && host_.busy())) {
        waiting_.append(path);
        return;
    }
    if (connected())
        sendOne(path);
}

void SendFlow::resumeWaiting()
{
    if (!waiting_.isEmpty())
        openFile(waiting_.takeFirst());
}

void SendFlow::showUnknownFormat()
{
    QMessageBox box(QMessageBox::Critical, Application::name(), LoadUiString(kUnknownFormat), QMessageBox::Ok,
                    host_.window);
    box.exec();
}

void SendFlow::sendOne(const QString& path)
{
    const ObjectType type = TypeOfFile(path);
    if (type == kNoObjectType) {
        showUnknownFormat();
        return;
    }
    const QFileInfo file(path);
    runWindow(ProgressWindow::forSend(host_.access(), file.absoluteFilePath(), type, file.completeBaseName(), 0,
                                      nullptr, host_.window));
}

void SendFlow::sendMany(const QStringList& paths)
{
    const PhoneAccess access = host_.access();
    auto window = ProgressWindow::forSend(access, QString(), kNoObjectType, QString(), transfer_option::kManyItems,
                                          nullptr, host_.window);
    FileListSource source(paths, *window, *access.texts);
    window->progress().itemSource = &source;
    runWindow(std::move(window));
}

void SendFlow::runWindow(std::unique_ptr<ProgressWindow> window)
{
    running_ = true;
    window->run();
    window.reset();
    running_ = false;
    // Opens that came in meanwhile go one after the other.
    resumeWaiting();
}

} // namespace quillora
