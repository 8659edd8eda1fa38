// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The only file that knows termios and the serial ioctls.

#include "event.h"
#include "port.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace trelvix {

OpenError openErrorFromErrno(int err)
{
    switch (err) {
    case 0:
        return OpenError::None;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return OpenError::NotFound;
    case EBUSY:
    case EWOULDBLOCK:
        return OpenError::Busy;
    case EACCES:
    case EPERM:
        return OpenError::Denied;
    default:
        return OpenError::Other;
    }
}

namespace {

using Clock = std::chrono::steady_clock;

speed_t speedCode(uint32_t bps)
{
    switch (bps) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 921600: return B921600;
    default: return B0;
    }
}

// Milliseconds left until the deadline, for poll(2); -1 waits for ever.
int msLeft(Clock::time_point deadline, bool forever)
{
    if (forever)
        return -1;
    // Rounded up: a wait must never end before its time-out.
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

enum class Wait { Ready, TimedOut, Stopped, Hangup, Failed };

// Waits for the descriptor to be ready for `events`, or for the stop event.
Wait waitFor(int fd, short events, const Event *stop, Clock::time_point deadline, bool forever)
{
    for (;;) {
        pollfd p[2] = {{fd, events, 0}, {stop ? stop->fd() : -1, POLLIN, 0}};
        int rc = poll(p, stop ? 2 : 1, msLeft(deadline, forever));
        if (rc < 0) {
            if (errno == EINTR)
                continue;
            return Wait::Failed;
        }
        if (rc == 0)
            return Wait::TimedOut;
        if (stop && (p[1].revents & POLLIN))
            return Wait::Stopped;
        if (p[0].revents & events)
            return Wait::Ready;
        if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL))
            return Wait::Hangup;
    }
}

bool isHangupErrno(int err)
{
    return err == EIO || err == EPIPE || err == ENXIO || err == ENODEV;
}

class PosixPort final : public Port {
public:
    explicit PosixPort(int fd) : fd_(fd)
    {
        settings_ = {115200, 8, TRELVIX_PARITY_NONE, 1, 0, 0, TRELVIX_DTR_ON, TRELVIX_RTS_ON, 0};
        takeLineErrors(); // the counters start from here
    }

    ~PosixPort() override
    {
        // Unsent output would make close() wait for the driver to drain it
        // (up to closing_wait, 30 s by default on UARTs): drop it first.
        tcflush(fd_, TCIOFLUSH);
        close(fd_);
    }

    bool applySettings(const TrelvixLineSettings &s) override;
    TrelvixLineSettings settings() const override { return settings_; }
    void setTimeouts(const Timeouts &t) override { timeouts_ = t; }
    Timeouts timeouts() const override { return timeouts_; }
    IoResult read(void *buffer, size_t n, const Event *stop) override;
    IoResult write(const void *data, size_t n, const Event *stop) override;

    void purge(unsigned what) override
    {
        if ((what & kPurgeAll) == kPurgeAll)
            tcflush(fd_, TCIOFLUSH);
        else if (what & kPurgeRx)
            tcflush(fd_, TCIFLUSH);
        else if (what & kPurgeTx)
            tcflush(fd_, TCOFLUSH);
    }

    int outputQueue() override
    {
        int queued = 0;
        return ioctl(fd_, TIOCOUTQ, &queued) == 0 ? queued : 0;
    }

