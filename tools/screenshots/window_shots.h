// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Renders each of the program's windows and dialogs offscreen, in a chosen
// language, and measures its texts. The session has a settings file of its
// own (button sounds off) and points phone detection at no port but the
// simulated phone it plugs in for the connected views, which holds a few
// pictures for the phone browser: the machine's serial ports are never
// probed. Progress windows show a run of the session's own, held part-way
// until it is cancelled. Needs a QApplication; one session at a time, as
// the phone library's callbacks are process-wide.
#pragma once

#include "clipping.h"
#include "languages.h"
#include "mnemonics.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace phonesim {
class PtyPhone;
}

namespace quillora {

class Application;
class MainWindow;
class ProgressWindow;
class QuietPort;
class SettingsStore;
class SettingsTarget;

struct Shot {
    QString name;   // "<window>-<locale id>", the PNG's base name
    QString title;  // the window's title, in the language it was shown in
    QImage image;   // null when the window never reached the state shown
    std::vector<ClippedControl> clipped;
    QString error;  // why the image is missing or incomplete
    std::vector<MnemonicClash> clashes; // Alt+letter keys two controls claim
};

class ShotSession {
public:
    ShotSession();
    // Closes the windows and waits for the detection threads.
    ~ShotSession();
    ShotSession(const ShotSession&) = delete;
    ShotSession& operator=(const ShotSession&) = delete;

    // Every window the session can render, in the order that shares work.
    static QStringList windowNames();

    // False for an id that is none of the program's 25 languages. A language
    // whose table the program lacks still renders, in US English fallbacks.
    bool setLanguage(LocaleId id);
    LocaleId language() const { return language_; }

    // A name windowNames() does not list gives an error shot.
    Shot render(const QString& window);

private:
    Shot mainDetecting(const QString& name);
    Shot mainStatus(const QString& name);
    Shot mainConnected(const QString& name);
    Shot capabilities(const QString& name);
    Shot progress(const QString& window, const QString& name);
    std::unique_ptr<ProgressWindow> makeProgress(const QString& window);
    Shot browser(const QString& name);
    Shot preview(const QString& name);
    QString previewPicture();
    Shot dialog(const QString& window, const QString& name);
    std::unique_ptr<QWidget> makeDialog(const QString& window);
    Shot shoot(QWidget& window, const QString& name);

    // These two give what failed, empty on success.
    QString openMainWindow(bool withPhone);
    QString connectMainWindow();
    QString ensureConnected(); // keeps a connection the last window made
    void closeMainWindow();

    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Application> app_;
    std::unique_ptr<SettingsTarget> settingsTarget_;
    LocaleId language_ = kEnglishUs;
    std::unique_ptr<phonesim::PtyPhone> phone_;
    std::unique_ptr<QuietPort> quiet_; // a port with no phone, for the status list
    std::unique_ptr<MainWindow> window_;
    bool windowHasPhone_ = false;
    std::string capabilities_;        // the connected phone's formats report
    LocaleId capabilitiesLanguage_ = 0; // ... built in this language
};

// Writes the shot as DIR/<name>.png; the path written, empty on failure.
QString SaveShot(const Shot& shot, const QString& dir);

} // namespace quillora
