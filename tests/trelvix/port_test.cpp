// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Opening devices and the POSIX port's waits, on pseudo-terminals; and the
// fake port's own contract, which the other tests rely on.

#include "event.h"
#include "fake_port.h"
#include "port.h"
#include "pty_pair.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using testing_support::PtyPair;
using trelvix::OpenError;

TEST(OpenErrors, ErrnoMapsToTheStatusTheUserSees)
{
    const std::pair<int, OpenError> table[] = {
        {ENOENT, OpenError::NotFound}, {ENODEV, OpenError::NotFound}, {ENXIO, OpenError::NotFound},
        {EBUSY, OpenError::Busy},      {EWOULDBLOCK, OpenError::Busy}, {EACCES, OpenError::Denied},
        {EPERM, OpenError::Denied},    {EIO, OpenError::Other},        {EINVAL, OpenError::Other},
        {0, OpenError::None},
    };
    for (auto [err, expected] : table)
        EXPECT_EQ(trelvix::openErrorFromErrno(err), expected) << "errno " << err;
}

TEST(OpenErrors, MissingDeviceIsNotFound)
{
    auto r = trelvix::openPosixPort("/dev/quillora-no-such-port");
    EXPECT_FALSE(r.port);
    EXPECT_EQ(r.error, OpenError::NotFound);
    EXPECT_EQ(r.err, ENOENT);
}

TEST(OpenErrors, SecondOpenOfTheSamePortIsBusy)
{
    PtyPair pty;
    auto first = trelvix::openPosixPort(pty.slavePath());
    ASSERT_TRUE(first.port) << "errno " << first.err;
    auto second = trelvix::openPosixPort(pty.slavePath());
    EXPECT_FALSE(second.port);
    EXPECT_EQ(second.error, OpenError::Busy);
    first.port.reset();
    // Closing the first releases the port.
    EXPECT_TRUE(trelvix::openPosixPort(pty.slavePath()).port);
}

TEST(OpenErrors, SomethingThatIsNoTerminalIsRefused)
{
    char path[] = "/tmp/quillora-notatty-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    auto r = trelvix::openPosixPort(path);
    EXPECT_FALSE(r.port);
    EXPECT_EQ(r.error, OpenError::Other);
    unlink(path);
}

TEST(PosixPort, SettingsReachTheLine)
{
    PtyPair pty;
    auto r = trelvix::openPosixPort(pty.slavePath());
    ASSERT_TRUE(r.port);
    EXPECT_EQ(pty.speed(), 115200u);
    TrelvixLineSettings s = r.port->settings();
    s.speed = 57600;
    ASSERT_TRUE(r.port->applySettings(s));
    EXPECT_EQ(pty.speed(), 57600u);
    s.speed = 12345; // no such rate
    EXPECT_FALSE(r.port->applySettings(s));
    EXPECT_EQ(r.port->settings().speed, 57600u);
    // A pty has no control lines: the port says so instead of inventing them.
    EXPECT_FALSE(r.port->modemStatus().has_value());
}

TEST(PosixPort, ReadWaitsForItsTimeoutThenGivesUp)
{
    PtyPair pty;
    auto port = trelvix::adoptPosixPort(pty.releaseSlave());
    port->setTimeouts({50, 0});
    char c;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port->read(&c, 1, nullptr).status, trelvix::IoResult::TimedOut);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 50ms);
    pty.write("ab");
    char two[8];
    auto r = port->read(two, sizeof two, nullptr);
    EXPECT_EQ(r.status, trelvix::IoResult::Ok);
    EXPECT_EQ(std::string(two, r.count), "ab");
}

// An opened port reads with VMIN 0, where an empty line reads as 0 bytes,
// the same as a closed far end: only the poll can tell them apart.
TEST(PosixPort, AnOpenedPortTakesAnEmptyLineForSilenceNotAHangup)
{
    PtyPair pty;
    auto opened = trelvix::openPosixPort(pty.slavePath());
    ASSERT_TRUE(opened.port);
    opened.port->setTimeouts({50, 0});
    char buffer[8];
    EXPECT_EQ(opened.port->read(buffer, sizeof buffer, nullptr).status, trelvix::IoResult::TimedOut);
    pty.write("ab");
    auto r = opened.port->read(buffer, sizeof buffer, nullptr);
    ASSERT_EQ(r.status, trelvix::IoResult::Ok);
    EXPECT_EQ(std::string(buffer, r.count), "ab");
    pty.closeMaster();
    EXPECT_EQ(opened.port->read(buffer, sizeof buffer, nullptr).status, trelvix::IoResult::Hangup);
}

