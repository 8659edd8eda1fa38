// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The phone seen from the PC's side: a program opening the pty's slave like
// a serial port, and a FakePort written to like the library would.

#include "fake_port.h"
#include "phone_link.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using phonesim::FakePortPhone;
using phonesim::PtyPhone;

// The program's end of the pty, opened the way a serial program would.
class Slave {
public:
    explicit Slave(const std::string &path, speed_t speed = B115200)
        : fd_(open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC))
    {
        if (fd_ >= 0)
            setSpeed(speed);
    }
    ~Slave()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    int fd() const { return fd_; }

    void setSpeed(speed_t speed)
    {
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        cfsetspeed(&tio, speed);
        tcsetattr(fd_, TCSANOW, &tio);
    }
    bool write(std::string_view bytes) { return ::write(fd_, bytes.data(), bytes.size()) == ssize_t(bytes.size()); }

    struct Got {
        std::string bytes;
        bool ended = false; // end of file or EIO: the phone hung up
    };
    // Reads until `until` came, the line ended or the time is up.
    Got readUntil(const std::string &until, std::chrono::milliseconds timeout)
    {
        Got got;
        const auto deadline = Clock::now() + timeout;
        while (until.empty() || got.bytes.find(until) == std::string::npos) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            pollfd p{fd_, POLLIN, 0};
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0)
                break;
            char buffer[256];
            const ssize_t n = read(fd_, buffer, sizeof buffer);
            if (n > 0) {
                got.bytes.append(buffer, static_cast<size_t>(n));
            } else if (n == 0 || errno == EIO) {
                got.ended = true;
                break;
            }
        }
        return got;
    }

private:
    int fd_;
};

std::string still()
{
    return std::string("\x02\x04\xD2\x05\x00\xD7\x06\x03\x00", 9);
}

TEST(LinuxPty, MasterAndSlaveShareOneTermios)
{
    // What PtyPhone relies on to learn the PC's line speed.
    int master = -1, slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    termios tio{};
    tcgetattr(slave, &tio);
    cfsetspeed(&tio, B19200);
    tcsetattr(slave, TCSANOW, &tio);
    termios seen{};
    tcgetattr(master, &seen);
    EXPECT_EQ(cfgetospeed(&seen), B19200);
    close(slave);
    close(master);
}

TEST(PtyPhone, AnswersTextAndRawBinaryOnTheSlave)
{
    PtyPhone phone;
    Slave line(phone.slavePath());
    ASSERT_GE(line.fd(), 0);
    ASSERT_TRUE(line.write("AT+CGMI\r"));
    EXPECT_EQ(line.readUntil("OK\r\n", 2s).bytes, "AT+CGMI\r\r\n+CGMI: QUILLORA LABS\r\n\r\nOK\r\n");
    // 03, 12 and the like must pass untouched: the line is raw both ways.
    std::string expected("\x02\x0C\xD2\x05\x01\xD7\x35\x12\x34\x56\x78\x90\x12\x03", 14);
    unsigned char x = 0;
    for (char c : expected)
        x ^= static_cast<unsigned char>(c);
    expected += static_cast<char>(x);
    expected += '\x03';
    ASSERT_TRUE(line.write(still()));
    EXPECT_EQ(phonesim::hexBytes(line.readUntil(expected, 2s).bytes), phonesim::hexBytes(expected));
}

TEST(PtyPhone, CapabilityDataAndForcedErrorsCrossTheLineUntouched)
{
    // NUL, a lone LF and bytes above 7F: a pty that still processed the
    // phone's output would add a CR to the LF or eat bytes.
    const std::string raw("BMP\0:30\n\xFF\xE9:128", 14);
    PtyPhone phone({.echo = false,
                    .rawCapabilityData = {{"PICTURES", raw}},
                    .forcedErrors = {{"+KPSV", "+CME ERROR: 100,-13"}}});
    Slave line(phone.slavePath());
    ASSERT_GE(line.fd(), 0);
    ASSERT_TRUE(line.write("AT+KPSCAP=\"PICTURES\"\r"));
    const std::string expected = "\r\n+KPSCAP: 14\r\n\r\nCONNECT\r\n" + raw + "\r\nNO CARRIER\r\n";
    EXPECT_EQ(phonesim::hexBytes(line.readUntil(expected, 2s).bytes), phonesim::hexBytes(expected));
    // An OK after NO CARRIER would come first here.
    ASSERT_TRUE(line.write("AT+KPSV\r"));
    EXPECT_EQ(line.readUntil("\r\n+CME ERROR: 100,-13\r\n", 2s).bytes, "\r\n+CME ERROR: 100,-13\r\n");
}

TEST(PtyPhone, HearsOnlyTheSpeedItListensAt)
{
    PtyPhone phone;
    Slave line(phone.slavePath(), B19200);
    ASSERT_TRUE(line.write("AT\r"));
    EXPECT_EQ(line.readUntil("", 300ms).bytes, "");
    line.setSpeed(B115200);
    ASSERT_TRUE(line.write("AT+KIPR=19200\r"));
    EXPECT_EQ(line.readUntil("OK\r\n", 2s).bytes, "AT+KIPR=19200\r\r\nOK\r\n");
    EXPECT_EQ(phone.speed(), 19200u);
    line.setSpeed(B19200);
    ASSERT_TRUE(line.write("AT\r"));
    EXPECT_EQ(line.readUntil("OK\r\n", 2s).bytes, "AT\r\r\nOK\r\n");
}

