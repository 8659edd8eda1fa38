// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The process-wide serial channel: a reader thread hands received chunks to
// the receive callback, a writer thread writes queued sends in order. One
// stop event breaks every wait of both threads.

#include "channel.h"
#include "event.h"
#include "port.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

TRELVIX_API uint32_t Comm_Sent = 0;
TRELVIX_API uint32_t Comm_Errors = 0;

namespace trelvix {
namespace {

constexpr size_t kReadChunk = 1024; // the most one receive callback gets
constexpr size_t kReadBuffer = 4 * kReadChunk; // the driver's input queue
constexpr size_t kWriteChunk = 4096;
constexpr size_t kMaxQueued = 10000; // requests waiting for the writer
constexpr auto kThreadEndLimit = std::chrono::milliseconds(10000);
constexpr auto kQueueRetry = std::chrono::milliseconds(200);

void addSent(int64_t delta)
{
    std::atomic_ref<uint32_t>(Comm_Sent).fetch_add(static_cast<uint32_t>(delta));
}

void addErrors(uint32_t mask)
{
    if (mask)
        std::atomic_ref<uint32_t>(Comm_Errors).fetch_or(mask);
}

// Shared by the caller's threads and the two channel threads, so that a
// thread which outlives Comm_Stop's wait still has valid state to finish on.
struct ChannelState {
    Port *port = nullptr;
    std::unique_ptr<Port> ownedPort; // set when Comm_Stop(1) could not wait for a thread
    std::atomic<TrelvixReceiveFn> receive{nullptr};
    Event stop;
    // Breaks the write in progress: set by a stop and by an output purge.
    Event writeAbort;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<char>> queue;
    bool writerAlive = true;
    bool readerAlive = true;
    bool writing = false;    // the writer holds a request
    uint64_t purges = 0;     // output purges so far: a request taken before one is dropped

    // Ends both threads: Comm_Stop, or a cut cable seen by either thread.
    void requestStop()
    {
        stop.set();
        writeAbort.set();
        std::lock_guard lock(mutex);
        changed.notify_all();
    }

    void markEnded(bool ChannelState::*alive)
    {
        std::lock_guard lock(mutex);
        this->*alive = false;
        changed.notify_all();
    }

    bool waitEnded(bool ChannelState::*alive)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, kThreadEndLimit, [&] { return !(this->*alive); });
    }
};

void cutCable(ChannelState &state)
{
    addErrors(TRELVIX_CE_IOE);
    state.requestStop();
}

// Hands what one read returned to the receive callback, a chunk at a time;
// false when the callback asks the reader to stop or the channel stops
// (a callback may wait for room, and a stop must not wait for each chunk).
bool deliver(ChannelState &state, const char *bytes, size_t count)
{
    for (size_t done = 0; done < count; done += kReadChunk) {
        if (done > 0 && state.stop.isSet())
            return false;
        TrelvixReceiveFn receive = state.receive.load();
        const auto chunk = static_cast<uint32_t>(std::min(kReadChunk, count - done));
        if (!receive || receive(bytes + done, chunk) == 0)
            return false;
    }
    return true;
}

void readerLoop(std::shared_ptr<ChannelState> state)
{
    // One read takes all the driver holds (a streaming phone fills it
    // between two wake-ups); the callback still gets at most 1024 bytes.
    char buffer[kReadBuffer];
    Port &port = *state->port;
    while (!state->stop.isSet()) {
        IoResult r = port.read(buffer, sizeof buffer, &state->stop);
        addErrors(port.takeLineErrors());
        if (r.status == IoResult::Ok) {
            if (!deliver(*state, buffer, r.count))
                break;
        } else if (r.status == IoResult::Hangup || r.status == IoResult::Failed) {
            cutCable(*state);
            break;
        } else if (r.status == IoResult::Stopped) {
            break;
        }
        // TimedOut: an idle line; read again.
    }
    port.purge(kPurgeRx);
    state->markEnded(&ChannelState::readerAlive);
}

