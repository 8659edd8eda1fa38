// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "dialog_test_env.h"
#include "language_combo_box.h"
#include "ui_strings.h"

#include <algorithm>
#include <vector>

using namespace quillora;

namespace {

// The 25 languages by primary language, then sub-language.
constexpr LocaleId kSorted[] = {1026, 1028, 2052, 1029, 1030, 1031, 1032, 1033, 1034, 1036, 1038, 1040, 1043,
                                1044, 1045, 1046, 2070, 1048, 1049, 1050, 1051, 1053, 1055, 1058, 1060};

// A box with every language added, in descending id order so that each
// variant group's second member comes first.
void fillAll(LanguageComboBox& box)
{
    box.clear();
    std::vector<LocaleId> ids(std::begin(kSorted), std::end(kSorted));
    std::sort(ids.rbegin(), ids.rend());
    for (LocaleId id : ids) {
        box.addLanguage(id);
        box.addLanguage(id);
    }
}

TEST_F(DialogTest, LanguagesSortByPrimaryLanguageAndVariantsAreMarked)
{
    app_.SetUiLanguage(kFrench);
    LanguageComboBox box;
    std::vector<LocaleId> carried;
    for (int i = 0; i < box.count(); ++i)
        carried.push_back(box.itemData(i).toUInt() & 0xffff);
    EXPECT_EQ(carried, std::vector<LocaleId>(std::begin(kSorted), std::end(kSorted)))
        << "filled with every table carried";
    EXPECT_EQ(box.selectedLanguage(), kFrench) << "the current language selected";

    fillAll(box);
    ASSERT_EQ(box.count(), 25) << "a language added twice is listed once";
    for (int i = 0; i < box.count(); ++i) {
        const quint32 value = box.itemData(i).toUInt();
        EXPECT_EQ(value & 0xffff, kSorted[i]) << i;
        const bool variant = kSorted[i] == 1028 || kSorted[i] == 2052 || kSorted[i] == 1046 || kSorted[i] == 2070;
        EXPECT_EQ((value & LanguageComboBox::kVariantMark) != 0, variant) << kSorted[i];
    }
}

TEST_F(DialogTest, EachLanguageShowsItsOwnNameAndVariantsTheirCountry)
{
    LanguageComboBox box;
    fillAll(box);
    const struct {
        LocaleId id;
        QString name;
    } rows[] = {{1046, QStringLiteral("Português (Brasil)")},
                {2070, QStringLiteral("Português europeu (Portugal)")},
                {2052, QStringLiteral("简体中文 (中国)")},
                {1028, QStringLiteral("繁體中文 (台灣)")},
                {1049, QStringLiteral("Русский")},
                {1032, QStringLiteral("Ελληνικά")},
                {1044, QStringLiteral("Norsk bokmål")},
                {1055, QStringLiteral("Türkçe")}};
    for (const auto& row : rows) {
        box.selectLanguage(row.id);
        EXPECT_EQ(box.selectedLanguage(), row.id) << "never with the mark";
        EXPECT_EQ(box.currentText(), row.name);
    }
    box.selectLanguage(kFrench);
    EXPECT_EQ(box.currentText(), QStringLiteral("Français")) << "first letter upper-cased, no country";
}

} // namespace
