// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Starting and stopping detection, device changes: the detection exports.

#include "detect.h"
#include "detection_run.h"
#include "enumerate.h"
#include "probe.h"
#include "thread_count.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <thread>

namespace trelvix {

namespace {

constexpr uint32_t kStartFlagMask = 0xEC000000;

std::mutex g_mutex; // guards g_run, g_opener and g_source
std::shared_ptr<DetectionRun> g_run;
PortOpener g_opener;
CandidateSource g_source;

std::shared_ptr<DetectionRun> currentRun()
{
    std::lock_guard lock(g_mutex);
    return g_run;
}

std::string displayNameFor(const PortCandidate &candidate)
{
    if (candidate.kind & kKindInfrared)
        return "IrDA";
    // "ttyUSB0" for /dev/ttyUSB0, "pts/3" for a pseudo-terminal.
    const std::string_view path = candidate.devicePath;
    return std::string(path.starts_with("/dev/") ? path.substr(5) : path);
}

void portThread(std::shared_ptr<DetectionRun> run, std::unique_ptr<Prober> prober)
{
    prober->run();
    std::lock_guard lock(run->lock);
    run->live.erase(std::find(run->live.begin(), run->live.end(), prober.get()));
}

// A thread per candidate; one that cannot start is dropped, as if the port
// were not there.
void startProber(const std::shared_ptr<DetectionRun> &run, const PortCandidate &candidate)
{
    auto prober = std::make_unique<Prober>(run, candidate.devicePath, displayNameFor(candidate), candidate.stableName,
                                           run->startFlags.load() | candidate.kind);
    Prober *raw = prober.get();
    std::lock_guard lock(run->lock);
    run->live.push_back(raw);
    if (!startCountedThread(portThread, run, std::move(prober)))
        run->live.pop_back();
}

std::vector<PortCandidate> candidates(uint32_t startFlags)
{
    const bool skipInfrared = (startFlags & TRELVIX_FLAG_SINGLE_BYTE) != 0;
    CandidateSource source;
    {
        std::lock_guard lock(g_mutex);
        source = g_source;
    }
    return source ? source(skipInfrared) : enumeratePorts(skipInfrared);
}

} // namespace

OpenResult DetectionRun::open(const std::string &path)
{
    PortOpener opener;
    {
        std::lock_guard lock(g_mutex);
        opener = g_opener;
    }
    return opener ? opener(path) : openPosixPort(path);
}

void DetectionRun::stop()
{
    active = false;
    {
        std::lock_guard guard(lock);
        for (Prober *prober : live) {
            prober->clearFlags(TRELVIX_FLAG_CONTINUOUS);
            prober->wake();
        }
    }
    stopped.set();
}

void setPortOpener(PortOpener opener)
{
    std::lock_guard lock(g_mutex);
    g_opener = std::move(opener);
}

void setCandidateSource(CandidateSource source)
{
    std::lock_guard lock(g_mutex);
    g_source = std::move(source);
}

bool waitForDetectionThreads(std::chrono::milliseconds timeout)
{
    return waitForCountedThreads(timeout);
}

} // namespace trelvix

using namespace trelvix;

namespace {

std::shared_ptr<DetectionRun> startRun(uint32_t flags, TrelvixStatusFn callback, int &count)
{
    auto run = std::make_shared<DetectionRun>();
    run->callback = callback;
    run->startFlags = flags & kStartFlagMask;
    {
        std::lock_guard lock(g_mutex);
        if (g_run)
            g_run->stop();
        g_run = run;
    }
    const auto list = candidates(run->startFlags);
    for (const auto &candidate : list)
        startProber(run, candidate);
    count = static_cast<int>(list.size());
    return run;
}

} // namespace

extern "C" TRELVIX_API int TrelvixAsync(uint32_t flags, TrelvixStatusFn callback)
{
    if (!callback)
        return 0;
    int count = 0;
    startRun(flags, callback, count);
    return count;
}

extern "C" TRELVIX_API int Trelvix(uint32_t flags, TrelvixStatusFn callback, uint32_t timeoutMs)
{
    if (!callback)
        return 0;
    int count = 0;
    auto run = startRun(flags, callback, count);
    if (run->stopped.wait(std::chrono::milliseconds(timeoutMs)))
        return 1;
    run->stop();
    return 0;
}

extern "C" TRELVIX_API int TrelvixAsync_Stop(void)
{
    // Let go of the run too: its last prober frees it, descriptors and all.
    std::shared_ptr<DetectionRun> run;
    {
        std::lock_guard lock(g_mutex);
        run = std::move(g_run);
    }
    if (run)
        run->stop();
    return 0;
}

extern "C" TRELVIX_API int TrelvixAsync_DeviceChange(uint32_t eventType, const TrelvixDeviceHeader *header)
{
    auto run = currentRun();
    if (!run || !run->running() || eventType < 0x8000 || eventType > 0x8005 || !header ||
        (header->deviceType != TRELVIX_DEVICE_PORT && header->deviceType != TRELVIX_DEVICE_NODE))
        return 1;
    auto fresh = candidates(run->startFlags);
    {
        std::lock_guard lock(run->lock);
        for (Prober *prober : run->live) {
            auto it = std::find_if(fresh.begin(), fresh.end(),
                                   [&](const PortCandidate &c) { return c.devicePath == prober->devicePath(); });
            if (it != fresh.end()) {
                fresh.erase(it);
            } else {
                prober->clearFlags(TRELVIX_FLAG_CONTINUOUS);
                prober->setFlags(TRELVIX_FLAG_REMOVED);
                prober->wake();
            }
        }
    }
    for (const auto &candidate : fresh)
        startProber(run, candidate);
    return 1;
}