// A caller may hand over a blocking descriptor; its reads and writes must
// still end at their time-outs.
TEST(PosixPort, AnAdoptedBlockingDescriptorStillTimesOut)
{
    PtyPair pty;
    const int fd = pty.releaseSlave();
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto port = trelvix::adoptPosixPort(fd);
    port->setTimeouts({50, 100});
    auto io = std::async(std::launch::async, [&] {
        char c;
        const auto read = port->read(&c, 1, nullptr).status;
        const std::string big(1 << 20, 'x');
        return std::pair(read, port->write(big.data(), big.size(), nullptr).status);
    });
    if (io.wait_for(5s) != std::future_status::ready) {
        ADD_FAILURE() << "a read or write blocked past its time-out";
        pty.closeMaster(); // the far end going away ends the blocked call
    }
    const auto [read, write] = io.get();
    EXPECT_EQ(read, trelvix::IoResult::TimedOut);
    EXPECT_EQ(write, trelvix::IoResult::TimedOut);
}

TEST(PosixPort, StopEventBreaksAReadWithoutTimeout)
{
    PtyPair pty;
    auto port = trelvix::adoptPosixPort(pty.releaseSlave());
    port->setTimeouts({-1, 0});
    trelvix::Event stop;
    std::thread stopper([&] {
        std::this_thread::sleep_for(20ms);
        stop.set();
    });
    char c;
    EXPECT_EQ(port->read(&c, 1, &stop).status, trelvix::IoResult::Stopped);
    stopper.join();
}

TEST(PosixPort, FarEndClosingIsAHangup)
{
    PtyPair pty;
    auto port = trelvix::adoptPosixPort(pty.releaseSlave());
    pty.closeMaster();
    char c;
    EXPECT_EQ(port->read(&c, 1, nullptr).status, trelvix::IoResult::Hangup);
    EXPECT_EQ(port->write("x", 1, nullptr).status, trelvix::IoResult::Hangup);
}

TEST(PosixPort, WriteTimesOutWhenNobodyReads)
{
    PtyPair pty;
    auto port = trelvix::adoptPosixPort(pty.releaseSlave());
    port->setTimeouts({0, 100});
    const std::string big(1 << 20, 'x');
    auto r = port->write(big.data(), big.size(), nullptr);
    EXPECT_EQ(r.status, trelvix::IoResult::TimedOut);
    EXPECT_GT(r.count, 0u);
    EXPECT_LT(r.count, big.size());
}

TEST(FakePort, ReadHonoursTimeoutAndStop)
{
    trelvix::FakePort port;
    port.setTimeouts({30, 0});
    char c;
    EXPECT_EQ(port.read(&c, 1, nullptr).status, trelvix::IoResult::TimedOut);
    trelvix::Event stop;
    stop.set();
    port.setTimeouts({-1, 0});
    EXPECT_EQ(port.read(&c, 1, &stop).status, trelvix::IoResult::Stopped);
}

TEST(FakePort, FedBytesWakeAWaitingReader)
{
    trelvix::FakePort port;
    port.setTimeouts({-1, 0});
    std::thread feeder([&] {
        std::this_thread::sleep_for(10ms);
        port.feed("hi");
    });
    char buf[4];
    auto r = port.read(buf, sizeof buf, nullptr);
    feeder.join();
    EXPECT_EQ(r.status, trelvix::IoResult::Ok);
    EXPECT_EQ(std::string(buf, r.count), "hi");
}

TEST(FakePort, HeldWriteWaitsForReleaseOrTimeout)
{
    trelvix::FakePort port;
    port.holdWrites(true);
    port.setTimeouts({0, 30});
    EXPECT_EQ(port.write("a", 1, nullptr).status, trelvix::IoResult::TimedOut);
    port.setTimeouts({0, 0});
    std::thread releaser([&] {
        std::this_thread::sleep_for(10ms);
        port.holdWrites(false);
    });
    EXPECT_EQ(port.write("b", 1, nullptr).status, trelvix::IoResult::Ok);
    releaser.join();
    EXPECT_EQ(port.written(), "b");
}

TEST(FakePort, ResponderAnswersWrites)
{
    trelvix::FakePort port;
    port.setTimeouts({100, 0});
    port.setResponder([](trelvix::FakePort &p, std::string_view w) {
        if (w == "AT\r")
            p.feed("OK\r\n");
    });
    port.write("AT\r", 3, nullptr);
    char buf[8];
    auto r = port.read(buf, sizeof buf, nullptr);
    EXPECT_EQ(std::string(buf, r.count), "OK\r\n");
}

} // namespace
