// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The one application object: the program's name, company names and version,
// its settings store, the user-interface language and the help file that
// goes with it. The program makes one at start-up; tests make their own.
#pragma once

#include "languages.h"
#include "settings_store.h"
#include "version_info.h"

#include <QString>
#include <QStringList>

#include <atomic>

namespace quillora {

class Application {
public:
    static constexpr const char* kName = "Quillora";

    // programPath: the running program; helpDirs: where else the manual may
    // be (the installed data folder), searched after the program's folder.
    Application(SettingsStore& settings, const QString& programPath, const QStringList& helpDirs,
                const VersionInfo& version = VersionInfo::current());

    static QString name() { return QString::fromLatin1(kName); }
    QString companyShortName() const { return companyShortName_; }
    QString companyName() const { return companyName_; }
    const VersionInfo& version() const { return version_; }
    SettingsStore& settings() { return settings_; }

    // Records the language for every lookup (worker threads included), sets
    // the default locale, stores it as Settings/Language, chooses the help
    // file again and tells the open windows that the language changed.
    void SetUiLanguage(LocaleId id);
    QString helpFilePath() const { return helpFilePath_; }

    // Reply time-outs are scaled by this percentage.
    int delayFactor() const { return delayFactor_.load(std::memory_order_relaxed); }
    bool showHidden() const { return showHidden_; }
    // Reads DelayFactor and ShowHidden, then sets the stored language (or the
    // user's own when none is stored).
    void loadStartupSettings();

private:
    SettingsStore& settings_;
    QString programPath_;
    QStringList helpDirs_;
    VersionInfo version_;
    QString companyShortName_;
    QString companyName_;
    QString helpFilePath_;
    std::atomic<int> delayFactor_{100};
    bool showHidden_ = false;
};

// The manual for a language: "Quillora FR.html" for French when it exists
// beside the program or in one of the folders, else "Quillora.html" in the
// first of them that has it, else beside the program.
QString helpFileFor(const QString& programPath, const QStringList& helpDirs, LocaleId language);

// Opens the manual in the desktop's browser; false when nothing could.
bool openHelpFile(const QString& path);

// The application object of the running program, or null before start-up
// made it (and in tests that do not).
Application* theApplication();
void setTheApplication(Application* app);

} // namespace quillora
