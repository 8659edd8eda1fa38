// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// How the protocol layer speaks to the user: the GUI shows a message box on
// its UI thread (blocking the calling worker until it is answered), the
// command line prints to the terminal. Texts are UTF-8, already formatted.
#pragma once

#include <string>

namespace quillora {

enum class MessageIcon { Error, Warning, Information, Question };

class Prompt {
public:
    virtual ~Prompt() = default;

    // A message with one OK button; returns once the user has seen it.
    virtual void showMessage(MessageIcon icon, const std::string &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string &text) = 0;
};

} // namespace quillora
