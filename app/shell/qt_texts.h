// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Qt's own texts (standard buttons of message boxes, the file dialogs) in the
// program's language.
#pragma once

#include "languages.h"

namespace quillora {

// Installs Qt's translation for the language where the system has one, and,
// above it, the program's own words for the standard buttons (OK, Cancel,
// Yes, No, Close, Help) from its string tables, so that every message box
// answers in the chosen language even where Qt ships no table. Replaces
// what an earlier call installed. Needs a QCoreApplication.
void installQtTexts(LocaleId language);

} // namespace quillora
