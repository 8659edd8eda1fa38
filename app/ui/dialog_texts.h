// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Dialogs are built with layouts, but each keeps its template's identity:
// the window carries its template id and every control the id it has in
// that template (dynamic properties "templateId" and "controlId"). The
// texts come from the string tables as "dlg<template>.caption" and
// "dlg<template>.<control id>", so a window switches language in place.
#pragma once

#include "languages.h"

#include <QString>
#include <QWidget>

namespace quillora {

void setTemplateId(QWidget* window, int templateId);
int templateId(const QWidget* window); // 0 when none was set

// Marks a control with its template id; returns the control.
template <typename W>
W* withControlId(W* control, int id)
{
    control->setProperty("controlId", id);
    return control;
}
int controlId(const QWidget* control); // 0 when none was set

// The first descendant of `window` with that control id, or null.
QWidget* findControl(const QWidget* window, int id);
template <typename W>
W* findControlAs(const QWidget* window, int id)
{
    return qobject_cast<W*>(findControl(window, id));
}

// The template's text of a control (or of the caption, id 0) in a language.
QString templateText(int templateId, int controlId, LocaleId language);

// Sets a control's visible text: a widget with a "caption" property (the
// image buttons split it into caption and tooltip) gets it there, labels,
// buttons and group boxes their text.
void setControlText(QWidget* control, const QString& text);

// Applies the window's template texts in `language`: the caption and every
// control that carries an id. A control whose template text is empty keeps
// its own text unless `clearEmpty` is set, so texts the window fills in
// itself (the phone's model, the port) survive a language change.
void ReapplyDialogTemplate(QWidget* window, bool clearEmpty, LocaleId language);

} // namespace quillora
