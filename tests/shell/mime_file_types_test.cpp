// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "mime_file_types.h"

#include "languages.h"
#include "ui_strings.h"
#include "ui_text_source.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace quillora;

namespace {

struct MimeCase {
    const char *extension;
    const char *iconPrefix; // the MIME media type; null for an unknown extension
    const char *fallback;   // text 805 in English, what an unknown one shows
};

std::ostream &operator<<(std::ostream &os, const MimeCase &c) { return os << c.extension; }

class MimeFileTypeNamesTest : public testing::TestWithParam<MimeCase> {
protected:
    void SetUp() override
    {
        setUiLanguageForLookups(kEnglishUs);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(MimeFileTypeNamesTest, KnownTypesAreNamedByTheDesktopOthersByText805)
{
    const MimeCase &c = GetParam();
    const MimeFileTypeNames names;
    const std::string description = names.describe(c.extension);
    const std::string shown = FileTypeDescription(&names, UiTextSource(), c.extension, TypeFromExtension(c.extension));
    if (c.iconPrefix) {
        EXPECT_FALSE(description.empty());
        EXPECT_EQ(description.find('/'), std::string::npos) << description << ": a MIME name, not its comment";
        EXPECT_NE(shown, c.fallback);
        EXPECT_EQ(names.iconName(c.extension).rfind(c.iconPrefix, 0), 0u) << names.iconName(c.extension);
    } else {
        EXPECT_EQ(description, "");
        EXPECT_EQ(names.iconName(c.extension), "");
        EXPECT_EQ(shown, c.fallback);
    }
}

INSTANTIATE_TEST_SUITE_P(mime, MimeFileTypeNamesTest,
                         testing::Values(MimeCase{".jpg", "image-", "JPG File"},
                                         MimeCase{".wav", "audio-", "WAV File"},
                                         // No desktop declares this one, not even our own package.
                                         MimeCase{".vcat", nullptr, "VCAT File"},
                                         MimeCase{"jpg", nullptr, "JPG File"}));

} // namespace
