// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "message_box_fatal_prompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace quillora {
namespace {

FatalChoice showBox(const FatalMessage& m)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(m.caption), QString::fromStdString(m.body),
                    QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
    box.setObjectName(QStringLiteral("fatalReport"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    switch (box.exec()) {
    case QMessageBox::Retry: return FatalChoice::Retry;
    case QMessageBox::Ignore: return FatalChoice::Ignore;
    default: return FatalChoice::Abort;
    }
}

} // namespace

FatalChoice MessageBoxFatalPrompt::ask(const FatalMessage& message)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!qobject_cast<QApplication*>(app))
        return askWithoutWindow(message);
    if (QThread::currentThread() == app->thread())
        return showBox(message);
    FatalChoice choice = FatalChoice::Abort;
    QMetaObject::invokeMethod(app, [&] { choice = showBox(message); }, Qt::BlockingQueuedConnection);
    return choice;
}

} // namespace quillora
