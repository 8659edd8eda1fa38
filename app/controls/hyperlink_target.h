// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// What a hyperlink label opens, how it reports a failure, and where it sits
// once sized to its text.
#pragma once

#include "languages.h"

#include <QRect>
#include <QString>
#include <QUrl>

namespace quillora {

// The failure codes whose texts the string tables carry.
inline constexpr int kLinkFileNotFound = 2;
inline constexpr int kLinkNoApplication = 31;

// A link with a scheme of two or more letters ("http:", "mailto:") as it
// stands; anything else is a path, made absolute against the working folder.
QUrl hyperlinkUrl(const QString& link);

// "Unable to open hyperlink:" and the text of the code; a code without its
// own text gets the "unknown error" one.
QString hyperlinkFailureText(int code, LocaleId language);
QString hyperlinkFailureText(int code); // in the interface language

// `current` resized to `text`, keeping the edge the alignment fixes: left,
// right or centre across; the centre when centred vertically, else the top.
QRect fittedRect(const QRect& current, QSize text, Qt::Alignment alignment);

} // namespace quillora
