// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "capabilities_dialog.h"

#include "application.h"
#include "capabilities_page.h"
#include "dialog_texts.h"
#include "ui_strings.h"

#include <QBoxLayout>
#include <QEvent>
#include <QPushButton>
#include <QTextBrowser>

namespace quillora {
namespace {

// Rows come from the phone. They are escaped, but should an image or a
// style sheet ever get through, nothing is read from disk or network.
class SealedBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

} // namespace

CapabilitiesDialog::CapabilitiesDialog(std::string_view argument, QWidget* parent)
    : QDialog(parent), argument_(argument), page_(new SealedBrowser(this)),
      close_(withControlId(new QPushButton(this), kCloseId))
{
    setTemplateId(this, kTemplateId);
    page_->setOpenLinks(false);
    page_->setOpenExternalLinks(false);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);

    // The page was laid out for about 30 by 25 ems; it may grow to twice
    // that, beyond which the tables only gain empty margins.
    const int em = fontMetrics().height();
    resize(32 * em, 28 * em);
    setMinimumSize(16 * em, 12 * em);
    setMaximumSize(64 * em, 56 * em);
    showPage();
}

void CapabilitiesDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showPage();
    QDialog::changeEvent(event);
}

void CapabilitiesDialog::showPage()
{
    page_->setHtml(CapabilitiesPage(argument_));
    const QString title = page_->documentTitle();
    setWindowTitle(title.isEmpty() ? Application::name() : title);
    close_->setText(LoadUiText("html165.close"));
}

} // namespace quillora
