// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The file dialogs the windows open, behind an interface so that tests
// answer them without a dialog. The program's implementation is QFileDialog.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quillora {

struct OpenFileRequest {
    QString caption;
    QString folder;      // initial folder; empty: the dialog's own choice
    QStringList filters; // "Description (*.a *.b)" entries, in order
    int selectedFilter = 0;
    bool multiple = false; // any number of files, however long their names
};

struct SaveFileRequest {
    QString caption;
    QString folder;
    QString proposedName;
    QStringList filters;
    QString defaultSuffix; // without its dot
    bool confirmOverwrite = true;
};

struct FolderRequest {
    QString caption; // the text above the folders
    QString folder;  // preselected
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen files as absolute paths, in the order of the selection;
    // empty when the user cancelled.
    virtual QStringList openFiles(QWidget* parent, const OpenFileRequest& request) = 0;
    // The chosen path, empty when cancelled. The folder must exist.
    virtual QString saveFile(QWidget* parent, const SaveFileRequest& request) = 0;
    // An existing folder, empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const FolderRequest& request) = 0;
};

// The process's chooser: the Qt dialogs unless a test set its own (which
// must outlive its use; null restores the dialogs).
FileChooser& fileChooser();
void setFileChooser(FileChooser* chooser);

} // namespace quillora
