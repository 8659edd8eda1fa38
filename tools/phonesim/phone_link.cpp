// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_link.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace phonesim {

namespace {

struct Rate {
    uint32_t bps;
    speed_t code;
};

constexpr Rate kRates[] = {
    {300, B300},       {600, B600},       {1200, B1200},     {2400, B2400},     {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
    {230400, B230400}, {460800, B460800}, {921600, B921600},
};

uint32_t bpsOf(speed_t code)
{
    for (const Rate &r : kRates)
        if (r.code == code)
            return r.bps;
    return 0;
}

speed_t codeOf(uint32_t bps)
{
    for (const Rate &r : kRates)
        if (r.bps == bps)
            return r.code;
    return B0;
}

// --- Pacer ---

// A tenth of a second's worth of bytes at the line rate, so the rate holds
// within that; unthrottled output goes in chunks big enough to stream.
size_t chunkFor(const PhoneOptions &options)
{
    size_t chunk = options.lineRate > 0 ? std::max<size_t>(1, options.lineRate / 100) : size_t(64) << 10;
    if (options.pieceSize > 0)
        chunk = std::min(chunk, options.pieceSize);
    return chunk;
}

// The data phases an output holds: runs of pieces marked dataPhase.
int phasesIn(const Output &output)
{
    int count = 0;
    bool in = false;
    for (const Output::Piece &piece : output.pieces()) {
        count += piece.dataPhase && !in;
        in = piece.dataPhase;
    }
    return count;
}

const std::string_view kNoCarrier = "\r\nNO CARRIER\r\n";

} // namespace

Pacer::Pacer(const PhoneOptions &options, Write write, Hangup hangup)
    : delayMs_(options.replyDelayMs), pieceSize_(options.pieceSize), gapMs_(options.pieceGapMs),
      rate_(options.lineRate), chunk_(chunkFor(options)), write_(std::move(write)), hangup_(std::move(hangup))
{
    thread_ = std::thread(&Pacer::run, this);
}

Pacer::~Pacer()
{
    stop();
}

void Pacer::send(Output output, bool thenHangUp)
{
    std::lock_guard lock(mutex_);
    if (stopping_)
        return;
    const int phases = phasesIn(output);
    phases_ += phases;
    sentPhases_ += phases;
    queue_.push_back({std::move(output), thenHangUp, {}});
    queued_.notify_one();
}

void Pacer::after(int ms, std::function<void()> then, bool inDataPhase)
{
    Output wait;
    wait.appendPause(ms);
    if (inDataPhase)
        wait.markDataPhase();
    std::lock_guard lock(mutex_);
    if (stopping_)
        return;
    phases_ += inDataPhase;
    queue_.push_back({std::move(wait), false, std::move(then)});
    queued_.notify_one();
}

bool Pacer::dropDataPhase(bool answered)
{
    std::lock_guard lock(mutex_);
    if (phases_ == 0)
        return false;
    answerDrop_ = answered;
    abort_.set();
    return sentPhases_ > 0;
}

void Pacer::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.set();
    queued_.notify_all();
    idle_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void Pacer::run()
{
    for (;;) {
        Item item;
        {
            std::unique_lock lock(mutex_);
            queued_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            item = std::move(queue_.front());
            queue_.pop_front();
            busy_ = true;
        }
        const bool delivered = item.output.empty() || deliver(item);
        if (delivered && item.then)
            item.then();
        if (delivered && item.hangup)
            hangup_();
        const bool goOn = delivered && !item.hangup;
        {
            // Stopped or hung up, the phone has nothing more to send either.
            std::lock_guard lock(mutex_);
            busy_ = false;
            stopping_ = stopping_ || !goOn;
        }
        idle_.notify_all();
        if (!goOn)
            return;
    }
}

bool Pacer::waitIdle(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, timeout, [&] { return stopping_ || (queue_.empty() && !busy_); });
}

bool Pacer::deliver(const Item &item)
{
    const Output &output = item.output;
    if (delayMs_ > 0 && output.size() > 0 && stop_.wait(std::chrono::milliseconds(delayMs_)))
        return false;
    size_t sent = 0;
    bool inPhase = false;
    bool cut = false; // some of the current data phase was dropped
    for (const Output::Piece &piece : output.pieces()) {
        if (inPhase && !piece.dataPhase) {
            if (!endPhase(item, cut))
                return false;
            cut = false;
        }
        inPhase = piece.dataPhase;
        if (inPhase && abort_.isSet()) {
            cut = true;
            continue;
        }
        switch (deliverPiece(piece, sent)) {
        case Sent::Stopped: return false;
        case Sent::Dropped: cut = true; break;
        case Sent::Done: break;
        }
    }
    return !inPhase || endPhase(item, cut);
}

