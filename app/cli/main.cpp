// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// quillora-cli: the program's services from the command line.
//   quillora-cli string ID [--lang LOCALE]   a string-table text by id
//   quillora-cli languages                   the languages carried
//   quillora-cli convert IN OUT              a playable WAV copy of a received sound
//   quillora-cli compress IN OUT             a WAV sound in the phone's ADPCM form
#include "languages.h"
#include "sound_commands.h"
#include "ui_strings.h"
#include "version_info.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using namespace quillora;

namespace {

int usage()
{
    std::fputs("usage: quillora-cli string ID [--lang LOCALE]\n"
               "       quillora-cli languages\n"
               "       quillora-cli version\n"
               "       quillora-cli convert IN OUT    (AMR or the phone's ADPCM to a PCM WAV)\n"
               "       quillora-cli compress IN OUT   (a WAV sound to the phone's ADPCM form)\n"
               "LOCALE is a locale id (1036) or a name (fr-FR); ID is a number or a named id (dlg112.caption).\n",
               stderr);
    return 2;
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
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
