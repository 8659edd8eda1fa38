// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "question_dialog.h"

#include "dialog_texts.h"
#include "ui_strings.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace quillora {

QuestionDialog::QuestionDialog(const QString& message, QWidget* parent)
    : QDialog(parent), doNotAsk_(withControlId(new QCheckBox(this), kDoNotAskId))
{
    setTemplateId(this, kTemplateId);

    auto* icon = withControlId(new QLabel(this), kIconId);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);

    // Plain text without word wrap: the caller's line feeds are the only
    // breaks, as the message was written with them in mind.
    auto* text = withControlId(new QLabel(message, this), kMessageId);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(false);

    auto* yes = withControlId(new QPushButton(this), kYesId);
    auto* no = withControlId(new QPushButton(this), kNoId);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] { answer(true); });
    connect(no, &QPushButton::clicked, this, [this] { answer(false); });

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(doNotAsk_);
    bottom->addStretch(1);
    bottom->addWidget(yes);
    bottom->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    // The dialog takes the size its message needs, no more and no less.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    applyTexts();
}

void QuestionDialog::reject() { done(kClosed); }

void QuestionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QDialog::changeEvent(event);
}

void QuestionDialog::answer(bool yes)
{
    const bool remember = doNotAsk_->isChecked();
    if (yes)
        done(remember ? kYesAndRemember : kYes);
    else
        done(remember ? kNoAndRemember : kNo);
}

void QuestionDialog::applyTexts()
{
    // Empty template texts are kept: the message is the caller's, in the
    // language it was asked in.
    ReapplyDialogTemplate(this, false, CurrentUiLanguage());
}

} // namespace quillora
