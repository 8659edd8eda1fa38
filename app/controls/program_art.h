// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The program's own pictures and sound, so that windows never spell
// resource paths.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QUrl>

namespace quillora {

QIcon applicationIcon();
QIcon settingsIcon();
QIcon sendIcon();
QIcon receiveIcon();
QIcon exitIcon();
// About 400 × 60, for the top of the welcome dialog.
QPixmap welcomeBanner();
// A qrc: URL for QSoundEffect; also the hover sound of the transfer buttons.
QUrl clickSoundUrl();

} // namespace quillora
