// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "hyperlink_target.h"

#include "message_format.h"
#include "ui_strings.h"

#include <QDir>
#include <QFileInfo>

namespace quillora {

QUrl hyperlinkUrl(const QString& link)
{
    // One letter before the colon is a drive, not a scheme.
    const QUrl url(link, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1 && !QDir::isAbsolutePath(link))
        return url;
    return QUrl::fromLocalFile(QFileInfo(link).absoluteFilePath());
}

QString hyperlinkFailureText(int code, LocaleId language)
{
    QString text = LoadUiEntry(QStringLiteral("hyperlink.error%1").arg(code), language);
    if (text.isEmpty())
        text = fillNumbers(LoadUiText("hyperlink.errorOther", language), {code});
    return LoadUiText("hyperlink.unableToOpen", language) + text;
}

QString hyperlinkFailureText(int code) { return hyperlinkFailureText(code, CurrentUiLanguage()); }

QRect fittedRect(const QRect& current, QSize text, Qt::Alignment alignment)
{
    int x = current.x();
    if (alignment & Qt::AlignRight)
        x = current.x() + current.width() - text.width();
    else if (alignment & Qt::AlignHCenter)
        x = current.x() + (current.width() - text.width()) / 2;
    int y = current.y();
    if (alignment & Qt::AlignVCenter)
        y = current.y() + (current.height() - text.height()) / 2;
    return QRect(QPoint(x, y), text);
}

} // namespace quillora
