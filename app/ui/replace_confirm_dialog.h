// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Asked when a file received from the phone would overwrite one on disk:
// replace it, replace this and every later one, skip it, stop, or save under
// another name.
#pragma once

#include <QDialog>

class QBoxLayout;

namespace quillora {

class ReplaceConfirmDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 157;
    enum ControlId { kTextId = 12291 };
    // End codes, also the buttons' control ids.
    enum Result { kYes = 6, kAll = 1, kSkip = 7, kCancel = 2, kRename = 1037 };

    // `folder` holds the existing file; the new name is chosen from the
    // folder last used for files, else from there.
    ReplaceConfirmDialog(const QString& fileName, const QString& folder, QWidget* parent = nullptr);

    // After kRename: the full path the user chose.
    QString chosenPath() const { return chosenPath_; }

    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void addButton(QBoxLayout* row, Result id);
    void applyTexts();
    void rename();

    QString fileName_;
    QString folder_;
    QString chosenPath_;
};

} // namespace quillora