Pacer::Sent Pacer::deliverPiece(const Output::Piece &piece, size_t &sent)
{
    const trelvix::Event *abort = piece.dataPhase ? &abort_ : nullptr;
    if (piece.pause)
        return wait(piece.pauseMs, abort);
    const std::string_view bytes = piece.view();
    for (size_t at = 0; at < bytes.size();) {
        if (sent > 0 && pieceSize_ > 0 && gapMs_ > 0)
            if (const Sent s = wait(gapMs_, abort); s != Sent::Done)
                return s;
        const size_t n = std::min(chunk_, bytes.size() - at);
        if (const Sent s = throttle(n, abort); s != Sent::Done)
            return s;
        if (!write_(bytes.substr(at, n), stop_, abort))
            return interrupted(abort);
        at += n;
        sent += n;
    }
    return Sent::Done;
}

// A data phase of the item is over, sent whole or cut short; a phase that
// was output and cut ends with the NO CARRIER of a modem leaving the data
// mode. False when the link is gone.
bool Pacer::endPhase(const Item &item, bool cut)
{
    bool answer = false;
    {
        std::lock_guard lock(mutex_);
        answer = cut && !item.then && answerDrop_;
        if (!item.then)
            --sentPhases_;
        if (--phases_ == 0)
            abort_.reset();
    }
    return !answer || write_(kNoCarrier, stop_, nullptr);
}

// Waits ms (-1: for ever); a data phase's wait also ends when the phase is dropped.
Pacer::Sent Pacer::wait(int ms, const trelvix::Event *abort)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(ms, 0));
    for (;;) {
        int left = -1;
        if (ms >= 0) {
            const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            left = static_cast<int>(std::max<long long>(0, remaining.count()));
        }
        pollfd p[2] = {{stop_.fd(), POLLIN, 0}, {abort ? abort->fd() : -1, POLLIN, 0}};
        const int n = poll(p, 2, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n != 0)
            return interrupted(abort);
        if (left >= 0)
            return Sent::Done;
    }
}

Pacer::Sent Pacer::interrupted(const trelvix::Event *abort) const
{
    // A link gone stops the pacer like a stop does.
    return !stop_.isSet() && abort && abort->isSet() ? Sent::Dropped : Sent::Stopped;
}