    bool drain(int timeoutMs) override
    {
        // tcdrain() cannot be interrupted, and a line held by flow control
        // never drains; watch the queue instead.
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (outputQueue() > 0) {
            if (Clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }

    std::optional<uint32_t> modemStatus() override
    {
        int bits = 0;
        if (ioctl(fd_, TIOCMGET, &bits) != 0)
            return std::nullopt;
        uint32_t lines = 0;
        if (bits & TIOCM_CTS) lines |= kLineCts;
        if (bits & TIOCM_DSR) lines |= kLineDsr;
        if (bits & TIOCM_RNG) lines |= kLineRing;
        if (bits & TIOCM_CAR) lines |= kLineDcd;
        return lines;
    }

    bool setDtr(bool on) override { return setLine(TIOCM_DTR, on); }
    bool setRts(bool on) override { return setLine(TIOCM_RTS, on); }
    bool setBreak(bool on) override { return ioctl(fd_, on ? TIOCSBRK : TIOCCBRK) == 0; }
    uint32_t takeLineErrors() override;

private:
    bool setLine(int bit, bool on) { return ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) == 0; }

    int fd_;
    TrelvixLineSettings settings_;
    Timeouts timeouts_;
    serial_icounter_struct counts_{};
};

bool PosixPort::applySettings(const TrelvixLineSettings &s)
{
    termios tio{};
    const speed_t code = speedCode(s.speed);
    if (code == B0 || tcgetattr(fd_, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= (s.dataBits >= 5 && s.dataBits <= 8) ? sizes[s.dataBits - 5] : CS8;
    if (s.parity == TRELVIX_PARITY_ODD)
        tio.c_cflag |= PARENB | PARODD;
    else if (s.parity == TRELVIX_PARITY_EVEN)
        tio.c_cflag |= PARENB;
    if (s.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    // Linux ties both directions of hardware flow control to one flag; output
    // flow is what matters to us (the phone holds CTS low when it is busy).
    if (s.ctsOutFlow)
        tio.c_cflag |= CRTSCTS;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, code);
    cfsetospeed(&tio, code);
    if (tcsetattr(fd_, TCSANOW, &tio) != 0)
        return false;
    // Control lines are absent on a pseudo-terminal; that is not an error.
    setDtr(s.dtrControl != TRELVIX_DTR_OFF);
    if (!s.ctsOutFlow)
        setRts(s.rtsControl != TRELVIX_RTS_OFF);
    settings_ = s;
    return true;
}

IoResult PosixPort::read(void *buffer, size_t n, const Event *stop)
{
    const bool forever = timeouts_.readTotalMs < 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(forever ? 0 : timeouts_.readTotalMs);
    // Read first: while data streams in, bytes are already waiting and the
    // poll would only cost a system call per chunk. With VMIN 0 an empty
    // line reads as 0 bytes, so 0 means a hang-up only after poll said ready.
    for (bool polled = false;; polled = true) {
        ssize_t got = ::read(fd_, buffer, n);
        if (got > 0)
            return {IoResult::Ok, static_cast<size_t>(got), 0};
        if (got == 0 && polled)
            return {IoResult::Hangup, 0, 0}; // a pty whose other side closed
        if (got < 0 && errno != EAGAIN && errno != EINTR) {
            const int err = errno;
            return {isHangupErrno(err) ? IoResult::Hangup : IoResult::Failed, 0, err};
        }
        switch (waitFor(fd_, POLLIN, stop, deadline, forever)) {
        case Wait::TimedOut: return {IoResult::TimedOut, 0, 0};
        case Wait::Stopped: return {IoResult::Stopped, 0, 0};
        case Wait::Hangup: return {IoResult::Hangup, 0, EIO};
        case Wait::Failed: return {IoResult::Failed, 0, errno};
        case Wait::Ready: break;
        }
    }
}

IoResult PosixPort::write(const void *data, size_t n, const Event *stop)
{
    const bool forever = timeouts_.writeTotalMs <= 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeouts_.writeTotalMs);
    const auto *bytes = static_cast<const uint8_t *>(data);
    size_t done = 0;
    while (done < n) {
        if (stop && stop->isSet())
            return {IoResult::Stopped, done, 0};
        ssize_t put = ::write(fd_, bytes + done, n - done);
        if (put > 0) {
            done += static_cast<size_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) {
            const int err = errno;
            return {isHangupErrno(err) ? IoResult::Hangup : IoResult::Failed, done, err};
        }
        switch (waitFor(fd_, POLLOUT, stop, deadline, forever)) {
        case Wait::TimedOut: return {IoResult::TimedOut, done, 0};
        case Wait::Stopped: return {IoResult::Stopped, done, 0};
        case Wait::Hangup: return {IoResult::Hangup, done, EIO};
        case Wait::Failed: return {IoResult::Failed, done, errno};
        case Wait::Ready: break;
        }
    }
    return {IoResult::Ok, done, 0};
}

uint32_t PosixPort::takeLineErrors()
{
    serial_icounter_struct now{};
    if (ioctl(fd_, TIOCGICOUNT, &now) != 0)
        return 0; // a pty or a driver without counters
    uint32_t mask = 0;
    if (now.buf_overrun != counts_.buf_overrun) mask |= TRELVIX_CE_RXOVER;
    if (now.overrun != counts_.overrun) mask |= TRELVIX_CE_OVERRUN;
    if (now.parity != counts_.parity) mask |= TRELVIX_CE_RXPARITY;
    if (now.frame != counts_.frame) mask |= TRELVIX_CE_FRAME;
    if (now.brk != counts_.brk) mask |= TRELVIX_CE_BREAK;
    counts_ = now;
    return mask;
}

} // namespace

OpenResult openPosixPort(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {nullptr, openErrorFromErrno(errno), errno};
    // flock keeps out every other program that locks, root included, and is
    // atomic; TIOCEXCL additionally refuses opens by programs that do not
    // lock (for ordinary users). Neither alone closes the race between two
    // processes opening the same device at once.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno == EWOULDBLOCK ? EBUSY : errno;
        close(fd);
        return {nullptr, openErrorFromErrno(err), err};
    }
    if (ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY && errno != EINVAL) {
        const int err = errno;
        close(fd);
        return {nullptr, openErrorFromErrno(err), err};
    }
    termios probe{};
    if (tcgetattr(fd, &probe) != 0) {
        const int err = errno;
        close(fd);
        return {nullptr, OpenError::Other, err};
    }
    auto port = std::make_unique<PosixPort>(fd);
    port->applySettings(port->settings());
    tcflush(fd, TCIOFLUSH);
    return {std::move(port), OpenError::None, 0};
}

std::unique_ptr<Port> adoptPosixPort(int fd)
{
    // Every wait polls and then reads or writes what is there: a blocking
    // descriptor would hang a read past its time-out and its stop event.
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0 && !(flags & O_NONBLOCK))
        fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    return std::make_unique<PosixPort>(fd);
}

} // namespace trelvix
