// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "command_recorder.h"
#include "instance_channel.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillora;

namespace {

class InstanceChannelTest : public testing::Test {
protected:
    // The client blocks, so it runs on a thread while this one serves.
    bool send(const QString& socketPath, const QString& text, int timeoutMs = 3000)
    {
        auto result = std::async(std::launch::async, [&] { return sendInstanceCommand(socketPath, text, timeoutMs); });
        while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return result.get();
    }
    QTemporaryDir dir_;
};

TEST_F(InstanceChannelTest, OneLockHolderAndTheOthersAreLater)
{
    InstanceGuard first(dir_.path());
    InstanceGuard second(dir_.path());
    EXPECT_TRUE(first.isFirst());
    EXPECT_FALSE(second.isFirst());
    EXPECT_EQ(first.socketPath(), second.socketPath());
}

TEST_F(InstanceChannelTest, LongQuotedNonAsciiPathsArriveWhole)
{
    InstanceGuard guard(dir_.path());
    CommandRecorder target;
    InstanceServer server(guard.socketPath(), target, ::getuid());
    ASSERT_TRUE(server.listening());
    const QString longPath = QStringLiteral("/tmp/") + QString(4096, u'p') + QStringLiteral(".jpg");
    const QString odd = QStringLiteral("/tmp/\"a\" [b] (c)/Фото ✓.jpg");
    ASSERT_TRUE(send(guard.socketPath(), makeOpenCommand(longPath) + makeOpenCommand(odd) + setForegroundCommand()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return target.log.size() == 3; }, 5000)) << target.log.join(u'|').left(200).toStdString();
    EXPECT_EQ(target.log[0], QStringLiteral("open:") + longPath);
    EXPECT_EQ(target.log[1], QStringLiteral("open:") + odd);
    EXPECT_EQ(target.log[2], QStringLiteral("foreground"));
}

TEST_F(InstanceChannelTest, AStaleSocketIsTakenOver)
{
    InstanceGuard guard(dir_.path());
    {
        QFile leftover(guard.socketPath());
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly)); // what a crash leaves
    }
    CommandRecorder target;
    InstanceServer server(guard.socketPath(), target, ::getuid());
    ASSERT_TRUE(server.listening());
    EXPECT_TRUE(send(guard.socketPath(), quitCommand()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return target.log == QStringList{QStringLiteral("quit")}; }, 5000));
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(guard.socketPath()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 077, 0u) << "only the user may connect";
}

TEST_F(InstanceChannelTest, APeerOfAnotherUserIsRefused)
{
    InstanceGuard guard(dir_.path());
    CommandRecorder target;
    // The server expects another uid than ours: our own client is then the
    // stranger, with no need for a second account.
    InstanceServer server(guard.socketPath(), target, ::getuid() + 1);
    ASSERT_TRUE(server.listening());
    EXPECT_FALSE(send(guard.socketPath(), quitCommand(), 1000));
    EXPECT_EQ(server.refusedConnections(), 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(target.log.isEmpty());
}

TEST_F(InstanceChannelTest, OversizedOrStalledClientsGetNothingRun)
{
    InstanceGuard guard(dir_.path());
    CommandRecorder target;
    InstanceServer server(guard.socketPath(), target, ::getuid());
    auto exchange = std::async(std::launch::async, [&] {
        QLocalSocket s;
        s.connectToServer(guard.socketPath());
        if (!s.waitForConnected(2000))
            return QByteArray("no connection");
        uchar header[4];
        qToLittleEndian<quint32>(quint32(kMaxCommandBytes + 1), header);
        s.write(reinterpret_cast<const char*>(header), 4);
        s.write("[Quit]");
        s.waitForBytesWritten(2000);
        QByteArray answer;
        while (answer.size() < 3 && s.waitForReadyRead(2000))
            answer += s.readAll();
        return answer;
    });
    while (exchange.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(exchange.get(), QByteArray("NAK"));
    EXPECT_TRUE(target.log.isEmpty());
}

TEST_F(InstanceChannelTest, NoFirstInstanceMeansNoAcknowledgement)
{
    InstanceGuard guard(dir_.path());
    EXPECT_FALSE(sendInstanceCommand(guard.socketPath(), setForegroundCommand(), 300));
}

TEST(HandOver, FilesBecomeAbsoluteOpensThenForeground)
{
    const QString cwd = QDir::currentPath();
    EXPECT_EQ(handOverText({QStringLiteral("a.jpg")}, QString()),
              makeOpenCommand(cwd + QStringLiteral("/a.jpg")) + QStringLiteral("[SetForeground]"));
    EXPECT_EQ(handOverText({}, QString()), QStringLiteral("[SetForeground]"));
    EXPECT_EQ(handOverText({}, QStringLiteral("[Quit]")), QStringLiteral("[Quit]"));
}

TEST(RuntimeDirectory, IsPrivate)
{
    const QString dir = instanceRuntimeDirectory();
    ASSERT_FALSE(dir.isEmpty());
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, ::getuid());
    EXPECT_EQ(st.st_mode & 077, 0u);
}

// Four programs started at once: exactly one becomes the first instance, and
// every other one is acknowledged by it.
TEST_F(InstanceChannelTest, ProcessesRacingToStart)
{
    constexpr int kStarts = 4;
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < kStarts; ++i) {
        starts.push_back(std::make_unique<QProcess>());
        starts.back()->start(QStringLiteral(INSTANCE_PROBE), {dir_.path(), QStringLiteral("file%1.jpg").arg(i)});
    }
    QProcess* first = nullptr;
    int acknowledged = 0;
    for (auto& p : starts) {
        // A later start may already have ended: its output is kept.
        ASSERT_TRUE(QTest::qWaitFor([&] { return p->canReadLine() || p->state() == QProcess::NotRunning; }, 10000));
        const QByteArray line = p->readLine().trimmed();
        if (line == "first 1") {
            EXPECT_EQ(first, nullptr) << "two first instances";
            first = p.get();
        } else {
            EXPECT_EQ(line, QByteArray("second 1"));
            acknowledged += line == "second 1";
        }
    }
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(acknowledged, kStarts - 1);
    ASSERT_TRUE(send(QDir(dir_.path()).filePath(QString::fromLatin1(kInstanceBaseName) + QStringLiteral(".socket")),
                     quitCommand()));
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitCode(), 0);
    const QByteArray out = first->readAll();
    EXPECT_EQ(out.count("open "), kStarts - 1) << out.constData();
    EXPECT_EQ(out.count("foreground"), kStarts - 1);
    EXPECT_TRUE(out.endsWith("quit\n"));
    for (auto& p : starts)
        p->waitForFinished(5000);
}

} // namespace
