// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// quillora-cli: the program's services from the command line.
//   quillora-cli string ID [--lang LOCALE]   a string-table text by id
//   quillora-cli languages                   the languages carried
//   quillora-cli convert IN OUT              a playable WAV copy of a received sound
//   quillora-cli compress IN OUT             a WAV sound in the phone's ADPCM form
//   quillora-cli ports|detect|info|list|get|send|delete ...   the phone (--help)
#include "app_settings.h"
#include "cli_options.h"
#include "languages.h"
#include "phone_commands.h"
#include "settings_store.h"
#include "sound_commands.h"
#include "terminal_progress.h"
#include "terminal_prompt.h"
#include "ui_strings.h"
#include "ui_text_source.h"
#include "version_info.h"

#include <QCoreApplication>
#include <QStringList>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

// _Exit skips the leak check that would run at exit; it is done by hand.
#if defined(__SANITIZE_ADDRESS__)
#define QUILLORA_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLORA_LEAK_CHECK 1
#endif
#endif
#ifndef QUILLORA_LEAK_CHECK
#define QUILLORA_LEAK_CHECK 0
#endif
#if QUILLORA_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

using namespace quillora;

namespace {

int usage()
{
    std::fputs(qUtf8Printable(cli::generalHelp()), stderr);
    std::fputs("LOCALE is a locale id (1036) or a name (fr-FR); ID is a number or a named id (dlg112.caption).\n",
               stderr);
    return cli::exit_code::kUsage;
}

// "1036" or "fr-FR" / "fr_FR" / "fr".
LocaleId parseLanguage(const QString& text)
{
    bool ok = false;
    const uint id = text.toUInt(&ok);
    if (ok)
        return findUiLanguage(id) ? id : 0;
    return localeIdFor(QLocale(QString(text).replace(u'-', u'_')));
}

int printString(const QStringList& args)
{
    if (args.size() != 1 && !(args.size() == 3 && args[1] == QLatin1String("--lang")))
        return usage();
    LocaleId lang = CurrentUiLanguage();
    if (args.size() == 3) {
        lang = parseLanguage(args[2]);
        if (!lang) {
            std::fprintf(stderr, "quillora-cli: unknown language %s\n", qUtf8Printable(args[2]));
            return 2;
        }
    }
    const QString text = LoadUiEntry(args[0], lang);
    if (text.isEmpty()) {
        std::fprintf(stderr, "quillora-cli: no text with id %s\n", qUtf8Printable(args[0]));
        return 1;
    }
    std::printf("%s\n", qUtf8Printable(text));
    return 0;
}

int printLanguages()
{
    for (LocaleId id : availableUiLanguages()) {
        const QLocale locale = qtLocaleFor(id);
        std::printf("%u\t%s\t%s\n", id, findUiLanguage(id)->bcp47, qUtf8Printable(locale.nativeLanguageName()));
    }
    return 0;
}

int runPhoneCommand(const QStringList& args)
{
    const cli::ParseResult parsed = cli::parseCommandLine(args);
    if (!parsed.options) {
        std::fprintf(stderr, "quillora-cli: %s\n(quillora-cli %s --help tells more)\n", qUtf8Printable(parsed.error),
                     qUtf8Printable(args.first()));
        return cli::exit_code::kUsage;
    }
    const cli::CliOptions& options = *parsed.options;
    if (options.help) {
        std::fputs(qUtf8Printable(cli::commandHelp(options.command)), stdout);
        return cli::exit_code::kSuccess;
    }
    const VersionInfo version = VersionInfo::current();
    const QString company = version.stringValue(QStringLiteral("CompanyShortName"));
    SettingsStore settings(SettingsStore::defaultFilePath(company));
    // The program's language, as the settings hold it, without storing it back.
    setUiLanguageForLookups(readLanguageSetting(settings, defaultUiLanguage()));
    UiTextSource texts;
    cli::AnswerReader reader(stdin);
    cli::CommandEnvironment environment{cli::Console::standard(), texts, settings, reader,
                                        isatty(STDIN_FILENO) == 1, company.toStdString()};
    return cli::RunPhoneCommand(options, environment);
}

// Detection's port threads are detached: the one that handed the phone over,
// and the others after a stop, end on their own a moment later, and the
// library has no call to wait for them. Ending without the static
// destructors keeps them from running under such a thread. The phone
// command has stopped the channel and written its files by now.
[[noreturn]] void endAfterDetection(int code)
{
    std::fflush(nullptr);
#if QUILLORA_LEAK_CHECK
    __lsan_do_leak_check();
#endif
    std::_Exit(code);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h") ||
        args.first() == QLatin1String("help")) {
        if (args.size() > 1 && cli::isPhoneCommand(args[1]))
            return runPhoneCommand({args[1], QStringLiteral("--help")});
        std::fputs(qUtf8Printable(cli::generalHelp()), stdout);
        return cli::exit_code::kSuccess;
    }
    if (cli::isPhoneCommand(args.first()))
        endAfterDetection(runPhoneCommand(args));
    const QString command = args.takeFirst();
    if (command == QLatin1String("string"))
        return printString(args);
    if (command == QLatin1String("languages") && args.isEmpty())
        return printLanguages();
    if (command == QLatin1String("convert") || command == QLatin1String("compress")) {
        const int result = command == QLatin1String("convert") ? convertSound(args) : compressSound(args);
        return result == 2 ? usage() : result;
    }
    if (command == QLatin1String("version") && args.isEmpty()) {
        std::printf("Quillora %s\n", qUtf8Printable(VersionInfo::current().versionText()));
        return 0;
    }
    return usage();
}
