// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// Carries the phone model over a link: a pseudo-terminal that any program
// can open like a serial port (PtyPhone), or a FakePort inside the test
// process (FakePortPhone). Both send the phone's output from a thread of
// their own (Pacer) so the reply delay and the pieces behave like a slow
// phone without holding up what the PC sends meanwhile.

#include "event.h"
#include "fake_port.h"
#include "phone_model.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace phonesim {

// Told about every command, frame or ignored input and what was answered;
// called on the thread that fed the model.
using Observer = std::function<void(const PhoneModel::Exchange &)>;

// Sends queued output in order: waits replyDelayMs before each, cuts it in
// pieces of pieceSize with pieceGapMs between them, keeps to lineRate,
// holds the output's pauses, and hangs the link up after the output that
// ended with the model hanging up. A large object leaves in chunks straight
// from the stored bytes. What is left of a data phase (the pieces marked
// dataPhase) goes when the PC ends the phase, and NO CARRIER in its place.
class Pacer {
public:
    // Writes all bytes unless the stop event, or the abort event when one
    // is given, is set; false then, or when the link is gone.
    using Write = std::function<bool(std::string_view, const trelvix::Event &stop, const trelvix::Event *abort)>;
    using Hangup = std::function<void()>;

    Pacer(const PhoneOptions &options, Write write, Hangup hangup);
    ~Pacer();
    Pacer(const Pacer &) = delete;
    Pacer &operator=(const Pacer &) = delete;

    void send(Output output, bool thenHangUp);
    // Calls then() on the pacer's thread once what was queued before has
    // gone and ms more have passed; not at all when stopped first. A wait
    // that belongs to a data phase (a stall) ends early when the phase does.
    void after(int ms, std::function<void()> then, bool inDataPhase = false);
    // Drops what is left of the data phases queued or in progress; true
    // when one of them was output (its NO CARRIER is then the pacer's,
    // unless not `answered`).
    bool dropDataPhase(bool answered = true);
    // Ends the thread at once (output still queued is dropped); later sends
    // are dropped too.
    void stop();
    // Waits until everything queued has gone, pauses and stalls included.
    bool waitIdle(std::chrono::milliseconds timeout);

private:
    struct Item {
        Output output;
        bool hangup = false;
        std::function<void()> then = {};
    };
    enum class Sent { Done, Dropped, Stopped };
    void run();
    bool deliver(const Item &item);
    Sent deliverPiece(const Output::Piece &piece, size_t &sent);
    bool endPhase(const Item &item, bool cut);
    Sent wait(int ms, const trelvix::Event *abort);
    Sent throttle(size_t bytes, const trelvix::Event *abort);
    Sent interrupted(const trelvix::Event *abort) const;

    const int delayMs_;
    const size_t pieceSize_;
    const int gapMs_;
    const uint32_t rate_;
    const size_t chunk_;
    std::chrono::steady_clock::time_point next_{}; // when lineRate lets the next chunk go
    Write write_;
    Hangup hangup_;
    std::mutex mutex_;
    std::condition_variable queued_;
    std::condition_variable idle_;
    std::deque<Item> queue_;
    bool stopping_ = false;
    bool busy_ = false; // an item is being delivered
    int phases_ = 0;     // data phases queued or in progress (stall waits too)
    int sentPhases_ = 0; // ... of them output
    bool answerDrop_ = true; // a dropped phase ends with NO CARRIER
    trelvix::Event stop_;
    trelvix::Event abort_; // set while the pending data phases are dropped
    std::thread thread_;
};

// The model behind a mutex, and the pacer that sends its output: what both
// transports share.
class PhoneCore {
public:
    // Throws std::invalid_argument for options validate() refuses.
    PhoneCore(PhoneOptions options, Observer observer);
    PhoneCore(const PhoneCore &) = delete;
    PhoneCore &operator=(const PhoneCore &) = delete;

    void start(Pacer::Write write, Pacer::Hangup hangup);
    // Feeds what the PC sent at lineSpeed; safe from several threads, the
    // replies leave in the order the input was taken.
    void take(std::string_view bytes, uint32_t lineSpeed);
    void stop();
    // The phone has sent all it had to send, and no stall is pending.
    bool waitIdle(std::chrono::milliseconds timeout);

    const PhoneOptions &options() const { return model_.options(); }
    uint32_t speed() const;
    bool echo() const;
    bool hungUp() const;
    // While the phone stalls in a data phase it reads nothing: what the PC
    // sends meanwhile waits here, and a transport that can should stop
    // reading its link so the PC's writes block. reading() is set whenever
    // the phone reads, for poll(2).
    bool readingStalled() const;
    const trelvix::Event &reading() const { return reading_; }
    // Runs f on the phone's objects with the model locked, for tests to
    // look at them or plant some.
    void withStore(const std::function<void(ObjectStore &)> &f);
    // The PC ended a data phase (why: for the log): the phase either way is
    // dropped and, when `answered`, answered NO CARRIER; what a stall held
    // back goes too. beforeAnswer runs first, so a transport can drop the
    // phase's bytes it still holds before the PC can send anything new.
    // False when no data phase was in progress: nothing happened.
    bool leaveDataMode(std::string_view why, bool answered = true, const std::function<void()> &beforeAnswer = {});

private:
    void feed(std::string_view bytes, uint32_t lineSpeed); // with mutex_ held
    void resume();

