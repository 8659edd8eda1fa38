// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "fatal_report.h"
#include "message_box_fatal_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cerrno>
#include <future>

using namespace quillora;

namespace {

struct ScriptedPrompt : FatalPrompt {
    FatalChoice answer = FatalChoice::Ignore;
    FatalMessage seen;
    int asked = 0;
    FatalChoice ask(const FatalMessage& m) override
    {
        seen = m;
        ++asked;
        errno = 0; // a prompt may touch errno; the report must not pass that on
        return answer;
    }
};

class FatalReportTest : public testing::Test {
protected:
    void SetUp() override { setFatalPrompt(&prompt_); }
    void TearDown() override { setFatalPrompt(nullptr); }
    ScriptedPrompt prompt_;
};

TEST_F(FatalReportTest, ErrnoTwoGivesTheSystemTextAndTheValue)
{
    errno = ENOENT;
    prompt_.answer = FatalChoice::Retry;
    EXPECT_EQ(ReportErrnoFailure("/build/app/protocol/upload.cpp", 417), 1);
    EXPECT_EQ(errno, ENOENT) << "errno is as it was before the report";
    EXPECT_EQ(prompt_.seen.body,
              "No such file or directory\n"
              "In: upload.cpp line 417\n"
              "\n"
              "Value: 2 (0x2)\n"
              "\n"
              "Please contact the author\n"
              "(Press Ctrl-C to copy this information)");
    EXPECT_EQ(prompt_.seen.caption, "fatal_report_test - Unexpected error");
}

TEST_F(FatalReportTest, AnUnknownValueIsShownInHexadecimal)
{
    errno = 4242;
    EXPECT_EQ(ReportErrnoFailure("x/y/retrieve.cpp", 9), 0);
    EXPECT_EQ(errno, 4242);
    EXPECT_EQ(prompt_.seen.body.substr(0, prompt_.seen.body.find('\n')), "0x00001092");
    EXPECT_NE(prompt_.seen.body.find("Value: 4242 (0x1092)\n"), std::string::npos);
}

TEST_F(FatalReportTest, NullPathAndNullReason)
{
    EXPECT_EQ(ReportFatal(nullptr, 0, nullptr, -1), 0);
    const std::string& body = prompt_.seen.body;
    EXPECT_EQ(body.rfind("An unexpected error has occured !\nIn: source line 0\n", 0), 0u) << body;
    EXPECT_NE(body.find("Value: -1 (0xFFFFFFFF)"), std::string::npos);
}

TEST(FatalReportDeathTest, AbortEndsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ScriptedPrompt p;
            p.answer = FatalChoice::Abort;
            setFatalPrompt(&p);
            ReportFatal(__FILE__, __LINE__, "disk gone", 5);
        },
        testing::ExitedWithCode(255), "");
    // With no prompt and no terminal to ask on, the report aborts.
    EXPECT_EXIT(
        {
            setFatalPrompt(nullptr);
            std::freopen("/dev/null", "r", stdin);
            ReportFatal(__FILE__, __LINE__, "no one to ask", 5);
        },
        testing::ExitedWithCode(255), "no one to ask");
}

// A worker's report waits for the box on the user-interface thread. The box
// runs its own event loop, so a timer of this thread answers it.
TEST(MessageBoxFatalPromptTest, AWorkerGetsTheAnswerFromTheUiThread)
{
    MessageBoxFatalPrompt prompt;
    setFatalPrompt(&prompt);
    QString text, title;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, &answerer, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                text = box->text();
                title = box->windowTitle();
                box->button(QMessageBox::Retry)->click();
            }
    });
    answerer.start(10);
    auto worker = std::async(std::launch::async, [] {
        errno = EIO;
        const int answer = ReportErrnoFailure("protocol.cpp", 12);
        return std::make_pair(answer, errno);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return worker.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000));
    EXPECT_EQ(worker.get(), std::make_pair(1, EIO));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Input/output error\nIn: protocol.cpp line 12"))) << text.toStdString();
    EXPECT_TRUE(title.endsWith(QStringLiteral(" - Unexpected error")));
    setFatalPrompt(nullptr);
}

} // namespace