bool purgedSince(ChannelState &state, uint64_t purges)
{
    std::lock_guard lock(state.mutex);
    return state.purges != purges;
}

// Writes one request in chunks; false ends the writer. An output purge
// abandons the rest of the request.
bool writeRequest(ChannelState &state, const std::vector<char> &bytes, uint64_t purges)
{
    size_t done = 0;
    while (done < bytes.size() && !purgedSince(state, purges)) {
        const size_t chunk = std::min(kWriteChunk, bytes.size() - done);
        addSent(static_cast<int64_t>(chunk));
        IoResult r = state.port->write(bytes.data() + done, chunk, &state.writeAbort);
        addSent(static_cast<int64_t>(r.count) - static_cast<int64_t>(chunk));
        if (r.status == IoResult::Hangup || r.status == IoResult::Failed) {
            cutCable(state);
            return false;
        }
        if (state.stop.isSet())
            return false;
        if (r.status != IoResult::Ok)
            return true; // purged while writing (or the write time-out): drop the rest
        done += r.count;
    }
    return true;
}

void writerLoop(std::shared_ptr<ChannelState> state)
{
    for (;;) {
        std::vector<char> request;
        uint64_t purges = 0;
        {
            std::unique_lock lock(state->mutex);
            state->writing = false;
            state->changed.notify_all();
            state->changed.wait(lock, [&] { return !state->queue.empty() || state->stop.isSet(); });
            if (state->stop.isSet())
                break;
            request = std::move(state->queue.front());
            state->queue.pop_front();
            state->writing = true;
            purges = state->purges;
            // A purge made while the writer was idle has nothing left to
            // break. A stop sets the event after its flag, so a stop that
            // this reset could hide is seen just below.
            state->writeAbort.reset();
            if (state->stop.isSet())
                break;
        }
        if (!writeRequest(*state, request, purges))
            break;
    }
    state->port->purge(kPurgeTx);
    std::lock_guard lock(state->mutex);
    state->queue.clear();
    state->writing = false;
    state->writerAlive = false;
    state->changed.notify_all();
}

// Module state of the one channel. The api mutex guards these fields only;
// it is never held while waiting for a channel thread, so that a receive
// callback may call Comm_Send while Comm_Stop waits for the reader.
std::mutex g_api;
std::atomic<int> g_running{0};
Port *g_port = nullptr;
std::shared_ptr<ChannelState> g_state;
std::thread g_reader;
std::thread g_writer;

// Waits a bounded time for a thread; one that does not end is left to finish
// on its own (it holds the shared state, so nothing it uses goes away).
void endThread(std::thread &thread, ChannelState &state, bool ChannelState::*alive, bool &detached)
{
    if (!thread.joinable())
        return;
    if (state.waitEnded(alive)) {
        thread.join();
    } else {
        thread.detach();
        detached = true;
    }
}

} // namespace

TrelvixReceiveFn exchangeReceiveCallback(TrelvixReceiveFn receive)
{
    std::lock_guard lock(g_api);
    return g_state ? g_state->receive.exchange(receive) : nullptr;
}

} // namespace trelvix

using namespace trelvix;

extern "C" TRELVIX_API int Comm_Start(TrelvixPort *port, TrelvixReceiveFn receive, uint32_t /*line*/)
{
    std::lock_guard lock(g_api);
    if (g_running.load() || g_port || !port || !receive)
        return 0;
    auto state = std::make_shared<ChannelState>();
    if (!state->stop.valid() || !state->writeAbort.valid())
        return 0;
    state->port = port;
    state->receive = receive;
    port->setTimeouts({1000, 0});
    // Thread priorities stay as they are: raising them needs CAP_SYS_NICE,
    // and a poll-woken reader does not need it to keep up with a serial line.
    try {
        g_reader = std::thread(readerLoop, state);
    } catch (const std::system_error &) {
        return 0;
    }
    try {
        g_writer = std::thread(writerLoop, state);
    } catch (const std::system_error &) {
        state->requestStop();
        g_reader.join();
        return 0;
    }
    g_port = port;
    g_state = std::move(state);
    g_running = 1;
    return 1;
}

