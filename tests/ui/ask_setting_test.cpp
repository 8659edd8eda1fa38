// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "ask_setting.h"
#include "dialog_test_env.h"
#include "modal_dialogs.h"
#include "question_dialog.h"

#include <QLabel>
#include <QTest>

using namespace quillora;

namespace {

constexpr int kUntouched = 9; // stored before each case: a write shows

struct AskRow {
    const char* name;
    AskChoice start;
    int dialogResult; // -1: the dialog must not be shown
    int expected;
    AskChoice after;
    int storedAfter;
};

void PrintTo(const AskRow& row, std::ostream* os) { *os << row.name; }

class AskTest : public DialogTest, public testing::WithParamInterface<AskRow> {
protected:
    ~AskTest() override { AskSetting::setQuestionRunner({}); }
};

TEST_P(AskTest, AnswerAndRememberedChoice)
{
    const AskRow& row = GetParam();
    writeSetting(store_, setting::AMR2PCM, kUntouched);
    AskSetting amr(store_, setting::AMR2PCM);
    amr.setValue(row.start);
    int shown = 0;
    AskSetting::setQuestionRunner([&](const QString&, QWidget*) {
        ++shown;
        return row.dialogResult;
    });
    EXPECT_EQ(amr.ask(QStringLiteral("Convert?"), nullptr), row.expected);
    EXPECT_EQ(shown, row.dialogResult == -1 ? 0 : 1);
    EXPECT_EQ(amr.value(), row.after);
    EXPECT_EQ(stored(setting::AMR2PCM), row.storedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AskTest,
    testing::Values(AskRow{"Never", AskChoice::Never, -1, 7, AskChoice::Never, kUntouched},
                    AskRow{"Always", AskChoice::Always, -1, 6, AskChoice::Always, kUntouched},
                    AskRow{"Yes", AskChoice::Ask, 6, 6, AskChoice::Ask, kUntouched},
                    AskRow{"No", AskChoice::Ask, 7, 7, AskChoice::Ask, kUntouched},
                    AskRow{"Closed", AskChoice::Ask, 2, 7, AskChoice::Ask, kUntouched},
                    AskRow{"YesTicked", AskChoice::Ask, 1, 6, AskChoice::Always, 2},
                    AskRow{"NoTicked", AskChoice::Ask, 100, 7, AskChoice::Never, 0}),
    [](const testing::TestParamInfo<AskRow>& info) { return std::string(info.param.name); });

// The real dialog: No with the box ticked, then the next question is not asked.
TEST_F(DialogTest, TickedNoThroughTheDialogStopsAsking)
{
    AskSetting amr(store_, setting::AMR2PCM);
    auto watch = testing_support::whenModalAppears([](QWidget* dialog) {
        click(dialog, QuestionDialog::kDoNotAskId);
        click(dialog, QuestionDialog::kNoId);
    });
    EXPECT_EQ(amr.ask(QStringLiteral("Convert?"), nullptr), 7);
    ASSERT_TRUE(watch.acted());
    AskSetting reloaded(store_, setting::AMR2PCM);
    reloaded.load();
    EXPECT_EQ(reloaded.value(), AskChoice::Never) << "so the next question is not asked";
}

TEST_F(DialogTest, QuestionDialogEndCodes)
{
    const struct {
        bool ticked;
        int button; // 0: Escape
        int expected;
    } rows[] = {{false, 6, 6}, {true, 6, 1}, {false, 7, 7}, {true, 7, 100}, {true, 0, 2}};
    for (const auto& row : rows) {
        QuestionDialog dialog(QStringLiteral("Convert?"));
        dialog.show();
        if (row.ticked)
            click(&dialog, QuestionDialog::kDoNotAskId);
        if (row.button)
            click(&dialog, row.button);
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), row.expected) << row.ticked << " " << row.button;
    }
}

TEST_F(DialogTest, QuestionDialogFitsItsMessage)
{
    const QString longLine = QStringLiteral("word ").repeated(15).trimmed();
    QString lines;
    for (int i = 0; i < 12; ++i)
        lines += QStringLiteral("Line %1\n").arg(i);
    QuestionDialog small(QStringLiteral("Convert?"));
    QuestionDialog tall(lines + longLine);
    small.show();
    tall.show();

    auto* text = findControlAs<QLabel>(&tall, QuestionDialog::kMessageId);
    const int lineHeight = text->fontMetrics().lineSpacing();
    // Thirteen lines against one beside an icon taller than a line.
    EXPECT_GE(tall.height() - small.height(), 10 * lineHeight);
    EXPECT_GE(text->width(), text->fontMetrics().horizontalAdvance(longLine)) << "no word wrap";
    const int textBottom = text->mapTo(&tall, QPoint(0, text->height())).y();
    for (int id : {QuestionDialog::kYesId, QuestionDialog::kNoId}) {
        const QWidget* button = findControl(&tall, id);
        EXPECT_GE(button->mapTo(&tall, QPoint(0, 0)).y(), textBottom) << id;
        EXPECT_LE(button->mapTo(&tall, QPoint(button->width(), 0)).x(), tall.width());
    }
    EXPECT_EQ(findControl(&tall, QuestionDialog::kDoNotAskId)->x(), findControl(&small, QuestionDialog::kDoNotAskId)->x());
}

} // namespace
