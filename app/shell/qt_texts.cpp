// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "qt_texts.h"

#include "ui_strings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <utility>

namespace quillora {
namespace {

// Qt asks its platform theme for the standard buttons' texts; the program's
// dialogs already carry the same words in all of its languages.
class StandardButtonTexts : public QTranslator {
public:
    explicit StandardButtonTexts(LocaleId language) : language_(language) {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return QString();
        static constexpr std::pair<const char*, const char*> kButtons[] = {
            {"OK", "dlg112.1"},      {"Cancel", "dlg112.2"}, {"&Yes", "dlg158.6"},
            {"&No", "dlg158.7"},     {"Close", "html165.close"}, {"Help", "dlg154.9"},
        };
        for (auto [english, id] : kButtons)
            if (qstrcmp(source, english) == 0)
                return LoadUiText(id, language_);
        return QString();
    }

private:
    LocaleId language_;
};

struct Installed {
    std::unique_ptr<QTranslator> qtBase;
    std::unique_ptr<QTranslator> buttons;
};

Installed& installed()
{
    static Installed i;
    return i;
}

void replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

} // namespace

void installQtTexts(LocaleId language)
{
    auto qtBase = std::make_unique<QTranslator>();
    if (!qtBase->load(qtLocaleFor(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qtBase.reset();
    // The last installed is asked first: the buttons come above Qt's table.
    replace(installed().buttons, nullptr);
    replace(installed().qtBase, std::move(qtBase));
    replace(installed().buttons, std::make_unique<StandardButtonTexts>(language));
}

} // namespace quillora