    mutable std::mutex mutex_;
    PhoneModel model_;
    Observer observer_;
    bool hangupQueued_ = false;
    bool stalled_ = false;
    std::deque<std::pair<std::string, uint32_t>> held_; // bytes and their line speed
    trelvix::Event reading_;
    std::unique_ptr<Pacer> pacer_;
};

// A phone behind a pseudo-terminal. The program under test opens
// slavePath() as it would open /dev/ttyUSB0. With lineRate the phone also
// reads no faster than that, so the pty fills and the program's writes
// block as on a real line.
//
// A pty has no DTR. What the PC does when it leaves a data phase that the
// pty does show is the purge that comes with it: its tcflush of either
// direction reaches the master in packet mode (TIOCPKT), and the phone
// takes it, during a data phase, as a real phone takes DTR dropping. Only
// the NO CARRIER differs: a real phone says it when DTR drops, before the
// PC purges its input (which loses it), so after a flush of the PC's input
// the phone says nothing; a late NO CARRIER would be taken for the reply
// to the PC's next command.
class PtyPhone {
public:
    // Throws std::system_error when no pty can be made, and
    // std::invalid_argument for options validate() refuses.
    explicit PtyPhone(PhoneOptions options = {}, Observer observer = {});
    // Stops both threads; bounded, they wait on a stop event, not on the link.
    ~PtyPhone();
    PtyPhone(const PtyPhone &) = delete;
    PtyPhone &operator=(const PtyPhone &) = delete;

    const std::string &slavePath() const { return slavePath_; }
    // True once the phone closed the master (hangupAfterBytes).
    bool hungUp() const { return hungUp_.isSet(); }
    bool waitHungUp(std::chrono::milliseconds timeout) const { return hungUp_.wait(timeout); }
    // The phone has sent everything it had to send, and the program has
    // read it from the pty.
    bool waitIdle(std::chrono::milliseconds timeout);
    uint32_t speed() const { return core_.speed(); }
    bool echo() const { return core_.echo(); }
    void withStore(const std::function<void(ObjectStore &)> &f) { core_.withStore(f); }

private:
    void readLoop();
    // A packet-mode status byte.
    void takeStatus(unsigned char status);
    void dropPhaseLeftovers(bool inputFlushed);
    uint32_t lineSpeed() const;
    void releaseExclusive();
    void waitUntilRead() const;
    bool writeMaster(std::string_view bytes, const trelvix::Event &stop, const trelvix::Event *abort);
    // A status byte (a flush, perhaps) waits on the master, or the reader
    // has it in hand.
    bool flushPending(int fd) const;
    void closeAll();

    PhoneCore core_;
    std::atomic<int> master_{-1};
    int slave_ = -1;
    int inotify_ = -1;
    bool packetMode_ = false; // each read of the master starts with a status byte
    std::atomic<bool> statusPending_{false};
    // Held around each write of the master with its abort check, so the
    // reader knows when no byte of a dropped phase can still go out.
    std::mutex writing_;
    std::string slavePath_;
    trelvix::Event stop_;
    std::atomic<bool> closeRequested_{false};
    trelvix::Event closeRequest_; // the pacer asks the reader to close the master
    trelvix::Event hungUp_;
    std::thread reader_;
};

// The same phone answering a FakePort's writes through its Responder. DTR
// dropping ends a data phase, and what the PC writes while DTR is off is
// lost (as the purge that comes with the drop would lose it on a line). The
// phone must be destroyed, or detach()ed, before the port is: the library
// destroys a port it was handed in Comm_Stop(1), so call detach() first.
class FakePortPhone {
public:
    explicit FakePortPhone(trelvix::FakePort &port, PhoneOptions options = {}, Observer observer = {});
    ~FakePortPhone();
    FakePortPhone(const FakePortPhone &) = delete;
    FakePortPhone &operator=(const FakePortPhone &) = delete;

    // Removes the responder and ends the sending thread; the port is not
    // touched afterwards.
    void detach();
    uint32_t speed() const;
    bool echo() const;
    bool hungUp() const;
    void withStore(const std::function<void(ObjectStore &)> &f) { core_->withStore(f); }

private:
    // Shared with the responder, which a write in progress may still hold
    // after detach().
    std::shared_ptr<PhoneCore> core_;
    trelvix::FakePort *port_;
};

} // namespace phonesim
