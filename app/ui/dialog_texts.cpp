// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "dialog_texts.h"

#include "ui_strings.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMetaProperty>

namespace quillora {

void setTemplateId(QWidget* window, int id)
{
    window->setProperty("templateId", id);
}

int templateId(const QWidget* window)
{
    return window->property("templateId").toInt();
}

int controlId(const QWidget* control)
{
    return control->property("controlId").toInt();
}

QWidget* findControl(const QWidget* window, int id)
{
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* w : children)
        if (controlId(w) == id)
            return w;
    return nullptr;
}

QString templateText(int templateId, int controlId, LocaleId language)
{
    const QString key = controlId == 0 ? QStringLiteral("dlg%1.caption").arg(templateId)
                                       : QStringLiteral("dlg%1.%2").arg(templateId).arg(controlId);
    return LoadUiEntry(key, language);
}

void setControlText(QWidget* control, const QString& text)
{
    const QMetaObject* meta = control->metaObject();
    if (const int index = meta->indexOfProperty("caption"); index >= 0) {
        meta->property(index).write(control, text);
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
}

void ReapplyDialogTemplate(QWidget* window, bool clearEmpty, LocaleId language)
{
    const int id = templateId(window);
    if (id == 0)
        return;
    if (const QString caption = templateText(id, 0, language); !caption.isEmpty() || clearEmpty)
        window->setWindowTitle(caption);
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* control : children) {
        const int cid = controlId(control);
        if (cid == 0)
            continue;
        const QString text = templateText(id, cid, language);
        if (!text.isEmpty() || clearEmpty)
            setControlText(control, text);
    }
    // Longer texts in the new language may need more room.
    if (window->layout())
        window->layout()->activate();
    window->update();
}

} // namespace quillora
