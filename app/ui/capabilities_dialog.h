// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The formats report: the phone's accepted formats as three tables. The page
// is self-contained: it loads nothing and follows no link.
#pragma once

#include <QDialog>

#include <string>
#include <string_view>

class QPushButton;
class QTextBrowser;

namespace quillora {

class CapabilitiesDialog : public QDialog {
    Q_OBJECT
public:
    // Its texts are the page's ("html165.*"), in the page itself.
    static constexpr int kTemplateId = 165;
    enum ControlId { kCloseId = 2 };

    // `argument`: the report's rows as the report builder made them (escaped
    // HTML), the three categories separated by "^".
    explicit CapabilitiesDialog(std::string_view argument, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showPage();

    std::string argument_;
    QTextBrowser* page_;
    QPushButton* close_;
};

} // namespace quillora
