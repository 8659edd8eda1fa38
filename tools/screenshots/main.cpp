// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// quillora-screenshots: the program's windows as PNG files in the languages
// asked for, and a line on standard output for every text a window cuts off.
// Exit status: 0 all texts fit, 1 some are clipped (or two controls of a
// window claim the same Alt+letter key), 2 bad arguments or a window that
// could not be rendered.
#include "contact_sheet.h"
#include "ui_strings.h"
#include "window_shots.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>

namespace {

using namespace quillora;

constexpr int kClipped = 1;
constexpr int kFailed = 2;

struct Options {
    std::vector<LocaleId> languages;
    QStringList windows;
    QString out;
    QString sheets; // a contact sheet per window goes here when set
};

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// "--language 1033 --language 1036" or "--language 1033,1036".
bool readLanguages(const QStringList& values, std::vector<LocaleId>& languages)
{
    for (const QString& value : values)
        for (const QString& part : value.split(u',', Qt::SkipEmptyParts)) {
            bool ok = false;
            const uint id = part.trimmed().toUInt(&ok);
            if (!ok || !findUiLanguage(id)) {
                err() << "quillora-screenshots: " << part << " is not the locale id of a program language\n";
                return false;
            }
            languages.push_back(id);
        }
    return true;
}

bool readWindows(const QStringList& values, QStringList& windows)
{
    const QStringList known = ShotSession::windowNames();
    for (const QString& value : values)
        for (const QString& name : value.split(u',', Qt::SkipEmptyParts)) {
            if (!known.contains(name)) {
                err() << "quillora-screenshots: no window \"" << name << "\"; there are " << known.join(u' ') << '\n';
                return false;
            }
            windows << name;
        }
    if (windows.isEmpty())
        windows = known;
    return true;
}

// Writes one language's windows; the worst exit status met.
int shootLanguage(ShotSession& session, const Options& options)
{
    int status = 0;
    QTextStream out(stdout);
    for (const QString& window : options.windows) {
        const Shot shot = session.render(window);
        if (!shot.error.isEmpty()) {
            err() << "quillora-screenshots: " << shot.name << ": " << shot.error << '\n';
            status = kFailed;
        }
        if (!shot.image.isNull() && SaveShot(shot, options.out).isEmpty()) {
            err() << "quillora-screenshots: cannot write " << shot.name << ".png in " << options.out << '\n';
            status = kFailed;
        }
        for (const ClippedControl& clipped : shot.clipped)
            out << DescribeClipping(clipped) << '\n';
        for (const MnemonicClash& clash : shot.clashes)
            out << DescribeClash(shot.name, clash) << '\n';
        if ((!shot.clipped.empty() || !shot.clashes.empty()) && status == 0)
            status = kClipped;
    }
    return status;
}

// Puts each window's renderings, read back from the PNG files, side by side.
int writeSheets(const Options& options)
{
    if (!QDir().mkpath(options.sheets)) {
        err() << "quillora-screenshots: cannot create " << options.sheets << '\n';
        return kFailed;
    }
    int status = 0;
    for (const QString& window : options.windows) {
        std::vector<SheetCell> cells;
        for (LocaleId language : options.languages)
            cells.push_back({SheetLabel(language),
                             QImage(QStringLiteral("%1/%2-%3.png").arg(options.out, window).arg(language))});
        const QString path = QStringLiteral("%1/%2.png").arg(options.sheets, window);
        // Best compression: the sheets are kept in the repository.
        if (!ComposeContactSheet(cells).save(path, "PNG", 0)) {
            err() << "quillora-screenshots: cannot write " << path << '\n';
            status = kFailed;
        }
    }
    return status;
}

int run(const Options& options)
{
    ShotSession session;
    int status = 0;
    for (LocaleId language : options.languages) {
        session.setLanguage(language);
        status = std::max(status, shootLanguage(session, options));
    }
    err() << "quillora-screenshots: " << options.windows.size() * options.languages.size() << " windows in "
          << options.out << (status == kClipped ? ", some texts clipped" : "") << '\n';
    if (!options.sheets.isEmpty())
        status = std::max(status, writeSheets(options));
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // Nothing shows on screen unless the caller picked a platform.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillora-screenshots"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders every window of Quillora to DIR/<window>-<locale id>.png and reports clipped texts."));
    parser.addHelpOption();
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Locale id of a language, e.g. 1036 (repeatable; default 1033)."),
                                      QStringLiteral("id"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the PNG files."),
                                 QStringLiteral("dir"));
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("Only this window (repeatable; default all)."),
                                    QStringLiteral("name"));
    const QCommandLineOption list(QStringLiteral("list"), QStringLiteral("Lists the window names."));
    // A translator previews a table compiled with "lrelease -idbased" without
    // rebuilding the program.
    const QCommandLineOption tables(QStringLiteral("tables"),
                                    QStringLiteral("Folder of quillora_<language>.qm tables to use instead of the "
                                                   "built-in ones."),
                                    QStringLiteral("dir"));
    const QCommandLineOption sheets(QStringLiteral("sheets"),
                                    QStringLiteral("Also writes DIR/<window>.png, the window in every language asked "
                                                   "for side by side."),
                                    QStringLiteral("dir"));
    parser.addOptions({language, out, window, list, tables, sheets});
    parser.process(qapp);

    if (parser.isSet(list)) {
        QTextStream(stdout) << ShotSession::windowNames().join(u'\n') << '\n';
        return 0;
    }
    if (parser.isSet(tables))
        setStringTableDirectory(parser.value(tables));
    Options options;
    if (!readLanguages(parser.values(language), options.languages) ||
        !readWindows(parser.values(window), options.windows))
        return kFailed;
    if (options.languages.empty())
        options.languages.push_back(kEnglishUs);
    options.out = parser.value(out);
    options.sheets = parser.value(sheets);
    if (options.out.isEmpty()) {
        err() << "quillora-screenshots: --out DIR is required\n";
        return kFailed;
    }
    return run(options);
}
