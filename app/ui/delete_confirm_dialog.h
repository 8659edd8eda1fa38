// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// "Are you sure you want to delete ...?" before objects are deleted on the
// phone: one form names the object, the other counts the objects.
#pragma once

#include <QDialog>

namespace quillora {

class DeleteConfirmDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 158;
    enum ControlId { kOneId = 12291, kManyId = 12295 };
    enum Result { kYes = 6, kNo = 7 };

    // One object, by its title.
    DeleteConfirmDialog(const QString& title, QWidget* parent = nullptr);
    // Several objects.
    DeleteConfirmDialog(int count, QWidget* parent = nullptr);

    void reject() override { done(kNo); }

protected:
    void changeEvent(QEvent* event) override;

private:
    DeleteConfirmDialog(int form, const QString& insert, QWidget* parent);
    void applyTexts();

    int form_;
    QString insert_;
};

} // namespace quillora