// Waits until the line rate lets `bytes` more go. An idle line saves no
// credit for a burst later.
Pacer::Sent Pacer::throttle(size_t bytes, const trelvix::Event *abort)
{
    if (rate_ == 0)
        return Sent::Done;
    const auto now = std::chrono::steady_clock::now();
    if (next_ < now) {
        next_ = now;
    } else {
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(next_ - now).count();
        if (const Sent s = wait(static_cast<int>(ms), abort); s != Sent::Done)
            return s;
    }
    next_ += std::chrono::nanoseconds(bytes * 1'000'000'000ull / rate_);
    return Sent::Done;
}

// --- PhoneCore ---

PhoneCore::PhoneCore(PhoneOptions options, Observer observer)
    : model_(std::move(options)), observer_(std::move(observer))
{
    reading_.set();
}

void PhoneCore::start(Pacer::Write write, Pacer::Hangup hangup)
{
    pacer_ = std::make_unique<Pacer>(model_.options(), std::move(write), std::move(hangup));
}

void PhoneCore::take(std::string_view bytes, uint32_t lineSpeed)
{
    // One lock over the model and the queueing, so two writers cannot get
    // their replies swapped.
    std::lock_guard lock(mutex_);
    if (stalled_)
        held_.emplace_back(std::string(bytes), lineSpeed);
    else
        feed(bytes, lineSpeed);
}

void PhoneCore::feed(std::string_view bytes, uint32_t lineSpeed)
{
    std::vector<PhoneModel::Exchange> log;
    Output out;
    const size_t used = model_.receive(bytes, lineSpeed, out, observer_ ? &log : nullptr);
    for (const auto &exchange : log)
        observer_(exchange);
    if (pacer_) {
        if (model_.hungUp() && !hangupQueued_) {
            hangupQueued_ = true;
            pacer_->send(std::move(out), true);
        } else if (!out.empty()) {
            pacer_->send(std::move(out), false);
        }
    }
    if (used < bytes.size()) {
        // Taken first when the phone reads again.
        held_.emplace_front(std::string(bytes.substr(used)), lineSpeed);
        if (!stalled_) {
            stalled_ = true;
            reading_.reset();
            if (model_.stallMs() >= 0 && pacer_)
                pacer_->after(model_.stallMs(), [this] { resume(); }, true);
        }
    }
}

void PhoneCore::resume()
{
    std::lock_guard lock(mutex_);
    stalled_ = false;
    model_.resumeReading();
    while (!stalled_ && !held_.empty()) {
        const auto [bytes, speed] = std::move(held_.front());
        held_.pop_front();
        feed(bytes, speed);
    }
    if (!stalled_)
        reading_.set();
}

bool PhoneCore::leaveDataMode(std::string_view why, bool answered, const std::function<void()> &beforeAnswer)
{
    std::lock_guard lock(mutex_);
    const bool sending = pacer_ && pacer_->dropDataPhase(answered);
    Output answer = model_.leaveDataMode(sending);
    if (!sending && answer.empty())
        return false;
    if (!answered)
        answer = {};
    // Held back by a stall, these were the phase's bytes; a real line would
    // have lost them in the PC's purge.
    held_.clear();
    if (stalled_) {
        stalled_ = false;
        reading_.set();
    }
    if (beforeAnswer)
        beforeAnswer();
    if (observer_)
        observer_({{}, answer.summary(), std::string(why) + ": the data phase ends"});
    if (pacer_ && !answer.empty())
        pacer_->send(std::move(answer), false);
    return true;
}

bool PhoneCore::readingStalled() const
{
    std::lock_guard lock(mutex_);
    return stalled_;
}

void PhoneCore::withStore(const std::function<void(ObjectStore &)> &f)
{
    std::lock_guard lock(mutex_);
    f(model_.store());
}

void PhoneCore::stop()
{
    if (pacer_)
        pacer_->stop();
}

bool PhoneCore::waitIdle(std::chrono::milliseconds timeout)
{
    return !pacer_ || pacer_->waitIdle(timeout);
}

uint32_t PhoneCore::speed() const
{
    std::lock_guard lock(mutex_);
    return model_.speed();
}

bool PhoneCore::echo() const
{
    std::lock_guard lock(mutex_);
    return model_.echo();
}

bool PhoneCore::hungUp() const
{
    std::lock_guard lock(mutex_);
    return model_.hungUp();
}

// --- PtyPhone ---

PtyPhone::PtyPhone(PhoneOptions options, Observer observer) : core_(std::move(options), std::move(observer))
{
    int master = -1;
    char name[256];
    if (openpty(&master, &slave_, name, nullptr, nullptr) != 0)
        throw std::system_error(errno, std::system_category(), "openpty");
    master_ = master;
    slavePath_ = name;
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    // Without packet mode the phone works, but cannot see the PC leave a
    // data phase.
    int on = 1;
    packetMode_ = ioctl(master, TIOCPKT, &on) == 0;
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    // Raw at the phone's own speed, so a program that does not set the line
    // (cat, a terminal program) already talks to it.
    termios tio{};
    tcgetattr(slave_, &tio);
    cfmakeraw(&tio);
    cfsetspeed(&tio, codeOf(core_.options().listenSpeed));
    tcsetattr(slave_, TCSANOW, &tio);

    // A program that opened the slave with TIOCEXCL leaves the flag on the
    // pty after it closes (a real port forgets it when the tty is released,
    // a pty's tty lives as long as its master): every later open by an
    // ordinary user would fail with EBUSY. Watching the node for closes lets
    // the phone clear it like a real port would. Without inotify the phone
    // still works, for root or for programs that open it once.
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ >= 0 && inotify_add_watch(inotify_, name, IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
        close(inotify_);
        inotify_ = -1;
    }
    try {
        core_.start([this](std::string_view bytes, const trelvix::Event &stop,
                           const trelvix::Event *abort) { return writeMaster(bytes, stop, abort); },
                    [this] {
                        // The flag carries the happens-before from the last
                        // write to the close, which the eventfd does not.
                        closeRequested_.store(true, std::memory_order_release);
                        closeRequest_.set();
                    });
        reader_ = std::thread(&PtyPhone::readLoop, this);
    } catch (...) {
        core_.stop();
        closeAll();
        throw;
    }
}

PtyPhone::~PtyPhone()
{
    core_.stop();
    stop_.set();
    if (reader_.joinable())
        reader_.join();
    closeAll();
}

void PtyPhone::closeAll()
{
    if (int fd = master_.exchange(-1); fd >= 0)
        close(fd);
    // The slave stays open for the phone's whole life: when the last slave
    // descriptor closes, the master reads EIO and polls POLLHUP until the
    // slave is opened again, so the program's close between two opens would
    // look like a cut cable and spin the reader.
    if (slave_ >= 0)
        close(slave_);
    if (inotify_ >= 0)
        close(inotify_);
    slave_ = inotify_ = -1;
}

// Linux keeps one termios per pty pair, on the slave; termios calls on the
// master act on it (tcgetattr on the master reads what the program set on
// the slave, checked by the pty tests). So the phone learns the PC's line
// speed without a descriptor of the program's.
uint32_t PtyPhone::lineSpeed() const
{
    termios tio{};
    if (tcgetattr(master_, &tio) != 0)
        return 0;
    return bpsOf(cfgetospeed(&tio));
}

void PtyPhone::readLoop()
{
    using Clock = std::chrono::steady_clock;
    const uint32_t rate = core_.options().lineRate;
    // One more for the status byte of packet mode.
    std::vector<char> buffer((rate > 0 ? std::max<size_t>(1, rate / 100) : size_t(64) << 10) + 1);
    Clock::time_point nextRead{}; // when the line rate lets the phone read again
    for (;;) {
        // A stalled phone leaves the PC's bytes in the pty until it reads
        // again; a throttled one reads when its rate allows. Either still
        // sees the PC's flushes.
        const bool stalled = core_.readingStalled();
        const auto now = Clock::now();
        const bool waitRate = !stalled && rate > 0 && nextRead > now;
        const bool readable = !stalled && !waitRate;
        const short events = static_cast<short>((readable ? POLLIN : 0) | (packetMode_ ? POLLPRI : 0));
        pollfd p[5] = {{stop_.fd(), POLLIN, 0},
                       {closeRequest_.fd(), POLLIN, 0},
                       {events ? master_.load() : -1, events, 0},
                       {inotify_, POLLIN, 0},
                       {stalled ? core_.reading().fd() : -1, POLLIN, 0}};
        const int timeout =
            waitRate ? static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(nextRead - now).count()) : -1;
        if (poll(p, 5, timeout) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (p[0].revents)
            return;
        if (p[1].revents && closeRequested_.load(std::memory_order_acquire)) {
            // Hanging up: the program's descriptors now read end of file.
            waitUntilRead();
            close(master_.exchange(-1));
            hungUp_.set();
            return;
        }
        if (p[3].revents)
            releaseExclusive();
        if (p[2].revents & (POLLIN | POLLPRI)) {
            // Seen by the sender until the status is taken and acted on.
            statusPending_ = (p[2].revents & POLLPRI) != 0;
            const auto readAt = Clock::now();
            // A status byte comes alone, and before the data: a stalled or
            // throttled phone reads only those.
            const size_t want = readable ? buffer.size() : 1;
            const ssize_t n = read(master_, buffer.data(), want);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
                return; // cannot happen while slave_ is open
            std::string_view bytes(buffer.data(), static_cast<size_t>(std::max<ssize_t>(n, 0)));
            if (packetMode_ && !bytes.empty()) {
                const auto status = static_cast<unsigned char>(bytes[0]);
                bytes.remove_prefix(1);
                if (status != TIOCPKT_DATA)
                    takeStatus(status);
            }
            statusPending_ = false;
            if (!bytes.empty()) {
                core_.take(bytes, lineSpeed());
                if (rate > 0)
                    nextRead = std::max(nextRead, readAt) +
                               std::chrono::nanoseconds(static_cast<uint64_t>(bytes.size()) * 1'000'000'000ull / rate);
            }
        } else if (p[2].revents & (POLLHUP | POLLERR)) {
            return;
        }
    }
}

// The PC's tcflush of its input (TCIFLUSH) or output (TCOFLUSH), which its
// line control makes whenever it leaves a data phase. (FLUSHREAD is the
// PC's input flushed: TCIFLUSH on the slave.)
void PtyPhone::takeStatus(unsigned char status)
{
    if (!(status & (TIOCPKT_FLUSHREAD | TIOCPKT_FLUSHWRITE)))
        return;
    const bool inputFlushed = status & TIOCPKT_FLUSHREAD;
    core_.leaveDataMode(inputFlushed ? "the PC flushed its input" : "the PC flushed its output", !inputFlushed,
                        [this, inputFlushed] { dropPhaseLeftovers(inputFlushed); });
}

void PtyPhone::dropPhaseLeftovers(bool inputFlushed)
{
    if (!inputFlushed) {
        // The PC's data already in the master's buffer, which its output
        // purge does not reach, were the phase's. (After an input purge the
        // PC sent no data: what is there is its next command.)
        char scrap[4096];
        for (int i = 0; i < 1024 && read(master_, scrap, sizeof scrap) > 0; ++i) {
        }
        return;
    }
    // A phone stops sending when DTR drops, before the PC's purge; on a pty
    // it learns of the purge only now, and a chunk written meanwhile would
    // reach the PC after it. Those bytes go the purge's way, with no write
    // in progress.
    std::lock_guard lock(writing_);
    tcflush(slave_, TCIFLUSH);
}

// Closing the master hangs the tty up, which throws away input the program
// has not read yet; a phone's last bytes before it hangs up do reach the PC,
// so wait (bounded) until the slave's input queue is empty. There is no
// event for that, hence the short polls. The first wait lets the kernel move
// the last write from the pty's buffer into the queue FIONREAD counts.
void PtyPhone::waitUntilRead() const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    int queued = 0;
    do {
        if (stop_.wait(std::chrono::milliseconds(5)))
            return;
    } while (ioctl(slave_, FIONREAD, &queued) == 0 && queued > 0 && std::chrono::steady_clock::now() < deadline);
}

bool PtyPhone::waitIdle(std::chrono::milliseconds timeout)
{
    if (!core_.waitIdle(timeout))
        return false;
    if (!hungUp())
        waitUntilRead();
    return true;
}

void PtyPhone::releaseExclusive()
{
    // Every event watched is a close; draining them is all that is needed.
    alignas(inotify_event) char events[1024];
    bool closed = false;
    while (read(inotify_, events, sizeof events) > 0)
        closed = true;
    // This also clears the flag when a refused second open closes, while the
    // first program still holds the port; its flock keeps others out anyway.
    if (closed)
        ioctl(slave_, TIOCNXCL);
}

bool PtyPhone::writeMaster(std::string_view bytes, const trelvix::Event &stop, const trelvix::Event *abort)
{
    size_t done = 0;
    while (done < bytes.size()) {
        std::unique_lock lock(writing_);
        const int fd = master_;
        if (fd < 0 || (abort && abort->isSet()))
            return false;
        // Data written after the PC's flush would reach it after its purge;
        // the reader is about to end the phase.
        if (abort && flushPending(fd)) {
            lock.unlock();
            if (stop.wait(std::chrono::milliseconds(0)) || abort->wait(std::chrono::milliseconds(100)))
                return false;
            continue;
        }
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        lock.unlock();
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            // Nobody reads the slave: wait for room, or for the end.
            const short events = static_cast<short>(POLLOUT | (abort && packetMode_ ? POLLPRI : 0));
            pollfd p[3] = {{fd, events, 0}, {stop.fd(), POLLIN, 0}, {abort ? abort->fd() : -1, POLLIN, 0}};
            poll(p, 3, -1);
            if (p[1].revents || p[2].revents)
                return false;
        } else if (n < 0 && errno != EINTR) {
            return false;
        }
    }
    return true;
}