extern "C" TRELVIX_API int Comm_Stop(int closePort)
{
    std::shared_ptr<ChannelState> state;
    std::thread reader, writer;
    {
        std::lock_guard lock(g_api);
        if (g_running.exchange(0) == 0)
            return 0;
        state = std::move(g_state);
        reader = std::move(g_reader);
        writer = std::move(g_writer);
    }
    state->requestStop();
    state->port->purge(kPurgeRx);
    bool detached = false;
    endThread(reader, *state, &ChannelState::readerAlive, detached);
    state->port->purge(kPurgeTx);
    endThread(writer, *state, &ChannelState::writerAlive, detached);
    if (closePort) {
        if (detached)
            state->ownedPort.reset(state->port); // closed when the last thread ends
        else
            delete state->port;
    }
    std::lock_guard lock(g_api);
    g_port = nullptr;
    return 1;
}

extern "C" TRELVIX_API int Comm_Send(const void *data, int length)
{
    if (length < 0 || (length > 0 && !data))
        return 0;
    std::shared_ptr<ChannelState> state;
    {
        std::lock_guard lock(g_api);
        state = g_state;
    }
    if (!state)
        return 0;
    const auto *bytes = static_cast<const char *>(data);
    std::vector<char> copy(bytes, bytes + length);
    for (int attempt = 0; attempt < 2; ++attempt) {
        {
            std::lock_guard lock(state->mutex);
            if (!state->writerAlive)
                return 0;
            if (state->queue.size() < kMaxQueued) {
                if (length > 0)
                    state->queue.push_back(std::move(copy));
                state->changed.notify_all();
                return 1;
            }
        }
        if (attempt == 0)
            std::this_thread::sleep_for(kQueueRetry);
    }
    return 0;
}

extern "C" TRELVIX_API int Comm_SendString(const char *text)
{
    if (!text)
        return 0;
    return Comm_Send(text, static_cast<int>(strlen(text)));
}

extern "C" TRELVIX_API int Comm_SendLine(const char *text)
{
    Comm_SendString(text);
    return Comm_Send("\r", 1);
}

namespace {

std::shared_ptr<ChannelState> currentChannel()
{
    std::lock_guard lock(g_api);
    return g_state;
}

} // namespace

extern "C" TRELVIX_API int Comm_Purge(uint32_t what)
{
    auto state = currentChannel();
    if (!state)
        return 0;
    if (what & TRELVIX_PURGE_TX) {
        {
            std::lock_guard lock(state->mutex);
            state->queue.clear();
            ++state->purges;
            state->writeAbort.set();
            state->changed.notify_all();
        }
        state->port->purge(kPurgeTx);
    }
    if (what & TRELVIX_PURGE_RX)
        state->port->purge(kPurgeRx);
    return 1;
}

extern "C" TRELVIX_API int Comm_OutputQueue(void)
{
    auto state = currentChannel();
    return state ? state->port->outputQueue() : -1;
}

extern "C" TRELVIX_API int Comm_Drain(uint32_t timeoutMs)
{
    auto state = currentChannel();
    if (!state)
        return 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    {
        std::unique_lock lock(state->mutex);
        const bool idle = state->changed.wait_until(lock, deadline, [&] {
            return (state->queue.empty() && !state->writing) || !state->writerAlive;
        });
        if (!idle || !state->writerAlive)
            return 0;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return state->port->drain(static_cast<int>(std::max<int64_t>(0, left.count()))) ? 1 : 0;
}

extern "C" TRELVIX_API int Comm_SetDtr(int on)
{
    auto state = currentChannel();
    return state && state->port->setDtr(on != 0) ? 1 : 0;
}

extern "C" TRELVIX_API int Comm_SetSpeed(uint32_t speed)
{
    auto state = currentChannel();
    if (!state)
        return 0;
    TrelvixLineSettings settings = state->port->settings();
    settings.speed = speed;
    return state->port->applySettings(settings) ? 1 : 0;
}
