// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "replace_confirm_dialog.h"

#include "app_settings.h"
#include "application.h"
#include "dialog_texts.h"
#include "file_chooser.h"
#include "mime_file_types.h"
#include "object_types.h"
#include "ui_strings.h"
#include "ui_text_source.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace quillora {
namespace {

constexpr StringId kSaveCaptionId = 601;

// The save dialog's request for another name of `fileName`: its own type
// first, then all files.
SaveFileRequest renameRequest(const QString& fileName, const QString& folder)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const std::string extension = dot < 0 ? std::string() : fileName.mid(dot).toLower().toStdString();
    const std::string bare = extension.empty() ? std::string() : extension.substr(1);
    const ObjectType type = TypeFromExtension(extension);
    const MimeFileTypeNames names;
    const UiTextSource texts;
    const std::string description = FileTypeDescription(&names, texts, extension, type);
    const std::string filter = BuildSaveFilter(texts, description, PatternsForType(type, bare));

    SaveFileRequest request;
    request.caption = LoadUiString(kSaveCaptionId);
    request.folder = folder;
    request.proposedName = fileName;
    for (const std::string& f : NameFilters(filter))
        request.filters << QString::fromStdString(f);
    request.defaultSuffix = QString::fromStdString(bare);
    request.confirmOverwrite = true;
    return request;
}

} // namespace

ReplaceConfirmDialog::ReplaceConfirmDialog(const QString& fileName, const QString& folder, QWidget* parent)
    : QDialog(parent), fileName_(fileName), folder_(folder)
{
    setTemplateId(this, kTemplateId);
    auto* text = withControlId(new QLabel(this), kTextId);
    text->setTextFormat(Qt::PlainText);

    auto* buttons = new QHBoxLayout;
    for (Result id : {kYes, kAll, kSkip, kCancel, kRename})
        addButton(buttons, id);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    applyTexts();
}

void ReplaceConfirmDialog::addButton(QBoxLayout* row, Result id)
{
    auto* button = withControlId(new QPushButton(this), id);
    row->addWidget(button);
    if (id == kYes)
        button->setDefault(true);
    if (id == kRename)
        connect(button, &QPushButton::clicked, this, &ReplaceConfirmDialog::rename);
    else
        connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
}

void ReplaceConfirmDialog::reject() { done(kCancel); }

void ReplaceConfirmDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QDialog::changeEvent(event);
}

void ReplaceConfirmDialog::applyTexts()
{
    const LocaleId language = CurrentUiLanguage();
    ReapplyDialogTemplate(this, false, language);
    // The template's text is a pattern: the file name goes into it.
    const UiArg insert(fileName_);
    setControlText(findControl(this, kTextId),
                   formatMessage(templateText(kTemplateId, kTextId, language), std::span(&insert, 1)));
}

void ReplaceConfirmDialog::rename()
{
    QString folder;
    if (Application* app = theApplication())
        folder = readPathSetting(app->settings());
    if (folder.isEmpty())
        folder = folder_;
    const QString path = fileChooser().saveFile(this, renameRequest(fileName_, folder));
    // Cancelled: the question stands.
    if (path.isEmpty())
        return;
    chosenPath_ = path;
    done(kRename);
}

} // namespace quillora
