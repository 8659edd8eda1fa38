// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The phone seen from the PC's side: a program opening the pty's slave like
// a serial port, and a FakePort written to like the library would.

#include "fake_port.h"
#include "phone_link.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
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

    // Writes as much as the phone takes within the time; the count written.
    size_t writeAll(std::string_view bytes, std::chrono::milliseconds timeout)
    {
        const auto deadline = Clock::now() + timeout;
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<size_t>(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                break;
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            pollfd p{fd_, POLLOUT, 0};
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0)
                break;
        }
        return done;
    }

    // Exactly n bytes, or fewer when the time is up.
    std::string readCount(size_t n, std::chrono::milliseconds timeout)
    {
        std::string got;
        got.reserve(n);
        std::vector<char> buffer(64 << 10);
        const auto deadline = Clock::now() + timeout;
        while (got.size() < n) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            pollfd p{fd_, POLLIN, 0};
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0)
                break;
            const ssize_t r = read(fd_, buffer.data(), std::min(buffer.size(), n - got.size()));
            if (r > 0)
                got.append(buffer.data(), static_cast<size_t>(r));
            else if (r == 0 || errno == EIO)
                break;
        }
        return got;
    }

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

// The object package as the PC builds it: a title section, then the object.
std::string packageOf(std::u16string_view title, uint16_t type, const std::string &object)
{
    const auto le = [](uint32_t v, int width) {
        std::string out;
        for (int i = 0; i < width; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
        return out;
    };
    std::string titleBytes;
    for (char16_t c : title)
        titleBytes += le(c, 2);
    const std::string sections = le(0, 2) + le(0, 2) + le(static_cast<uint32_t>(titleBytes.size()), 4) + titleBytes +
                                 le(type, 2) + le(1, 2) + le(static_cast<uint32_t>(object.size()), 4) + object;
    return le(static_cast<uint32_t>(4 + sections.size()), 4) + std::string("\x01\x00\x01\x00", 4) + sections;
}

std::string patterned(size_t n)
{
    std::string out(n, '\0');
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return out;
}

const std::string kFirstName = "0050006900630030003000300031"; // Pic0001

TEST(PtyPhoneObjects, SeveralMegabytesUpAndDownUnthrottled)
{
    PtyPhone phone({.echo = false});
    Slave line(phone.slavePath());
    ASSERT_GE(line.fd(), 0);
    const std::string object = patterned(4u << 20);
    const std::string data = packageOf(u"Big", 104, object);
    ASSERT_TRUE(line.write("AT+KPSW=\"JPEG\"," + std::to_string(data.size()) + "\r"));
    ASSERT_EQ(line.readUntil("CONNECT\r\n", 2s).bytes, "\r\nCONNECT\r\n");
    ASSERT_EQ(line.writeAll(data, 30s), data.size());
    EXPECT_EQ(line.readUntil("OK\r\n", 10s).bytes,
              "\r\nNO CARRIER\r\n\r\n+KPSW: \"" + kFirstName + "\"," + std::to_string(object.size()) +
                  "\r\n\r\nOK\r\n");
    bool same = false;
    phone.withStore([&](phonesim::ObjectStore &store) {
        const auto *stored = store.find(u"Pic0001");
        same = stored && *stored->data == object && stored->title == u"Big";
    });
    EXPECT_TRUE(same);

    const std::string head = "\r\n+KPSR: " + std::to_string(data.size()) + "\r\n\r\nCONNECT\r\n";
    const std::string tail = "\r\nNO CARRIER\r\n";
    ASSERT_TRUE(line.write("AT+KPSR=\"" + kFirstName + "\"\r"));
    const std::string got = line.readCount(head.size() + data.size() + tail.size(), 30s);
    ASSERT_EQ(got.size(), head.size() + data.size() + tail.size());
    EXPECT_EQ(got.substr(0, head.size()), head);
    EXPECT_TRUE(got.compare(head.size(), data.size(), data) == 0) << "the package comes back byte for byte";
    EXPECT_EQ(got.substr(got.size() - tail.size()), tail);
}

TEST(PtyPhoneObjects, LineRateBoundsBothDirections)
{
    const std::string object = patterned(20000);
    PtyPhone phone({.echo = false, .lineRate = 20000});
    Slave line(phone.slavePath());
    const std::string data = packageOf(u"", 104, object);
    ASSERT_TRUE(line.write("AT+KPSW=\"JPEG\"," + std::to_string(data.size()) + "\r"));
    ASSERT_EQ(line.readUntil("CONNECT\r\n", 2s).bytes, "\r\nCONNECT\r\n");
    auto start = Clock::now();
    ASSERT_EQ(line.writeAll(data, 10s), data.size());
    ASSERT_NE(line.readUntil("OK\r\n", 10s).bytes.find("+KPSW: "), std::string::npos);
    EXPECT_GE(Clock::now() - start, 800ms) << "one second of data at 20000 bytes a second";

    ASSERT_TRUE(line.write("AT+KPSR=\"" + kFirstName + "\"\r"));
    start = Clock::now();
    const std::string got = line.readCount(data.size() + 40, 10s);
    EXPECT_NE(got.find("NO CARRIER"), std::string::npos);
    EXPECT_GE(Clock::now() - start, 800ms);
}

TEST(PtyPhoneObjects, AStalledPhoneLeavesTheWriterBlockedOrLate)
{
    const std::string data(1u << 20, 'd');
    const std::string command = "AT+KPSW=\"MIDI\"," + std::to_string(data.size()) + "\r";
    {
        PtyPhone phone({.protocolVersion = "2.00", .echo = false, .dataStallAfterBytes = 1000});
        Slave line(phone.slavePath());
        ASSERT_TRUE(line.write(command));
        ASSERT_EQ(line.readUntil("CONNECT\r\n", 2s).bytes, "\r\nCONNECT\r\n");
        // The pty's buffer takes some; then writes block for good.
        const size_t written = line.writeAll(data, 1s);
        EXPECT_LT(written, data.size());
        EXPECT_GE(written, 1000u);
        EXPECT_EQ(line.readUntil("", 200ms).bytes, "");
    }
    PtyPhone phone({.protocolVersion = "2.00", .echo = false, .dataStallAfterBytes = 1000, .dataStallMs = 300});
    Slave line(phone.slavePath());
    ASSERT_TRUE(line.write(command));
    ASSERT_EQ(line.readUntil("CONNECT\r\n", 2s).bytes, "\r\nCONNECT\r\n");
    const auto start = Clock::now();
    ASSERT_EQ(line.writeAll(data, 10s), data.size());
    EXPECT_NE(line.readUntil("OK\r\n", 10s).bytes.find("+KPSW: "), std::string::npos);
    EXPECT_GE(Clock::now() - start, 300ms);
}

// The PC's flush of its output (an upload given up) during a data phase it
// sends: the phone leaves the phase at once, even stalled with its timer
// far off, keeps nothing, and reads commands again. A flush outside a data
// phase changes nothing.
TEST(PtyPhoneObjects, OutputFlushEndsTheIncomingPhase)
{
    PtyPhone phone({.protocolVersion = "2.00", .echo = false, .dataStallAfterBytes = 1000, .dataStallMs = 60000});
    Slave line(phone.slavePath());
    ASSERT_TRUE(line.write("AT\r"));
    ASSERT_EQ(line.readUntil("OK\r\n", 2s).bytes, "\r\nOK\r\n");
    tcflush(line.fd(), TCIOFLUSH);
    ASSERT_TRUE(line.write("AT\r"));
    EXPECT_EQ(line.readUntil("OK\r\n", 2s).bytes, "\r\nOK\r\n");

    const std::string data(1u << 20, 'd');
    ASSERT_TRUE(line.write("AT+KPSW=\"MIDI\"," + std::to_string(data.size()) + "\r"));
    ASSERT_EQ(line.readUntil("CONNECT\r\n", 2s).bytes, "\r\nCONNECT\r\n");
    ASSERT_LT(line.writeAll(data, 300ms), data.size()) << "the phone stalled";
    const auto start = Clock::now();
    tcflush(line.fd(), TCOFLUSH);
    EXPECT_EQ(line.readUntil("NO CARRIER\r\n", 2s).bytes, "\r\nNO CARRIER\r\n");
    EXPECT_LT(Clock::now() - start, 1s);
    ASSERT_TRUE(line.write("AT\r"));
    EXPECT_EQ(line.readUntil("OK\r\n", 2s).bytes, "\r\nOK\r\n");
    ASSERT_TRUE(line.write("AT+KPSW=\"MIDI\",4\rMThd"));
    EXPECT_NE(line.readUntil("OK\r\n", 2s).bytes.find("+KPSW: "), std::string::npos);
    std::vector<std::string> stored;
    phone.withStore([&](phonesim::ObjectStore &store) {
        for (const auto &object : store.objects())
            stored.push_back(*object.data);
    });
    EXPECT_EQ(stored, std::vector<std::string>{"MThd"});
}

// The PC's flush of its input (a retrieval given up): the phone sends none
// of the rest of the object and, as the PC has just dropped what came in,
// no NO CARRIER either; the next reply is not behind anything.
TEST(PtyPhoneObjects, InputFlushEndsTheOutgoingPhase)
{
    const std::string object = patterned(200000); // ten seconds at the line rate
    PtyPhone phone({.protocolVersion = "2.00",
                    .echo = false,
                    .objects = {{phonesim::Category::Sounds, {}, u"M", "MIDI", false,
                                 std::make_shared<const std::string>(object)}},
                    .lineRate = 20000});
    Slave line(phone.slavePath());
    ASSERT_TRUE(line.write("AT+KPSR=\"0053006E00640030003000300031\"\r"));
    const std::string head = "\r\n+KPSR: 200000\r\n\r\nCONNECT\r\n";
    ASSERT_EQ(line.readCount(head.size() + 2000, 2s).substr(0, head.size()), head);
    tcflush(line.fd(), TCIFLUSH);
    const std::string rest = line.readUntil("", 300ms).bytes;
    EXPECT_EQ(rest.find("NO CARRIER"), std::string::npos);
    EXPECT_LT(rest.size(), 2000u) << "at most what was under way";
    ASSERT_TRUE(line.write("AT\r"));
    EXPECT_EQ(line.readUntil("OK\r\n", 2s).bytes, "\r\nOK\r\n");
}

TEST(FakePortPhone, ReadStallHoldsWritesAndResumes)
{
    trelvix::FakePort port;
    std::promise<void> stalled;
    FakePortPhone phone(port, {.protocolVersion = "2.00", .echo = false, .dataStallAfterBytes = 2, .dataStallMs = 100},
                        [&](const phonesim::PhoneModel::Exchange &e) {
                            if (e.note.rfind("stopped reading", 0) == 0)
                                stalled.set_value();
                        });
    const std::string command = "AT+KPSW=\"MIDI\",4\r";
    port.write(command.data(), command.size(), nullptr);
    EXPECT_EQ(readPort(port, "CONNECT\r\n", 2s), "\r\nCONNECT\r\n");
    const auto start = Clock::now();
    port.write("MT", 2, nullptr);
    port.write("hd", 2, nullptr);
    ASSERT_EQ(stalled.get_future().wait_for(2s), std::future_status::ready);
    EXPECT_NE(readPort(port, "OK\r\n", 3s).find("+KPSW: "), std::string::npos);
    EXPECT_GE(Clock::now() - start, 100ms);
    std::string data;
    phone.withStore([&](phonesim::ObjectStore &store) { data = *store.objects().at(0).data; });
    EXPECT_EQ(data, "MThd");
}

// DTR dropping ends a data phase either way: NO CARRIER, nothing stored of
// an incoming one, the rest of an outgoing one never sent; input while DTR
// is off is lost, and the phone takes commands again once it is back.
TEST(FakePortPhone, DtrDropLeavesTheDataMode)
{
    trelvix::FakePort port;
    const std::string object = patterned(3000);
    FakePortPhone phone(port, {.protocolVersion = "2.00",
                               .echo = false,
                               .objects = {{phonesim::Category::Sounds, {}, u"M", "MIDI", false,
                                            std::make_shared<const std::string>(object)}},
                               .dataStallAfterBytes = 100});
    const auto write = [&](std::string_view bytes) { port.write(bytes.data(), bytes.size(), nullptr); };
    port.setDtr(false);
    port.setDtr(true);
    write("AT\r");
    EXPECT_EQ(readPort(port, "OK\r\n", 2s), "\r\nOK\r\n") << "outside a data phase the pulse does nothing";

    write("AT+KPSW=\"MIDI\",500\r");
    ASSERT_EQ(readPort(port, "CONNECT\r\n", 2s), "\r\nCONNECT\r\n");
    write(std::string(200, 'd')); // the phone stalls after 100 of them
    port.setDtr(false);
    EXPECT_EQ(readPort(port, "NO CARRIER\r\n", 2s), "\r\nNO CARRIER\r\n");
    write("AT\r");
    EXPECT_EQ(readPort(port, "OK", 300ms), "") << "DTR is off";
    port.setDtr(true);
    write("AT\r");
    EXPECT_EQ(readPort(port, "OK\r\n", 2s), "\r\nOK\r\n");
    size_t stored = 0;
    phone.withStore([&](phonesim::ObjectStore &store) { stored = store.objects().size(); });
    EXPECT_EQ(stored, 1u) << "only the planted object";

    // Stalled for ever after 100 data bytes while sending.
    const std::string head = "\r\n+KPSR: 3000\r\n\r\nCONNECT\r\n";
    write("AT+KPSR=\"0053006E00640030003000300031\"\r");
    EXPECT_EQ(readPort(port, head + object.substr(0, 100), 2s), head + object.substr(0, 100));
    port.setDtr(false);
    EXPECT_EQ(readPort(port, "NO CARRIER\r\n", 2s), "\r\nNO CARRIER\r\n");
    port.setDtr(true);
    write("AT\r");
    EXPECT_EQ(readPort(port, "OK\r\n", 2s), "\r\nOK\r\n") << "no longer stuck in the phase";
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