bool PtyPhone::flushPending(int fd) const
{
    if (!packetMode_)
        return false;
    if (statusPending_.load())
        return true;
    pollfd p{fd, POLLPRI, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & POLLPRI);
}

// --- FakePortPhone ---

FakePortPhone::FakePortPhone(trelvix::FakePort &port, PhoneOptions options, Observer observer)
    : core_(std::make_shared<PhoneCore>(std::move(options), std::move(observer))), port_(&port)
{
    core_->start(
        [&port](std::string_view bytes, const trelvix::Event &, const trelvix::Event *) {
            port.feed(bytes);
            return true;
        },
        [&port] { port.hangup(); });
    port.setResponder([core = core_](trelvix::FakePort &p, std::string_view written) {
        if (p.dtr())
            core->take(written, p.settings().speed);
    });
    port.setControlObserver([core = core_](bool dtr, bool) {
        if (!dtr)
            core->leaveDataMode("DTR dropped");
    });
}

FakePortPhone::~FakePortPhone()
{
    detach();
}

void FakePortPhone::detach()
{
    if (!port_)
        return;
    port_->setResponder({});
    port_->setControlObserver({});
    core_->stop();
    port_ = nullptr;
}

uint32_t FakePortPhone::speed() const
{
    return core_->speed();
}

bool FakePortPhone::echo() const
{
    return core_->echo();
}

bool FakePortPhone::hungUp() const
{
    return core_->hungUp();
}

} // namespace phonesim