TEST(PtyPhone, OutlivesTheProgramsCloseAndItsExclusiveFlag)
{
    PtyPhone phone({.echo = false});
    {
        Slave first(phone.slavePath());
        ASSERT_EQ(ioctl(first.fd(), TIOCEXCL), 0);
        ASSERT_TRUE(first.write("AT\r"));
        EXPECT_EQ(first.readUntil("OK\r\n", 2s).bytes, "\r\nOK\r\n");
    }
    Slave second(phone.slavePath()); // root passes TIOCEXCL; ordinary users would not
    ASSERT_GE(second.fd(), 0);
    EXPECT_TRUE(testing_support::eventually([&] {
        int exclusive = 1;
        return ioctl(second.fd(), TIOCGEXCL, &exclusive) == 0 && exclusive == 0;
    }, 2s));
    ASSERT_TRUE(second.write("AT\r"));
    EXPECT_EQ(second.readUntil("OK\r\n", 2s).bytes, "\r\nOK\r\n");
}

TEST(PtyPhone, HangupAfterBytesEndsTheLink)
{
    PtyPhone phone({.hangupAfterBytes = 5});
    Slave line(phone.slavePath());
    ASSERT_TRUE(line.write("AT\r"));
    const auto got = line.readUntil("never", 2s);
    EXPECT_EQ(got.bytes, "AT\r\r\n");
    EXPECT_TRUE(got.ended);
    EXPECT_TRUE(phone.waitHungUp(2s));
}

TEST(PtyPhone, DelayAndPiecesPaceTheReplyAndStopIsBounded)
{
    PtyPhone phone({.replyDelayMs = 100, .pieceSize = 2, .pieceGapMs = 30});
    Slave line(phone.slavePath());
    const auto start = Clock::now();
    ASSERT_TRUE(line.write("AT\r"));
    EXPECT_EQ(line.readUntil("OK\r\n", 3s).bytes, "AT\r\r\nOK\r\n");
    // 9 bytes in 5 pieces: the delay and 4 gaps at least.
    EXPECT_GE(Clock::now() - start, 100ms + 4 * 30ms);

    std::promise<void> taken;
    auto phoneInDelay = std::make_unique<PtyPhone>(phonesim::PhoneOptions{.replyDelayMs = 60000},
                                                   [&](const phonesim::PhoneModel::Exchange &) { taken.set_value(); });
    Slave other(phoneInDelay->slavePath());
    ASSERT_TRUE(other.write("AT\r"));
    ASSERT_EQ(taken.get_future().wait_for(2s), std::future_status::ready);
    const auto stopAt = Clock::now();
    phoneInDelay.reset();
    EXPECT_LT(Clock::now() - stopAt, 2s);
}

// Reads from a FakePort until `until` came or the time is up.
std::string readPort(trelvix::FakePort &port, const std::string &until, std::chrono::milliseconds timeout,
                     trelvix::IoResult::Status *last = nullptr)
{
    port.setTimeouts({static_cast<int>(timeout.count()), 0});
    std::string got;
    const auto deadline = Clock::now() + timeout;
    while (got.find(until) == std::string::npos && Clock::now() < deadline) {
        char buffer[256];
        const auto r = port.read(buffer, sizeof buffer, nullptr);
        if (last)
            *last = r.status;
        if (r.status != trelvix::IoResult::Ok)
            break;
        got.append(buffer, r.count);
    }
    return got;
}

TEST(FakePortPhone, AnswersWritesAtThePortsSpeed)
{
    trelvix::FakePort port;
    FakePortPhone phone(port, {.pieceSize = 3});
    ASSERT_EQ(port.write("AT+CGMM\r", 8, nullptr).status, trelvix::IoResult::Ok);
    EXPECT_EQ(readPort(port, "OK\r\n", 2s), "AT+CGMM\r\r\n+CGMM: QP-200\r\n\r\nOK\r\n");

    TrelvixLineSettings s = port.settings();
    s.speed = 9600;
    port.applySettings(s);
    port.write("AT\r", 3, nullptr);
    EXPECT_EQ(readPort(port, "OK", 300ms), "");

    s.speed = 115200;
    port.applySettings(s);
    phone.detach();
    port.write("AT\r", 3, nullptr);
    EXPECT_EQ(readPort(port, "OK", 300ms), "") << "a detached phone is gone";
}

TEST(FakePortPhone, HangupCutsThePort)
{
    trelvix::FakePort port;
    FakePortPhone phone(port, {.hangupAfterBytes = 4});
    port.write("AT\r", 3, nullptr);
    trelvix::IoResult::Status last = trelvix::IoResult::Ok;
    EXPECT_EQ(readPort(port, "never", 2s, &last), "AT\r\r");
    EXPECT_EQ(last, trelvix::IoResult::Hangup);
    EXPECT_TRUE(phone.hungUp());
}

} // namespace
