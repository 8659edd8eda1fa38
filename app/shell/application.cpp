// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "application.h"

#include "app_settings.h"
#include "qt_texts.h"
#include "ui_strings.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QUrl>

namespace quillora {
namespace {
std::atomic<Application*> g_application{nullptr};
} // namespace

Application::Application(SettingsStore& settings, const QString& programPath, const QStringList& helpDirs,
                         const VersionInfo& version)
    : settings_(settings), programPath_(programPath), helpDirs_(helpDirs), version_(version),
      companyShortName_(version.stringValue(QStringLiteral("CompanyShortName"))),
      companyName_(version.stringValue(QStringLiteral("CompanyName")))
{
    helpFilePath_ = helpFileFor(programPath_, helpDirs_, CurrentUiLanguage());
}

void Application::SetUiLanguage(LocaleId id)
{
    setUiLanguageForLookups(id);
    QLocale::setDefault(qtLocaleFor(id));
    if (QCoreApplication::instance())
        installQtTexts(id);
    writeLanguageSetting(settings_, id);
    helpFilePath_ = helpFileFor(programPath_, helpDirs_, id);
    if (QCoreApplication* qapp = QCoreApplication::instance()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(qapp, &change);
    }
}

void Application::loadStartupSettings()
{
    delayFactor_.store(readDelayFactor(settings_), std::memory_order_relaxed);
    showHidden_ = readSetting(settings_, setting::ShowHidden) != 0;
    SetUiLanguage(readLanguageSetting(settings_, defaultUiLanguage()));
}

QString helpFileFor(const QString& programPath, const QStringList& helpDirs, LocaleId language)
{
    // The manual keeps the program's name whatever the executable is called.
    const QString base = Application::name();
    QStringList dirs{QFileInfo(programPath).absolutePath()};
    dirs += helpDirs;
    auto firstExisting = [&](const QString& fileName) -> QString {
        for (const QString& d : dirs)
            if (QFileInfo::exists(d + u'/' + fileName))
                return d + u'/' + fileName;
        return QString();
    };
    if (isFrenchLocale(language))
        if (QString fr = firstExisting(base + QStringLiteral(" FR.html")); !fr.isEmpty())
            return fr;
    const QString en = firstExisting(base + QStringLiteral(".html"));
    return en.isEmpty() ? dirs.front() + u'/' + base + QStringLiteral(".html") : en;
}

bool openHelpFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

Application* theApplication() { return g_application.load(std::memory_order_acquire); }
void setTheApplication(Application* app) { g_application.store(app, std::memory_order_release); }

} // namespace quillora
