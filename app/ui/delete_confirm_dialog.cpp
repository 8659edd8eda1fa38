// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "delete_confirm_dialog.h"

#include "dialog_texts.h"
#include "ui_strings.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace quillora {

DeleteConfirmDialog::DeleteConfirmDialog(const QString& title, QWidget* parent)
    : DeleteConfirmDialog(kOneId, title, parent)
{
}

DeleteConfirmDialog::DeleteConfirmDialog(int count, QWidget* parent)
    : DeleteConfirmDialog(kManyId, QString::number(count), parent)
{
}

DeleteConfirmDialog::DeleteConfirmDialog(int form, const QString& insert, QWidget* parent)
    : QDialog(parent), form_(form), insert_(insert)
{
    setTemplateId(this, kTemplateId);
    // Both texts are in the template; only the chosen form shows.
    auto* one = withControlId(new QLabel(this), kOneId);
    auto* many = withControlId(new QLabel(this), kManyId);
    for (QLabel* label : {one, many})
        label->setTextFormat(Qt::PlainText);
    (form_ == kOneId ? many : one)->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (Result id : {kYes, kNo}) {
        auto* button = withControlId(new QPushButton(this), id);
        button->setDefault(id == kYes);
        connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(one);
    layout->addWidget(many);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    applyTexts();
}

void DeleteConfirmDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QDialog::changeEvent(event);
}

void DeleteConfirmDialog::applyTexts()
{
    const LocaleId language = CurrentUiLanguage();
    ReapplyDialogTemplate(this, false, language);
    const UiArg insert(insert_);
    setControlText(findControl(this, form_),
                   formatMessage(templateText(kTemplateId, form_, language), std::span(&insert, 1)));
}

} // namespace quillora
