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
    queue_.push_back({std::move(output), thenHangUp, {}});
    queued_.notify_one();
}

void Pacer::after(int ms, std::function<void()> then)
{
    Output wait;
    wait.appendPause(ms);
    std::lock_guard lock(mutex_);
    if (stopping_)
        return;
    queue_.push_back({std::move(wait), false, std::move(then)});
    queued_.notify_one();
}

void Pacer::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.set();
    queued_.notify_all();
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
        }
        if (!item.output.empty() && !deliver(item.output))
            return;
        if (item.then)
            item.then();
        if (item.hangup) {
            hangup_();
            return;
        }
    }
}

bool Pacer::deliver(const Output &output)
{
    using std::chrono::milliseconds;
    if (delayMs_ > 0 && output.size() > 0 && stop_.wait(milliseconds(delayMs_)))
        return false;
    size_t sent = 0;
    for (const Output::Piece &piece : output.pieces()) {
        if (piece.pause) {
            if (!pause(piece.pauseMs))
                return false;
            continue;
        }
        const std::string_view bytes = piece.view();
        for (size_t at = 0; at < bytes.size();) {
            if (sent > 0 && pieceSize_ > 0 && gapMs_ > 0 && stop_.wait(milliseconds(gapMs_)))
                return false;
            const size_t n = std::min(chunk_, bytes.size() - at);
            if (!throttle(n) || !write_(bytes.substr(at, n), stop_))
                return false;
            at += n;
            sent += n;
        }
    }
    return true;
}

// False when stopped meanwhile; a pause for ever lasts until then.
bool Pacer::pause(int ms)
{
    if (ms >= 0)
        return !stop_.wait(std::chrono::milliseconds(ms));
    while (!stop_.wait(std::chrono::hours(1))) {
    }
    return false;
}

// Waits until the line rate lets `bytes` more go. An idle line saves no
// credit for a burst later.
bool Pacer::throttle(size_t bytes)
{
    if (rate_ == 0)
        return true;
    const auto now = std::chrono::steady_clock::now();
    if (next_ < now)
        next_ = now;
    else if (stop_.wait(std::chrono::ceil<std::chrono::milliseconds>(next_ - now)))
        return false;
    next_ += std::chrono::nanoseconds(bytes * 1'000'000'000ull / rate_);
    return true;
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
                pacer_->after(model_.stallMs(), [this] { resume(); });
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
        core_.start([this](std::string_view bytes, const trelvix::Event &stop) { return writeMaster(bytes, stop); },
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
    std::vector<char> buffer(rate > 0 ? std::max<size_t>(1, rate / 100) : size_t(64) << 10);
    Clock::time_point nextRead{}; // when the line rate lets the phone read again
    for (;;) {
        // A stalled phone leaves the PC's bytes in the pty until it reads
        // again; a throttled one reads when its rate allows.
        const bool stalled = core_.readingStalled();
        const auto now = Clock::now();
        const bool waitRate = !stalled && rate > 0 && nextRead > now;
        const bool readable = !stalled && !waitRate;
        pollfd p[5] = {{stop_.fd(), POLLIN, 0},
                       {closeRequest_.fd(), POLLIN, 0},
                       {readable ? master_.load() : -1, POLLIN, 0},
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
        if (p[2].revents & POLLIN) {
            const auto readAt = Clock::now();
            const ssize_t n = read(master_, buffer.data(), buffer.size());
            if (n > 0) {
                core_.take(std::string_view(buffer.data(), static_cast<size_t>(n)), lineSpeed());
                if (rate > 0)
                    nextRead = std::max(nextRead, readAt) +
                               std::chrono::nanoseconds(static_cast<uint64_t>(n) * 1'000'000'000ull / rate);
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                return; // cannot happen while slave_ is open
            }
        } else if (p[2].revents & (POLLHUP | POLLERR)) {
            return;
        }
    }
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

bool PtyPhone::writeMaster(std::string_view bytes, const trelvix::Event &stop)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const int fd = master_;
        if (fd < 0)
            return false;
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            // Nobody reads the slave: wait for room, or for the end.
            pollfd p[2] = {{fd, POLLOUT, 0}, {stop.fd(), POLLIN, 0}};
            poll(p, 2, -1);
            if (p[1].revents)
                return false;
        } else if (n < 0 && errno != EINTR) {
            return false;
        }
    }
    return true;
}

// --- FakePortPhone ---

FakePortPhone::FakePortPhone(trelvix::FakePort &port, PhoneOptions options, Observer observer)
    : core_(std::make_shared<PhoneCore>(std::move(options), std::move(observer))), port_(&port)
{
    core_->start(
        [&port](std::string_view bytes, const trelvix::Event &) {
            port.feed(bytes);
            return true;
        },
        [&port] { port.hangup(); });
    port.setResponder([core = core_](trelvix::FakePort &p, std::string_view written) {
        core->take(written, p.settings().speed);
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
