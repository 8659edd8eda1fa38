// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// A yes/no question with a "Do not ask this question anymore" box. The
// message is shown as given, broken only at its line feeds, and the dialog
// grows to fit it.
#pragma once

#include <QDialog>

class QCheckBox;

namespace quillora {

class QuestionDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 161;
    enum ControlId { kMessageId = 1066, kIconId = 1067, kDoNotAskId = 1065, kYesId = 6, kNoId = 7 };
    // End codes.
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;
    static constexpr int kYesAndRemember = 1;
    static constexpr int kNoAndRemember = 100;
    static constexpr int kClosed = 2;

    explicit QuestionDialog(const QString& message, QWidget* parent = nullptr);

    // The close box and Escape end with kClosed.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void answer(bool yes);
    void applyTexts();

    QCheckBox* doNotAsk_;
};

} // namespace quillora
