// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "file_chooser.h"

#include <QFileDialog>

namespace quillora {
namespace {

// Qt's own dialog rather than the desktop's: it behaves the same on every
// desktop and hands back any number of selected files.
class QtFileChooser final : public FileChooser {
public:
    QStringList openFiles(QWidget* parent, const OpenFileRequest& request) override
    {
        QFileDialog dialog(parent, request.caption, request.folder);
        prepare(dialog, request.filters, request.selectedFilter);
        dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    }

    QString saveFile(QWidget* parent, const SaveFileRequest& request) override
    {
        QFileDialog dialog(parent, request.caption, request.folder);
        prepare(dialog, request.filters, 0);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (!request.proposedName.isEmpty())
            dialog.selectFile(request.proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }

    QString chooseFolder(QWidget* parent, const FolderRequest& request) override
    {
        QFileDialog dialog(parent, request.caption, request.folder);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        dialog.setLabelText(QFileDialog::LookIn, request.caption);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }

private:
    static void prepare(QFileDialog& dialog, const QStringList& filters, int selected)
    {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(selected, filters.constFirst()));
        }
    }
};

FileChooser* g_custom = nullptr;

} // namespace

FileChooser& fileChooser()
{
    static QtFileChooser dialogs;
    return g_custom ? *g_custom : dialogs;
}

void setFileChooser(FileChooser* chooser) { g_custom = chooser; }

} // namespace quillora
