// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "worker_prompt.h"

#include "application.h"
#include "ask_setting.h"
#include "replace_confirm_dialog.h"
#include "ui_requests.h"

#include <QFileInfo>
#include <QMessageBox>

#include <memory>

namespace quillora {

namespace {

constexpr StringId kConvertQuestion = 212;

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void WorkerPrompt::showMessage(MessageIcon icon, const std::string& text)
{
    requests_.ask([this, icon, message = QString::fromStdString(text)] {
        QMessageBox box(boxIcon(icon), Application::name(), message, QMessageBox::Ok, owner_);
        return box.exec();
    });
}

bool WorkerPrompt::askYesNo(const std::string& text)
{
    const auto answer = requests_.ask([this, message = QString::fromStdString(text)] {
        QMessageBox box(QMessageBox::Question, Application::name(), message, QMessageBox::Yes | QMessageBox::No,
                        owner_);
        return box.exec();
    });
    return answer == QMessageBox::Yes;
}

ReplaceAnswer WorkerPrompt::confirmReplace(const std::string& path, std::string& newPath)
{
    // Shared: an abandoned ask returns while its dialog may still be open.
    auto chosen = std::make_shared<QString>();
    const QFileInfo file(QString::fromStdString(path));
    const auto answer = requests_.ask([file, chosen, this] {
        ReplaceConfirmDialog dialog(file.fileName(), file.absolutePath(), owner_);
        const int result = dialog.exec();
        *chosen = dialog.chosenPath();
        return result;
    });
    switch (answer.value_or(ReplaceConfirmDialog::kCancel)) {
    case ReplaceConfirmDialog::kYes: return ReplaceAnswer::Yes;
    case ReplaceConfirmDialog::kAll: return ReplaceAnswer::All;
    case ReplaceConfirmDialog::kSkip: return ReplaceAnswer::Skip;
    case ReplaceConfirmDialog::kRename:
        newPath = chosen->toStdString();
        return ReplaceAnswer::Rename;
    default: return ReplaceAnswer::Cancel;
    }
}

bool WorkerPrompt::convertToPcm(const std::string& format)
{
    AskSetting* setting = format == "AMR" ? amr_ : adpcm_;
    if (!setting)
        return false;
    const auto answer = requests_.ask([this, setting, insert = QString::fromStdString(format)] {
        return setting->askFormatted(kConvertQuestion, insert, owner_);
    });
    return answer == AskSetting::kYes;
}

} // namespace quillora
